// Arbitrary archive bytes through libunlha32's check, listing, extraction into
// memory and extraction into a folder, read by one decoder
// (fuzz_unlha32_libarchive, fuzz_unlha32_lhasa: the library's sources built
// with the choice fixed). A refusal is a normal outcome; a crash, a sanitizer
// report, an extraction into memory that answers otherwise than the check or
// writes past a buffer, an archive the check passes that then fails to
// extract, or a file written outside the destination is a fault.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/unlha32/unlha32.h"

namespace {

namespace fs = std::filesystem;

// A folder of this process's own, on tmpfs when there is one; made for each
// input and removed after it (libFuzzer may end the process without exit
// handlers).
fs::path Work() {
  static const fs::path work =
      (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
      ("unlha32-fuzz-" + std::to_string(getpid()));
  return work;
}

void Fault(const char* what) {
  std::fprintf(stderr, "fault: %s\n", what);
  std::abort();
}

// The members' sizes, as the listing declares them.
std::vector<std::uint64_t> List(const std::string& archive) {
  std::vector<std::uint64_t> sizes;
  HARC harc = UnlhaOpenArchive(nullptr, archive.c_str(), 0);
  if (harc == nullptr) return sizes;
  UnlhaIndividualInfo info;
  std::uint64_t value = 0;
  for (int r = UnlhaFindFirst(harc, "*.*", &info); r == 0; r = UnlhaFindNext(harc, &info)) {
    UnlhaGetWriteTimeEx(harc, &value);
    UnlhaGetCompressedSizeEx(harc, &value);
    sizes.push_back(UnlhaGetOriginalSizeEx(harc, &value) ? value : 0);
  }
  UnlhaCloseArchive(harc);
  return sizes;
}

// Every member of up to 1 MiB decoded into memory, in one pass that must give
// the check's answer.
bool DecodedIntoMemory(const std::string& archive, const std::vector<std::uint64_t>& sizes) {
  std::vector<std::vector<unsigned char>> buffers;
  std::vector<UnlhaMemoryMember> members;
  for (std::uint32_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] > (1u << 20)) continue;
    buffers.emplace_back(sizes[i]);
    members.push_back({i, buffers.back().data(), sizes[i], 0});
  }
  const int result = UnlhaExtractMem64(nullptr, archive.c_str(), members.data(),
                                       static_cast<std::uint32_t>(members.size()));
  for (const UnlhaMemoryMember& m : members) {
    if (m.written > m.size) Fault("decoded past a member's buffer");
  }
  return result == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path archive = Work() / "a.lzh", sandbox = Work() / "sandbox";
  fs::create_directories(Work());
  std::ofstream(archive, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const bool sound = UnlhaCheckArchive(archive.c_str(), 2) != 0;
  const std::vector<std::uint64_t> sizes = List(archive.string());
  if (DecodedIntoMemory(archive.string(), sizes) != sound) {
    Fault("decoding into memory disagrees with the check");
  }
  fs::create_directories(sandbox / "dest");
  const std::string command = "x -+ -n1 -x1 -jse1 -jso1  \"" + archive.string() + "\" \"" +
                              (sandbox / "dest").string() + "/\"";
  char output[1024];
  const int extracted = Unlha(nullptr, command.c_str(), output, sizeof output);
  if (sound && extracted != 0) Fault("the check passed, the extraction failed");
  for (const auto& e : fs::directory_iterator(sandbox))
    if (e.path().filename() != "dest") Fault("written outside the destination");
  fs::remove_all(Work());
  return 0;
}
