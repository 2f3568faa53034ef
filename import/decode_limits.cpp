#include "import/decode_limits.h"

#include <algorithm>
#include <cstdint>

#include "text/cp932.h"

namespace tamikaze {
namespace {

std::string Quoted(const ListedMember& member) {
  return "「" + Cp932ToUtf8(member.name) + "」";
}

std::string TooLargeForRecordFile(const ListedMember& member) {
  return "圧縮ファイルの中の" + Quoted(member) + "は " + GroupedDigits(member.size) +
         " バイトあり、レコードファイルとして読み込める大きさ（" +
         GroupedDigits(kMaxRecordFileBytes) +
         " バイト）を超えています。ファイルが壊れている可能性があります。";
}

std::string TooLargeInAll(std::uint64_t total, const ListedMember& largest) {
  return "圧縮ファイルの中身は全部で " + GroupedDigits(total) + " バイトあり（いちばん大きい" +
         Quoted(largest) + "は " + GroupedDigits(largest.size) +
         " バイト）、読み込める大きさ（全部で " + GroupedDigits(kMaxImportBytes) +
         " バイト）を超えています。ファイルが壊れている可能性があります。";
}

}  // namespace

std::optional<std::string> DecodeBudget::Add(const std::vector<ListedMember>& members,
                                             const std::vector<std::string>& recordFiles) {
  for (const ListedMember& member : members) {
    for (const std::string& name : recordFiles) {
      if (MayHoldRecordFile(member, name) && member.size > kMaxRecordFileBytes) {
        return TooLargeForRecordFile(member);
      }
    }
  }
  for (const ListedMember& member : members) {
    // Declared sizes of up to 64 bits each: the sum saturates.
    total_ = member.size > UINT64_MAX - total_ ? UINT64_MAX : total_ + member.size;
  }
  if (total_ <= kMaxImportBytes) return std::nullopt;
  const auto largest = std::max_element(
      members.begin(), members.end(),
      [](const ListedMember& a, const ListedMember& b) { return a.size < b.size; });
  return TooLargeInAll(total_, *largest);
}

std::string GroupedDigits(std::uint64_t bytes) {
  std::string digits = std::to_string(bytes);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

}  // namespace tamikaze
