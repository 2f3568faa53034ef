#pragma once
// The archiver library loader: loads one shared library of the common
// archiver interface by its absolute path and binds its functions by name,
// the prefix ("Unlha") followed by the function's suffix. Each address is
// looked up the first time the function is called and then kept.

#include <array>
#include <cstdint>
#include <string>

#include "archive/unlha32/unlha32.h"

namespace tamikaze {

enum class TArchiverFunction {
  Command,  // the prefix alone
  CheckArchive,
  OpenArchive,
  CloseArchive,
  FindFirst,
  FindNext,
  GetWriteTimeEx,
  GetCreateTimeEx,
  GetAccessTimeEx,
  GetOriginalSizeEx,
  GetCompressedSizeEx,
  GetLastError,
  SetStopCallback,
  ExtractMem64,
  Count
};

class TCustomArchiverDll {
 public:
  // `libraryPath`: absolute path to dlopen; `libraryName`: how messages name
  // the library ("libunlha32.so").
  TCustomArchiverDll(std::string libraryPath, std::string libraryName, std::string prefix,
                     std::string formatDescription);
  virtual ~TCustomArchiverDll();
  TCustomArchiverDll(const TCustomArchiverDll&) = delete;
  TCustomArchiverDll& operator=(const TCustomArchiverDll&) = delete;

  // Loads the library unless loaded; ENoArchiverDLL when it cannot be.
  void Load();
  bool Loaded() const { return module_ != nullptr; }
  const std::string& LibraryPath() const { return libraryPath_; }
  const std::string& Prefix() const { return prefix_; }
  const std::string& FormatDescription() const { return formatDescription_; }

  // The bound name of `function`, e.g. "UnlhaCheckArchive".
  std::string FunctionName(TArchiverFunction function) const;

 protected:
  // The address of `function`: EEntryNotFound when missing and `required`,
  // else null when missing.
  void* Entry(TArchiverFunction function, bool required);

 private:
  struct Slot {
    bool lookedUp = false;
    void* address = nullptr;
  };

  std::string libraryPath_;
  std::string libraryName_;
  std::string prefix_;
  std::string formatDescription_;
  void* module_ = nullptr;
  std::array<Slot, static_cast<std::size_t>(TArchiverFunction::Count)> slots_;
};

// The typed calls of the interface.
class TArchiverDll : public TCustomArchiverDll {
 public:
  using TCustomArchiverDll::TCustomArchiverDll;

  int Command(void* ownerWindow, const std::string& commandLine, char* output, std::uint32_t size);
  int CheckArchive(const std::string& fileName, int mode);
  HARC OpenArchive(void* ownerWindow, const std::string& fileName, std::uint32_t mode);
  int CloseArchive(HARC archive);
  int FindFirst(HARC archive, const std::string& wildcard, UnlhaIndividualInfo& info);
  int FindNext(HARC archive, UnlhaIndividualInfo& info);
  // Optional functions: false when the library lacks them or knows nothing.
  bool GetWriteTimeEx(HARC archive, std::uint64_t& fileTime);
  bool GetCreateTimeEx(HARC archive, std::uint64_t& fileTime);
  bool GetAccessTimeEx(HARC archive, std::uint64_t& fileTime);
  bool GetOriginalSizeEx(HARC archive, std::uint64_t& size);
  bool GetCompressedSizeEx(HARC archive, std::uint64_t& size);
  // Why this thread's last check, opening or command failed: the library's
  // error code and its words in `reason`; 0 when it succeeded or the library
  // cannot tell.
  int GetLastError(std::string& reason);
  // Asks the calling thread's later calls to stop when `stop(context)` says
  // so (null clears it); false when the library cannot be told.
  bool SetStopCallback(UnlhaStopFn stop, void* context);
  // Decodes `fileName` once, with the members named in `members` into their
  // buffers (UnlhaExtractMem64; EEntryNotFound when the library lacks it).
  int ExtractMem64(void* ownerWindow, const std::string& fileName, UnlhaMemoryMember* members,
                   std::uint32_t count);

 private:
  template <typename Fn>
  Fn Required(TArchiverFunction function) {
    return reinterpret_cast<Fn>(Entry(function, true));
  }
  bool Optional64(TArchiverFunction function, HARC archive, std::uint64_t& out);
};

}  // namespace tamikaze
