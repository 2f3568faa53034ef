#pragma once
// The one reader every function of the library reads LHA archives through.
// Each archive is read whole by one of two decoders, chosen when it is
// opened: libarchive, the faster, for archives it reads completely (methods
// lh0, lh5, lh6, lh7 and folders), else liblhasa, which reads every method
// and header level real LHA archivers write. Member names come from the
// headers' raw bytes, the same for both.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tamikaze::unlha {

enum class EntryKind { File, Folder, Link };

struct Entry {
  std::string storedName;  // CP932 as stored, "/" between folders
  bool absolute = false;   // the name starts at the file system's root
  EntryKind kind = EntryKind::File;
  std::string method;  // "-lh5-"
  std::uint64_t originalSize = 0;
  std::uint64_t compressedSize = 0;
  std::int64_t writeTime = 0;  // seconds since 1970, UTC
  bool hasCreateTime = false;
  std::int64_t createTime = 0;
  bool hasAccessTime = false;
  std::int64_t accessTime = 0;
};

// Receives each block of a member's data as it is decoded; false stops.
using DataSink = std::function<bool(const char* bytes, std::size_t size)>;

class LhaReader {
 public:
  enum class Step { Member, End, Failed };

  virtual ~LhaReader() = default;
  // The next member's header. Failed (the reason recorded as the thread's
  // last error) when a header is damaged or cannot be read.
  virtual Step Next(Entry& entry) = 0;
  // Decodes the data of the member just read into `sink`, every byte of it,
  // and verifies its size and CRC. False, with the reason recorded, when the
  // data is damaged or its method unknown; false also when `sink` stops.
  virtual bool ReadData(const DataSink& sink) = 0;
};

// Opens `path` (UTF-8); null, with the reason recorded as the thread's last
// error, when it cannot be opened or holds no LHA archive.
std::unique_ptr<LhaReader> OpenLhaReader(const char* path);

// The two decoders behind OpenLhaReader.
std::unique_ptr<LhaReader> OpenWithLibarchive(const char* path);
std::unique_ptr<LhaReader> OpenWithLhasa(const char* path);
// Whether libarchive reads every header of `path` and decodes every method.
bool LibarchiveReadsWhole(const char* path);

}  // namespace tamikaze::unlha
