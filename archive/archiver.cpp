#include "archive/archiver.h"

#include <cstring>
#include <fstream>
#include <utility>

#include "archive/archive_errors.h"
#include "archive/command_line_builder.h"

namespace tamikaze {
namespace {

void RefuseQuote(const std::string& item) {
  if (item.find('"') != std::string::npos) throw EArchiver(kMsgQuoteInPath);
}

std::vector<std::string> Names(const TArchiverOptions& options,
                               const std::vector<const char*>& fileList) {
  std::vector<std::string> names;
  for (const char* entry : fileList)
    if (entry != nullptr && *entry != '\0') names.emplace_back(entry);
  for (const std::string& entry : options.UserFileList)
    if (!entry.empty()) names.push_back(entry);
  return names;
}

// The names written into the response file, one a line, as "@file".
std::string ResponseFileItem(const std::string& path, const std::vector<std::string>& names) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& name : names) out << name << "\r\n";
  if (!out) throw EArchiver(path + " に書き込めません。");
  return " " + Quoted("@" + path);
}

HARC ToHarc(std::uintptr_t handle) {
  return reinterpret_cast<HARC>(handle);
}

}  // namespace

TArchiver::TArchiver(std::shared_ptr<TArchiverDll> dll) : dll_(std::move(dll)) {}

std::string TArchiver::CommandName(TArchiverCommand) const {
  throw EArchiver(kMsgNotSupported);
}

void TArchiver::CheckOptions(TArchiverCommand, const TArchiverOptions&) const {}

std::string TArchiver::CommandLine(TArchiverCommand command, const TArchiverOptions& options,
                                   const std::string& archive, const std::string& folder,
                                   const std::vector<const char*>& fileList) const {
  CheckOptions(command, options);
  RefuseQuote(archive);
  RefuseQuote(folder);
  std::string line = CommandName(command) + " -+" + OptionSwitches(options) + " " +
                     options.UserOptions + " " + Quoted(archive) + " " +
                     Quoted(WithTrailingSlash(folder));
  const std::vector<std::string> names = Names(options, fileList);
  if (!options.ResFileName.empty() && (options.ResFileUsage & kResFileForFileList) &&
      !names.empty())
    return line + ResponseFileItem(options.ResFileName, names);
  for (const std::string& name : names) {
    RefuseQuote(name);
    line += " " + (name.find(' ') == std::string::npos ? name : Quoted(name));
  }
  return line;
}

int TArchiver::Command(void* ownerWindow, const std::string& commandLine, std::string& output) {
  const int result = dll_->Command(ownerWindow, commandLine, output.empty() ? nullptr : &output[0],
                                   static_cast<std::uint32_t>(output.size()));
  if (!output.empty()) output.resize(strnlen(output.data(), output.size()));
  return result;
}

int TArchiver::CheckArchive(const std::string& fileName, int mode) {
  return dll_->CheckArchive(fileName, mode);
}

std::uintptr_t TArchiver::OpenArchive(void* ownerWindow, const std::string& fileName, int mode) {
  return reinterpret_cast<std::uintptr_t>(
      dll_->OpenArchive(ownerWindow, fileName, static_cast<std::uint32_t>(mode)));
}

int TArchiver::CloseArchive(std::uintptr_t handle) {
  return dll_->CloseArchive(ToHarc(handle));
}

int TArchiver::FindFirst(std::uintptr_t handle, const std::string& wildcard,
                         TIndividualInfo& info) {
  UnlhaIndividualInfo found{};
  const int result = dll_->FindFirst(ToHarc(handle), wildcard, found);
  if (result == 0) FillExtended(ToHarc(handle), found, info);
  return result;
}

int TArchiver::FindNext(std::uintptr_t handle, TIndividualInfo& info) {
  UnlhaIndividualInfo found{};
  const int result = dll_->FindNext(ToHarc(handle), found);
  if (result == 0) FillExtended(ToHarc(handle), found, info);
  return result;
}

// The library's record, then times and 64-bit sizes from whichever optional
// functions the library has (else the record's 32-bit sizes). The record is
// packed and its 64-bit fields unaligned, so the library writes into an
// aligned local that is then copied in.
void TArchiver::FillExtended(HARC archive, const UnlhaIndividualInfo& found,
                             TIndividualInfo& info) {
  info = TIndividualInfo{};
  std::memcpy(static_cast<void*>(&info), &found, sizeof found);
  std::uint64_t value = 0;
  if (dll_->GetWriteTimeEx(archive, value)) info.ftLastWriteTime = value;
  if (dll_->GetCreateTimeEx(archive, value)) info.ftCreationTime = value;
  if (dll_->GetAccessTimeEx(archive, value)) info.ftLastAccessTime = value;
  info.llOriginalSize =
      dll_->GetOriginalSizeEx(archive, value) ? value : std::uint64_t{found.dwOriginalSize};
  info.llCompressedSize =
      dll_->GetCompressedSizeEx(archive, value) ? value : std::uint64_t{found.dwCompressedSize};
}

std::shared_ptr<TArchiverDll> TLha32::MakeDll(const std::string& libraryPath) {
  return std::make_shared<TArchiverDll>(libraryPath, kLibraryName, kPrefix, kFormatDescription);
}

TLha32::TLha32(std::shared_ptr<TArchiverDll> dll) : TArchiver(std::move(dll)) {
  Dll().Load();
}

std::string TLha32::CommandName(TArchiverCommand command) const {
  switch (command) {
    case TArchiverCommand::Extract:
      return "x";
    case TArchiverCommand::Update:
      return "u";
    case TArchiverCommand::Delete:
      return "d";
    case TArchiverCommand::Freshen:
      return "f";
    case TArchiverCommand::MakeSfx:
      return "s";
  }
  return TArchiver::CommandName(command);
}

void TLha32::CheckOptions(TArchiverCommand command, const TArchiverOptions& options) const {
  if (options.jso < 0) throw EArchiver(kMsgJsoNotSet);
  if (command == TArchiverCommand::Extract && options.jse < 0) throw EArchiver(kMsgJseNotSet);
}

}  // namespace tamikaze
