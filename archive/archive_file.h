#pragma once
// TArchiveFile: the archive object the program talks to. It owns one archiver
// object for the current archiver type and forwards checks, listings and
// extractions to it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_errors.h"
#include "archive/archiver_options.h"
#include "archive/individual_info.h"

namespace tamikaze {

class TArchiver;
class TArchiverDll;

constexpr int kArchiverTypeLha = 0;
constexpr int kArchiverTypeUndecided = 13;  // extension not known: type unchanged
constexpr int kArchiverTypeByContent = 14;  // ".exe": decide from the content

class TArchiveFile {
 public:
  // `libraryPath`: absolute path of libunlha32.so (UTF-8), dlopen'ed when LHA
  // is first selected.
  explicit TArchiveFile(std::string libraryPath);
  ~TArchiveFile();
  TArchiveFile(const TArchiveFile&) = delete;
  TArchiveFile& operator=(const TArchiveFile&) = delete;

  // Sets the archive path (UTF-8) and derives ArchiverType from its extension.
  void SetFileName(const std::string& fileName);
  const std::string& FileName() const { return fileName_; }

  // 0 = LHA. Other known format values raise EArchiver (not built here);
  // 13 changes nothing; values outside the known range raise EArchiver.
  void SetArchiverType(int type);
  int ArchiverType() const { return archiverType_; }

  TArchiverOptions& Options() { return options_; }

  // The libunlha32.so this object loads.
  const std::string& LibraryPath() const { return libraryPath_; }

  // Valid archive when the low 15 bits of the result are not all zero.
  int CheckArchive(int mode);
  // Returns true on failure.
  bool OpenArchive(void* ownerWindow, int mode);
  // 0 = a member was found and `info` filled; anything else ends the walk.
  int FindFirst(const std::string& wildcard, TIndividualInfo& info);
  int FindNext(TIndividualInfo& info);
  void CloseArchive();
  // Why this thread's last CheckArchive, OpenArchive or ExtractFiles failed:
  // the library's error code (0 when it did not fail or cannot tell) and the
  // decoder's words in `reason`.
  int LastError(std::string& reason);
  // Asks this thread's later checks, listings and extractions to stop as soon
  // as `stop(context)` returns non-zero (polled before each member and each
  // block of decoded output); they then fail with UNLHA_ERROR_USER_CANCEL.
  // Null clears it. False when the library cannot be told.
  bool SetStopCallback(UnlhaStopFn stop, void* context);
  // Decodes the archive once, verifying it as CheckArchive(2) does, with the
  // members named in `members` (by their position in the listing) decoded
  // into their buffers, the others dropped. 0, or the library's error code
  // (LastError says why).
  int ExtractToMemory(std::vector<UnlhaMemoryMember>& members);
  // Extracts into `destFolder` (UTF-8; a trailing "/" is ensured). The
  // archive and the folder are passed as absolute paths, so that a relative
  // one beginning with "-" is not taken for a switch. `options`
  // may be null (then Options() is used). A null entry of `fileList` adds
  // nothing, so {nullptr} extracts every member. Returns the library's code.
  int ExtractFiles(void* ownerWindow, const TArchiverOptions* options,
                   const std::string& destFolder, const std::vector<const char*>& fileList);

  // The library's text output of the last command: a buffer of `size` bytes
  // is passed when size > 0 (0 by default: no buffer).
  void SetOutputSize(std::size_t size) { outputSize_ = size; }
  const std::string& Output() const { return output_; }

 private:
  TArchiver& Archiver();
  void SelectLha();

  std::string libraryPath_;
  std::string fileName_;
  int archiverType_ = kArchiverTypeLha;
  TArchiverOptions options_;
  std::unique_ptr<TArchiver> archiver_;
  std::shared_ptr<TArchiverDll> lhaDll_;  // loaded at the first selection of LHA, then kept
  std::size_t outputSize_ = 0;
  std::string output_;
  std::uintptr_t handle_ = 0;
};

}  // namespace tamikaze
