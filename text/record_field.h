#pragma once
// Fixed-width record access that never reads outside the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamikaze {

// `width` bytes of the record that starts at the 0-based `recordOffset` of
// `text`, from the record's 1-based byte `pos1`. Bytes beyond the end of the
// text read as half-width spaces, so a short or truncated file still yields a
// field of the full width.
std::string RecordField(const std::string& text, std::size_t recordOffset, int pos1, int width);

// A field as RecordField reads it, without a copy when it lies wholly inside
// the text (a view into it); a field reaching past the text's end is held
// padded with spaces. Valid while the text is unchanged.
class FieldText {
 public:
  FieldText(const std::string& text, std::size_t recordOffset, int pos1, int width);
  FieldText(FieldText&& other) noexcept;
  FieldText(const FieldText&) = delete;
  FieldText& operator=(const FieldText&) = delete;
  FieldText& operator=(FieldText&&) = delete;

  operator std::string_view() const { return view_; }
  std::string_view View() const { return view_; }

 private:
  std::string padded_;
  bool isPadded_ = false;  // view_ shows padded_
  std::string_view view_;
};

// Asks the processor to fetch bytes `pos1` (1-based) to pos1 + width - 1 of
// the record at `recordOffset` (-1: none) into its caches ahead of their
// reading; nothing outside the text is touched.
void PrefetchRecordBytes(const std::string& text, std::int64_t recordOffset, int pos1, int width);

// LenientNumber of that field, read in place when the field lies wholly inside
// the text (the converters read many thousands of them per race).
int LenientField(const std::string& text, std::size_t recordOffset, int pos1, int width);

}  // namespace tamikaze
