#include "archive/archiver_dll.h"

#include <dlfcn.h>

#include <utility>

#include "archive/archive_errors.h"

namespace tamikaze {
namespace {

constexpr const char* kSuffixes[] = {
    "",
    "CheckArchive",
    "OpenArchive",
    "CloseArchive",
    "FindFirst",
    "FindNext",
    "GetWriteTimeEx",
    "GetCreateTimeEx",
    "GetAccessTimeEx",
    "GetOriginalSizeEx",
    "GetCompressedSizeEx",
    "GetLastError",
    "SetStopCallback",
    "ExtractMem64",
};
static_assert(std::size(kSuffixes) == static_cast<std::size_t>(TArchiverFunction::Count));

}  // namespace

TCustomArchiverDll::TCustomArchiverDll(std::string libraryPath, std::string libraryName,
                                       std::string prefix, std::string formatDescription)
    : libraryPath_(std::move(libraryPath)),
      libraryName_(std::move(libraryName)),
      prefix_(std::move(prefix)),
      formatDescription_(std::move(formatDescription)) {}

TCustomArchiverDll::~TCustomArchiverDll() {
  if (module_ != nullptr) dlclose(module_);
}

void TCustomArchiverDll::Load() {
  if (module_ != nullptr) return;
  // Only a path: a bare name would make dlopen search the system folders.
  if (libraryPath_.find('/') != std::string::npos)
    module_ = dlopen(libraryPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module_ == nullptr) throw ENoArchiverDLL(formatDescription_, libraryName_);
}

std::string TCustomArchiverDll::FunctionName(TArchiverFunction function) const {
  return prefix_ + kSuffixes[static_cast<std::size_t>(function)];
}

void* TCustomArchiverDll::Entry(TArchiverFunction function, bool required) {
  Load();
  Slot& slot = slots_[static_cast<std::size_t>(function)];
  if (!slot.lookedUp) {
    slot.address = dlsym(module_, FunctionName(function).c_str());
    slot.lookedUp = true;
  }
  if (slot.address == nullptr && required)
    throw EEntryNotFound(libraryPath_, FunctionName(function));
  return slot.address;
}

int TArchiverDll::Command(void* ownerWindow, const std::string& commandLine, char* output,
                          std::uint32_t size) {
  return Required<UnlhaCommandFn>(TArchiverFunction::Command)(ownerWindow, commandLine.c_str(),
                                                              output, size);
}

int TArchiverDll::CheckArchive(const std::string& fileName, int mode) {
  return Required<UnlhaCheckArchiveFn>(TArchiverFunction::CheckArchive)(fileName.c_str(), mode);
}

HARC TArchiverDll::OpenArchive(void* ownerWindow, const std::string& fileName, std::uint32_t mode) {
  return Required<UnlhaOpenArchiveFn>(TArchiverFunction::OpenArchive)(ownerWindow, fileName.c_str(),
                                                                      mode);
}

int TArchiverDll::CloseArchive(HARC archive) {
  return Required<UnlhaCloseArchiveFn>(TArchiverFunction::CloseArchive)(archive);
}

int TArchiverDll::FindFirst(HARC archive, const std::string& wildcard, UnlhaIndividualInfo& info) {
  return Required<UnlhaFindFirstFn>(TArchiverFunction::FindFirst)(archive, wildcard.c_str(), &info);
}

int TArchiverDll::FindNext(HARC archive, UnlhaIndividualInfo& info) {
  return Required<UnlhaFindNextFn>(TArchiverFunction::FindNext)(archive, &info);
}

bool TArchiverDll::Optional64(TArchiverFunction function, HARC archive, std::uint64_t& out) {
  auto fn = reinterpret_cast<UnlhaGetSizeFn>(Entry(function, false));
  return fn != nullptr && fn(archive, &out) != 0;
}

bool TArchiverDll::GetWriteTimeEx(HARC archive, std::uint64_t& fileTime) {
  return Optional64(TArchiverFunction::GetWriteTimeEx, archive, fileTime);
}

bool TArchiverDll::GetCreateTimeEx(HARC archive, std::uint64_t& fileTime) {
  return Optional64(TArchiverFunction::GetCreateTimeEx, archive, fileTime);
}

bool TArchiverDll::GetAccessTimeEx(HARC archive, std::uint64_t& fileTime) {
  return Optional64(TArchiverFunction::GetAccessTimeEx, archive, fileTime);
}

bool TArchiverDll::GetOriginalSizeEx(HARC archive, std::uint64_t& size) {
  return Optional64(TArchiverFunction::GetOriginalSizeEx, archive, size);
}

bool TArchiverDll::GetCompressedSizeEx(HARC archive, std::uint64_t& size) {
  return Optional64(TArchiverFunction::GetCompressedSizeEx, archive, size);
}

int TArchiverDll::GetLastError(std::string& reason) {
  reason.clear();
  auto fn = reinterpret_cast<UnlhaGetLastErrorFn>(Entry(TArchiverFunction::GetLastError, false));
  if (fn == nullptr) return 0;
  char text[1024] = {};
  const int code = fn(text, sizeof text);
  reason = text;
  return code;
}

int TArchiverDll::ExtractMem64(void* ownerWindow, const std::string& fileName,
                               UnlhaMemoryMember* members, std::uint32_t count) {
  return Required<UnlhaExtractMem64Fn>(TArchiverFunction::ExtractMem64)(
      ownerWindow, fileName.c_str(), members, count);
}

bool TArchiverDll::SetStopCallback(UnlhaStopFn stop, void* context) {
  auto fn =
      reinterpret_cast<UnlhaSetStopCallbackFn>(Entry(TArchiverFunction::SetStopCallback, false));
  if (fn == nullptr) return false;
  fn(stop, context);
  return true;
}

}  // namespace tamikaze
