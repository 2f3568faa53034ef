#include "import/record_files.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <stdexcept>

#include "archive/archive_file.h"
#include "import/data_types.h"

namespace tamikaze {
namespace {

// `size` bytes to decode a member into. A season's horse file is some 250 MB:
// asking for huge pages before the buffer is first touched spares some 60,000
// page faults and as many TLB misses while it is filled and read, which cost
// seconds on some virtual machines. Without them it is an ordinary buffer.
std::string RecordBuffer(std::size_t size) {
  std::string bytes;
  bytes.reserve(size);
  constexpr std::uintptr_t kPage = 4096;
  const auto first = (reinterpret_cast<std::uintptr_t>(bytes.data()) + kPage - 1) & ~(kPage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(bytes.data()) + size) & ~(kPage - 1);
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  bytes.resize(size);
  return bytes;
}

bool MayHoldAny(const ListedMember& member, const std::vector<std::string>& names) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& name) { return MayHoldRecordFile(member, name); });
}

}  // namespace

bool MayHoldRecordFile(const ListedMember& member, const std::string& name) {
  return !member.folder && SameMemberName(member.name, name);
}

int DecodeRecordMembers(TArchiveFile& archive, const std::vector<ListedMember>& members,
                        const std::vector<std::string>& recordFiles,
                        std::vector<DecodedMember>& decoded) {
  const std::size_t first = decoded.size();
  std::vector<UnlhaMemoryMember> targets;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (!MayHoldAny(members[i], recordFiles)) continue;
    decoded.push_back({members[i].name, RecordBuffer(members[i].size)});
    targets.push_back({static_cast<std::uint32_t>(i), nullptr, members[i].size, 0});
  }
  for (std::size_t k = 0; k < targets.size(); ++k) {
    targets[k].buffer = reinterpret_cast<unsigned char*>(decoded[first + k].bytes.data());
  }
  const int result = archive.ExtractToMemory(targets);
  for (std::size_t k = 0; k < targets.size(); ++k) {
    decoded[first + k].bytes.resize(static_cast<std::size_t>(targets[k].written));
  }
  return result;
}

std::string TakeRecordFile(std::vector<DecodedMember>& decoded, const std::string& name) {
  // The extraction leaves one file per stored name, the last member's.
  std::map<std::string, DecodedMember*> left;
  for (DecodedMember& member : decoded) {
    if (SameMemberName(member.name, name)) left[member.name] = &member;
  }
  if (left.empty()) throw std::runtime_error("圧縮ファイルに " + name + " がありません。");
  const auto exact = left.find(name);
  std::string bytes = std::move((exact != left.end() ? exact : left.begin())->second->bytes);
  if (const std::size_t mark = bytes.find('\x1A'); mark != std::string::npos) bytes.resize(mark);
  return bytes;
}

}  // namespace tamikaze
