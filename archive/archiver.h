#pragma once
// TArchiver: the base of the per-format bindings. It builds the command lines
// from the options and forwards checks and listings to its library object.
// A command the format does not offer raises EArchiver.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archiver_dll.h"
#include "archive/archiver_options.h"
#include "archive/individual_info.h"

namespace tamikaze {

enum class TArchiverCommand { Extract, Update, Delete, Freshen, MakeSfx };

class TArchiver {
 public:
  explicit TArchiver(std::shared_ptr<TArchiverDll> dll);
  virtual ~TArchiver() = default;

  TArchiverDll& Dll() { return *dll_; }

  // The command string: the command's letter, "-+", every set option in
  // order, UserOptions, the quoted archive, the quoted folder (a trailing "/"
  // ensured), then the names (null entries add nothing). EArchiver when a
  // path holds a double quote or the format checks of the options fail.
  std::string CommandLine(TArchiverCommand command, const TArchiverOptions& options,
                          const std::string& archive, const std::string& folder,
                          const std::vector<const char*>& fileList) const;

  int Command(void* ownerWindow, const std::string& commandLine, std::string& output);
  int CheckArchive(const std::string& fileName, int mode);
  std::uintptr_t OpenArchive(void* ownerWindow, const std::string& fileName, int mode);
  int CloseArchive(std::uintptr_t handle);
  int FindFirst(std::uintptr_t handle, const std::string& wildcard, TIndividualInfo& info);
  int FindNext(std::uintptr_t handle, TIndividualInfo& info);

 protected:
  // The command's letter; EArchiver when the format has no such command.
  virtual std::string CommandName(TArchiverCommand command) const;
  // Checks the options before a command line is built.
  virtual void CheckOptions(TArchiverCommand command, const TArchiverOptions& options) const;

 private:
  void FillExtended(HARC archive, const UnlhaIndividualInfo& found, TIndividualInfo& info);

  std::shared_ptr<TArchiverDll> dll_;
};

// The LHA binding: library libunlha32.so, prefix "Unlha", format "LHA 形式書庫".
class TLha32 : public TArchiver {
 public:
  static constexpr const char* kLibraryName = "libunlha32.so";
  static constexpr const char* kPrefix = "Unlha";
  static constexpr const char* kFormatDescription = "LHA 形式書庫";

  // A library object for TLha32 (not loaded yet) at `libraryPath`.
  static std::shared_ptr<TArchiverDll> MakeDll(const std::string& libraryPath);
  // Loads `dll` unless loaded (ENoArchiverDLL when it cannot be).
  explicit TLha32(std::shared_ptr<TArchiverDll> dll);

 protected:
  std::string CommandName(TArchiverCommand command) const override;
  void CheckOptions(TArchiverCommand command, const TArchiverOptions& options) const override;
};

}  // namespace tamikaze
