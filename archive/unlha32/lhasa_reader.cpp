// The liblhasa decoder behind LhaReader: every method and header level real
// LHA archivers write (lh0 to lh7, lzs, lz4, lz5, pm0 to pm2; levels 0 to 3,
// self-extracting archives). liblhasa keeps no lazily filled tables (its
// CRC table is initialised data), so readers on several threads need no
// first use on one thread.
//
// liblhasa ends the member list at the first header it cannot read, as at
// the end of the archive; where the members should end is counted here from
// each header's length and data size, so that a damaged header, or trailing
// bytes that are no end mark, are reported instead of passing as the end.

#include <fcntl.h>
#include <lhasa.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "archive/unlha32/header_fields.h"
#include "archive/unlha32/last_error.h"
#include "archive/unlha32/member_output.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/stop.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

constexpr std::size_t kLeadingBytes = 1 << 20;  // where the first header is looked for
constexpr std::uint64_t kFileTimeOf1970 = 116444736000000000ULL;

std::uint16_t Crc16(std::uint16_t crc, const unsigned char* p, std::size_t n) {
  static constexpr auto kTable = [] {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
      unsigned c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
      table[i] = static_cast<std::uint16_t>(c);
    }
    return table;
  }();
  for (std::size_t i = 0; i < n; ++i) crc = (crc >> 8) ^ kTable[(crc ^ p[i]) & 0xFF];
  return crc;
}

std::int64_t UnixTime(std::uint64_t fileTime) {
  return static_cast<std::int64_t>((fileTime - kFileTimeOf1970) / 10000000ULL);
}

EntryKind KindOf(const LHAFileHeader& h) {
  if (h.symlink_target != nullptr) return EntryKind::Link;
  if (LHA_FILE_HAVE_EXTRA(&h, LHA_FILE_UNIX_PERMS) && (h.unix_perms & 0170000) == 0120000)
    return EntryKind::Link;
  return std::strcmp(h.compress_method, LHA_COMPRESS_TYPE_DIR) == 0 ? EntryKind::Folder
                                                                    : EntryKind::File;
}

void FillTimes(const LHAFileHeader& h, Entry& entry) {
  entry.writeTime = h.timestamp;
  if (!LHA_FILE_HAVE_EXTRA(&h, LHA_FILE_WINDOWS_TIMESTAMPS)) return;
  if (h.win_modification_time > kFileTimeOf1970)
    entry.writeTime = UnixTime(h.win_modification_time);
  entry.hasCreateTime = h.win_creation_time > kFileTimeOf1970;
  entry.createTime = entry.hasCreateTime ? UnixTime(h.win_creation_time) : 0;
  entry.hasAccessTime = h.win_access_time > kFileTimeOf1970;
  entry.accessTime = entry.hasAccessTime ? UnixTime(h.win_access_time) : 0;
}

class LhasaReader : public LhaReader {
 public:
  // `file` is liblhasa's; `fd`, the same file opened again, is for looking
  // at header bytes without moving liblhasa's position.
  LhasaReader(std::FILE* file, int fd) : file_(file), fd_(fd) {
    stream_ = lha_input_stream_from_FILE(file_);
    reader_ = stream_ ? lha_reader_new(stream_) : nullptr;
    if (reader_) lha_reader_set_dir_policy(reader_, LHA_READER_DIR_PLAIN);
  }
  ~LhasaReader() override {
    if (reader_) lha_reader_free(reader_);
    if (stream_) lha_input_stream_free(stream_);
    std::fclose(file_);
    close(fd_);
  }
  LhasaReader(const LhasaReader&) = delete;
  LhasaReader& operator=(const LhasaReader&) = delete;

  bool Opened() const { return reader_ != nullptr; }

  Step Next(Entry& entry) override {
    if (StopRequested()) return Step::Failed;
    header_ = lha_reader_next_file(reader_);
    if (header_ == nullptr) return Ended();
    if (members_++ == 0 && !FindFirstHeader()) return Failed(UNLHA_ERROR_HEADER_BROKEN, "header");
    const HeaderFields fields = ReadHeaderFields(header_->raw_data, header_->raw_data_len);
    if (!fields.valid) return Failed(UNLHA_ERROR_HEADER_BROKEN, "a header without a name");
    entry = Entry{};
    entry.storedName = fields.name;
    entry.absolute = fields.absolute;
    entry.kind = KindOf(*header_);
    entry.method = header_->compress_method;
    // liblhasa reads the 32-bit sizes only: a member of more than 4 GiB has
    // its true sizes in the extended header 0x42.
    entry.originalSize = fields.hasSize64 ? fields.originalSize64 : header_->length;
    entry.compressedSize = fields.hasSize64 ? fields.compressedSize64 : header_->compressed_length;
    FillTimes(*header_, entry);
    end_ += header_->raw_data_len + entry.compressedSize;
    declared_ = entry.originalSize;
    return Step::Member;
  }

  bool ReadData(const DataSink& sink) override {
    if (header_ == nullptr || KindOf(*header_) != EntryKind::File) return true;
    if (lha_decoder_for_name(header_->compress_method) == nullptr) {
      SetLastError(UNLHA_ERROR_METHOD, header_->compress_method);
      return false;
    }
    std::vector<unsigned char> block(64 * 1024);
    MemberOutput out(sink, declared_, header_->compress_method);
    std::uint16_t crc = 0;
    for (;;) {
      const std::size_t n = lha_reader_read(reader_, block.data(), block.size());
      if (n == 0) break;
      crc = Crc16(crc, block.data(), n);
      if (!out.Block(block.data(), n)) return false;
    }
    if (!out.Finish()) return false;
    if (crc != header_->crc) return Damaged("CRC error");
    return true;
  }

 private:
  Step Failed(int code, const std::string& reason) {
    SetLastError(code, reason);
    return Step::Failed;
  }
  bool Damaged(const std::string& reason) {
    SetLastError(UNLHA_ERROR_FILE_CRC, std::string(header_->compress_method) + " data: " + reason);
    return false;
  }

  // Where the first header lies (after the program of a self-extracting
  // archive): found by its bytes among the file's leading bytes.
  bool FindFirstHeader() {
    std::vector<unsigned char> leading(kLeadingBytes);
    const std::size_t n = ReadAt(0, leading.data(), leading.size());
    const std::size_t key = std::min<std::size_t>(header_->raw_data_len, 24);
    const auto found = std::search(leading.begin(), leading.begin() + n, header_->raw_data,
                                   header_->raw_data + key);
    if (found == leading.begin() + n) return false;
    end_ = static_cast<std::uint64_t>(found - leading.begin());
    return true;
  }

  // No further header: the end mark (a 0 byte) or the end of the file stand
  // where the members end, else the header there is damaged or of a level
  // no decoder knows.
  Step Ended() {
    struct stat st {};
    const bool cut = fstat(fd_, &st) != 0 || end_ > static_cast<std::uint64_t>(st.st_size);
    // The bytes there, at most as many as the file still holds.
    unsigned char h[24] = {};
    const std::size_t want =
        cut ? 0 : std::min<std::uint64_t>(sizeof h, static_cast<std::uint64_t>(st.st_size) - end_);
    const ssize_t got = pread(fd_, h, want, static_cast<off_t>(end_));
    const std::size_t n = got > 0 ? static_cast<std::size_t>(got) : 0;
    if (n > 20 && h[2] == '-' && h[6] == '-' && h[20] > 3) {
      char level[24];
      std::snprintf(level, sizeof level, "level %u header", static_cast<unsigned>(h[20]));
      return Failed(UNLHA_ERROR_UNKNOWN_TYPE, level);
    }
    if (members_ == 0) return Failed(UNLHA_ERROR_NOT_ARC_FILE, "no LHA header found");
    if (cut) return Failed(UNLHA_ERROR_HEADER_BROKEN, "the archive is cut short");
    if (n == 0 || h[0] == 0) return Step::End;
    return Failed(UNLHA_ERROR_HEADER_BROKEN,
                  "damaged header at byte " + std::to_string(end_) + " of the archive");
  }

  std::size_t ReadAt(std::uint64_t pos, unsigned char* out, std::size_t size) {
    const ssize_t n = pread(fd_, out, size, static_cast<off_t>(pos));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
  }

  std::FILE* file_;
  int fd_;
  LHAInputStream* stream_ = nullptr;
  LHAReader* reader_ = nullptr;
  LHAFileHeader* header_ = nullptr;
  int members_ = 0;
  std::uint64_t end_ = 0;       // where the members read so far end
  std::uint64_t declared_ = 0;  // the member's original size as its header declares it
};

}  // namespace

std::unique_ptr<LhaReader> OpenWithLhasa(const char* path) {
  std::FILE* file = std::fopen(path, "rbe");
  const int fd = file ? open(path, O_RDONLY | O_CLOEXEC) : -1;
  if (fd < 0) {
    SetLastError(UNLHA_ERROR_ARC_FILE_OPEN, std::strerror(errno));
    if (file) std::fclose(file);
    return nullptr;
  }
  auto reader = std::make_unique<LhasaReader>(file, fd);
  if (reader->Opened()) return reader;
  SetLastError(UNLHA_ERROR_ARC_FILE_OPEN, "cannot read the archive");
  return nullptr;
}

}  // namespace tamikaze::unlha
