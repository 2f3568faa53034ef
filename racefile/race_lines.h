#pragma once
// RaceLines: the lines of a race file while it is built (the line list
// SaveLst), CP932 without line ends. They are kept as the race file will hold
// them: one buffer of every line followed by CR LF, and where each line
// starts. A line is read back as a view into that buffer; the race file is
// written from the buffer as it stands. A season converts millions of lines,
// and a line is appended with one copy of its bytes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tamikaze {

class RaceLines {
 public:
  // The lines in order, each a view into the buffer.
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const RaceLines* lines, std::size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    std::string_view operator[](difference_type n) const { return *(*this + n); }
    const_iterator& operator++() { return ++index_, *this; }
    const_iterator operator++(int) { return {lines_, index_++}; }
    const_iterator& operator--() { return --index_, *this; }
    const_iterator operator--(int) { return {lines_, index_--}; }
    const_iterator& operator+=(difference_type n) { return index_ += n, *this; }
    const_iterator& operator-=(difference_type n) { return index_ -= n, *this; }
    friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
    friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
    friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const const_iterator& a, const const_iterator& b) {
      return a.index_ == b.index_;
    }
    friend bool operator!=(const const_iterator& a, const const_iterator& b) { return !(a == b); }
    friend bool operator<(const const_iterator& a, const const_iterator& b) {
      return a.index_ < b.index_;
    }
    friend bool operator>(const const_iterator& a, const const_iterator& b) { return b < a; }
    friend bool operator<=(const const_iterator& a, const const_iterator& b) { return !(b < a); }
    friend bool operator>=(const const_iterator& a, const const_iterator& b) { return !(a < b); }

   private:
    const RaceLines* lines_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = const_iterator;
  using value_type = std::string_view;
  using size_type = std::size_t;

  RaceLines() = default;
  RaceLines(std::initializer_list<std::string_view> lines);
  RaceLines(std::size_t count, std::string_view line);
  template <typename Iterator>
  RaceLines(Iterator first, Iterator last) {
    insert(end(), first, last);
  }

  void push_back(std::string_view line);
  // One line made of `parts` in order.
  void PushJoined(std::initializer_list<std::string_view> parts);
  // `count` lines `line` at the end (the only place lines are inserted).
  void insert(const_iterator end, std::size_t count, std::string_view line);
  void insert(const_iterator end, std::initializer_list<std::string_view> lines) {
    insert(end, lines.begin(), lines.end());
  }
  template <typename Iterator>
  void insert(const_iterator end, Iterator first, Iterator last) {
    CheckAtEnd(end);
    for (; first != last; ++first) push_back(*first);
  }
  void clear();

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // Read only: a line once added stays as it is.
  const std::string_view operator[](std::size_t index) const;
  // The same, or std::out_of_range past the last line.
  const std::string_view at(std::size_t index) const;
  const std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // Every line followed by CR LF: the race file's bytes.
  std::string_view FileBytes() const { return {bytes_.data(), size_}; }

  friend bool operator==(const RaceLines& a, const RaceLines& b) {
    return a.FileBytes() == b.FileBytes() && a.starts_ == b.starts_;
  }
  friend bool operator!=(const RaceLines& a, const RaceLines& b) { return !(a == b); }

 private:
  void CheckAtEnd(const_iterator at) const;
  // Room for `count` more bytes at the end; where they go.
  char* Grow(std::size_t count);

  // The bytes in use are the first size_ of bytes_, which grows by doubling
  // and is never filled ahead of its use.
  std::vector<char> bytes_;
  std::size_t size_ = 0;
  std::vector<std::size_t> starts_;  // where each line starts in bytes_
};

// The lines joined by " | ", for messages and test failures.
std::ostream& operator<<(std::ostream& out, const RaceLines& lines);

}  // namespace tamikaze
