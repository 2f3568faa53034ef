#include "archive/archive_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "archive/archiver.h"

namespace tamikaze {
namespace {

// The family's other formats, selected by name but not built here.
constexpr int kFirstOtherType = 1;
constexpr int kLastOtherType = 12;

struct ExtensionType {
  const char* extension;
  int type;
};

constexpr ExtensionType kExtensionTypes[] = {
    {".lzh", kArchiverTypeLha},
    {".exe", kArchiverTypeByContent},
    {".zip", 1},
    {".cab", 2},
    {".arj", 3},
    {".tar", 4},
    {".tgz", 4},
    {".gz", 4},
    {".bz2", 4},
    {".rar", 5},
    {".bga", 6},
    {".gza", 6},
    {".gzb", 6},
    {".yz1", 7},
    {".7z", 8},
};

// The command line takes every item after the command that begins with "-"
// for a switch, quoted or not; an absolute path never begins so.
std::string Absolute(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return path.empty() || ec ? path : absolute.string();
}

std::string LowerExtension(const std::string& fileName) {
  std::string ext = std::filesystem::path(fileName).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

}  // namespace

TArchiveFile::TArchiveFile(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

TArchiveFile::~TArchiveFile() {
  try {
    CloseArchive();
  } catch (...) {
  }
}

void TArchiveFile::SetFileName(const std::string& fileName) {
  fileName_ = fileName;
  const std::string ext = LowerExtension(fileName);
  for (const ExtensionType& known : kExtensionTypes)
    if (ext == known.extension) return SetArchiverType(known.type);
  SetArchiverType(kArchiverTypeUndecided);
}

void TArchiveFile::SetArchiverType(int type) {
  if (type == kArchiverTypeUndecided) return;
  if (type >= kFirstOtherType && type <= kLastOtherType) throw EArchiver(kMsgTypeNotBuilt);
  if (type != kArchiverTypeLha && type != kArchiverTypeByContent) throw EArchiver(kMsgTypeUnknown);
  CloseArchive();
  archiver_.reset();
  archiverType_ = type;
  if (type == kArchiverTypeLha) SelectLha();
}

void TArchiveFile::SelectLha() {
  if (!lhaDll_) lhaDll_ = TLha32::MakeDll(libraryPath_);
  archiver_ = std::make_unique<TLha32>(lhaDll_);
  archiverType_ = kArchiverTypeLha;
}

// Type 14 is decided here: the one format built is LHA, so the archive must
// read as one.
TArchiver& TArchiveFile::Archiver() {
  if (!archiver_ && archiverType_ == kArchiverTypeByContent) {
    SelectLha();
    if ((archiver_->CheckArchive(fileName_, 0) & 0x7FFF) == 0) {
      archiver_.reset();
      archiverType_ = kArchiverTypeByContent;
      throw EArchiver(kMsgTypeUnknown);
    }
  }
  if (!archiver_) throw EArchiver(kMsgNoArchiver);
  return *archiver_;
}

int TArchiveFile::CheckArchive(int mode) {
  return Archiver().CheckArchive(fileName_, mode);
}

bool TArchiveFile::OpenArchive(void* ownerWindow, int mode) {
  TArchiver& archiver = Archiver();
  CloseArchive();
  handle_ = archiver.OpenArchive(ownerWindow, fileName_, mode);
  return handle_ == 0;
}

int TArchiveFile::FindFirst(const std::string& wildcard, TIndividualInfo& info) {
  return Archiver().FindFirst(handle_, wildcard, info);
}

int TArchiveFile::FindNext(TIndividualInfo& info) {
  return Archiver().FindNext(handle_, info);
}

void TArchiveFile::CloseArchive() {
  if (handle_ == 0) return;
  const std::uintptr_t handle = std::exchange(handle_, 0);
  if (archiver_) archiver_->CloseArchive(handle);
}

int TArchiveFile::LastError(std::string& reason) {
  return Archiver().Dll().GetLastError(reason);
}

int TArchiveFile::ExtractToMemory(std::vector<UnlhaMemoryMember>& members) {
  return Archiver().Dll().ExtractMem64(nullptr, fileName_, members.data(),
                                       static_cast<std::uint32_t>(members.size()));
}

bool TArchiveFile::SetStopCallback(UnlhaStopFn stop, void* context) {
  return Archiver().Dll().SetStopCallback(stop, context);
}

int TArchiveFile::ExtractFiles(void* ownerWindow, const TArchiverOptions* options,
                               const std::string& destFolder,
                               const std::vector<const char*>& fileList) {
  TArchiver& archiver = Archiver();
  const TArchiverOptions& used = options != nullptr ? *options : options_;
  const std::string line = archiver.CommandLine(
      TArchiverCommand::Extract, used, Absolute(fileName_), Absolute(destFolder), fileList);
  output_.assign(outputSize_, '\0');
  // Named data streams do not exist here: nothing to merge afterwards.
  return archiver.Command(ownerWindow, line, output_);
}

}  // namespace tamikaze
