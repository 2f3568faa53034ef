// UnlhaExtractMem64: the archive decoded once, as the full check decodes it,
// with the members the caller names decoded into the caller's buffers.

#include <cstring>
#include <vector>

#include "archive/unlha32/archive_pass.h"
#include "archive/unlha32/last_error.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

// Copies a member's blocks into its buffer, never past its end.
DataSink IntoBuffer(UnlhaMemoryMember& member) {
  return [&member](const char* bytes, std::size_t size) {
    if (size > member.size - member.written) {
      SetLastError(UNLHA_ERROR_FILE_CRC, "データがバッファに収まりません");
      return false;
    }
    std::memcpy(member.buffer + member.written, bytes, size);
    member.written += size;
    return true;
  };
}

int ExtractToMemory(const char* fileName, UnlhaMemoryMember* members, std::uint32_t count) {
  ClearLastError();
  std::vector<DataSink> sinks;
  sinks.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    members[i].written = 0;
    sinks.push_back(IntoBuffer(members[i]));
  }
  const SinkFor sinkFor = [&](std::uint32_t index) -> const DataSink* {
    for (std::uint32_t i = 0; i < count; ++i) {
      if (members[i].index == index) return &sinks[i];
    }
    return nullptr;
  };
  const std::unique_ptr<LhaReader> reader = OpenLhaReader(fileName);
  if (reader && PassOverArchive(*reader, UNLHA_CHECK_FULL, sinkFor)) return 0;
  return LastErrorCode() != 0 ? LastErrorCode() : UNLHA_ERROR_NOT_ARC_FILE;
}

}  // namespace
}  // namespace tamikaze::unlha

extern "C" int UnlhaExtractMem64(void* /*ownerWindow*/, const char* fileName,
                                 UnlhaMemoryMember* members, uint32_t count) {
  using namespace tamikaze::unlha;
  if (fileName == nullptr || (members == nullptr && count > 0)) return UNLHA_ERROR_COMMAND_LINE;
  return Guarded([&] { return ExtractToMemory(fileName, members, count); },
                 int{UNLHA_ERROR_ENOUGH_MEMORY});
}
