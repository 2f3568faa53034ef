#include "import/import_driver.h"

#include <cstdio>
#include <filesystem>
#include <future>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "archive/archive_file.h"
#include "import/data_types.h"
#include "import/file_checks.h"
#include "import/import_texts.h"
#include "import/race_folder.h"
#include "import/record_files.h"
#include "import/second_archive.h"
#include "import/temp_folder.h"
#include "racefile/blocks.h"
#include "racefile/writer.h"
#include "text/cp932.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace texts = import_texts;
using namespace tamikaze::literals;

namespace {

constexpr int kCheckMode = 2;

// The wait window, shown for the extraction and conversion and hidden again
// whatever ends them.
class WaitWindow {
 public:
  explicit WaitWindow(ImportUi& ui) : ui_(ui) { ui_.ShowWait(texts::kWait); }
  ~WaitWindow() {
    ui_.HideWait();
    ui_.Repaint();
  }
  WaitWindow(const WaitWindow&) = delete;
  WaitWindow& operator=(const WaitWindow&) = delete;

 private:
  ImportUi& ui_;
};

bool HasQuote(const std::string& text) {
  return text.find('"') != std::string::npos;
}

// The full check's answer and, for a refused archive, the library's reason.
struct CheckResult {
  bool valid = false;
  int code = 0;        // the library's error code
  std::string words;   // the decoder's: for a method it cannot decode, the method
  std::string reason;  // both, as the command line shows them
};

CheckResult CheckFully(TArchiveFile& archive) {
  CheckResult result;
  result.valid = (archive.CheckArchive(kCheckMode) & 0x7FFF) != 0;
  result.code = result.valid ? 0 : archive.LastError(result.words);
  if (result.code != 0) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(result.code));
    result.reason = result.words + "、エラーコード " + hex;
  }
  return result;
}

// A member's stored name and size, as the listing gives them.
struct MemberSize {
  std::string name;
  std::uint64_t size;
};

// The stored names of the archive's members, in the order the archive lists
// them; their sizes are added to `sizes`.
void ListMembers(TArchiveFile& archive, std::vector<std::string>& names,
                 std::vector<MemberSize>& sizes) {
  names.clear();
  archive.OpenArchive(nullptr, 0);
  TIndividualInfo info;
  for (int found = archive.FindFirst("*.*", info); found == 0; found = archive.FindNext(info)) {
    names.push_back(info.StoredName());
    sizes.push_back({names.back(), info.llOriginalSize});
  }
  archive.CloseArchive();
}

// Thrown between races when a signal asked the import to stop.
struct Interrupted {};

// The archive's base name: the file name without its folder and without the text
// from its last "." on, so ".lzh" gives "" (std::filesystem's stem() would
// keep a leading dot).
std::string BaseNameOf(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  return name;
}

// Names the archive to work on. A name of one of the archiver family's other
// formats (.zip, .rar ...) selects nothing here, so such a file goes on as
// LHA and is refused by the check with its message.
void SetArchiveName(TArchiveFile& archive, const std::string& path) {
  try {
    archive.SetFileName(path);
  } catch (const EArchiver&) {
  }
}

// Every converter names a race without a name after its venue and number, so
// an empty name is a fault of the converter; it never becomes a file ".uma".
std::string UnnamedRaceMessage(int race) {
  return "レース " + std::to_string(race) + " のファイル名が空のため、レースファイルを書けません。";
}

bool AnyQuote(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (HasQuote(name)) return true;
  }
  return false;
}

// One import from the pick of the archive to the last race file.
class Import {
 public:
  Import(ImportState& main, TArchiveFile& archive, ImportUi& ui, ImportReport& report)
      : main_(main), archive_(archive), ui_(ui), report_(report) {}

  ImportOutcome Run(const ImportSettings& settings) {
    try {
      return Steps(settings);
    } catch (const Interrupted&) {
      report_.filesWritten = 0;
      return ImportOutcome::Interrupted;
    }
  }

 private:
  ImportOutcome Steps(const ImportSettings& settings) {
    StopIfInterrupted();
    if (!CheckFolders(settings)) return ImportOutcome::Refused;
    if (!PickArchive()) return ImportOutcome::Cancelled;
    if (FolderExists(report_.raceFolder)) return Refuse(RaceFolderExists());
    if (const auto refused = RecogniseFirstArchive()) return *refused;
    const DataTypeInfo& row = DataTypeRow(main_.DataType);
    if (!row.converter) {
      return Refuse(std::string(texts::kNoConverter1) + row.name + texts::kNoConverter2);
    }
    if (row.secondArchive) {
      if (const auto refused = FetchSecondArchive(row)) return *refused;
    }
    if (QuoteInPaths()) return Refuse(texts::kQuoteInPath);
    if (quoteInMembers_) return Refuse(texts::kQuoteInMember);
    if (!Convert()) return Refuse(RaceFolderExists());
    return ImportOutcome::Done;
  }

  // A refusal, said about the picked archive or about the second one.
  ImportOutcome Refuse(const std::string& text) { return RefuseAbout(first_, text); }
  ImportOutcome RefuseAbout(const std::string& archive, const std::string& text) {
    StopIfInterrupted();
    ui_.FileMessage(archive, text);
    return ImportOutcome::Refused;
  }

  void StopIfInterrupted() const {
    if (ui_.Interruption() != 0) throw Interrupted{};
  }

  std::string RaceFolderExists() const {
    return std::string(texts::kRaceFolderExists1) + report_.raceFolder + texts::kRaceFolderExists2 +
           texts::kRaceFolderExists3;
  }

  // Tamikaze.exe and the output folder must exist before the dialog opens.
  bool CheckFolders(const ImportSettings& settings) {
    if (settings.requireTamikaze && !FileExists(main_.TamikazeDir + "/Tamikaze.exe")) {
      ui_.Message(texts::kNoTamikaze);
      return false;
    }
    if (!FolderExists(main_.OutputDir)) {
      ui_.Message(texts::kNoOutputDir);
      return false;
    }
    return true;
  }

  // The open dialog, its next initial folder, and the race folder.
  bool PickArchive() {
    const auto picked =
        ui_.OpenFile({texts::kArchiveTitle, texts::kArchiveFilter, main_.LoadDlgInitialDir, ""});
    if (!picked) return false;
    ui_.Repaint();
    first_ = *picked;
    main_.LoadDlgInitialDir = fs::path(first_).parent_path().string();
    report_.archivePath = first_;
    report_.raceFolder = main_.OutputDir + "/" + BaseNameOf(first_) + "S";
    return true;
  }

  // Checks, lists and recognises the archive. The full check
  // decompresses the whole archive, as the extraction does later, so it runs
  // on a second thread with an archive object of its own while this thread
  // lists the members and, for a data set of one archive, already extracts
  // them into the private folder. Nothing is shown before the check's answer
  // is in, and what a refused archive left in the private folder goes with it.
  std::optional<ImportOutcome> RecogniseFirstArchive() {
    SetArchiveName(archive_, first_);
    archive_.SetArchiverType(kArchiverTypeLha);
    std::future<CheckResult> checked = CheckInBackground(first_);
    ListMembers(archive_, main_.ArchiveLst, memberSizes_);
    quoteInMembers_ = AnyQuote(main_.ArchiveLst);
    main_.ArchiveLst.insert(main_.ArchiveLst.end(), 3, "");
    const std::vector<std::string>& m = main_.ArchiveLst;
    main_.ResetForImport();
    main_.DataType = RecognizeDataType(m[0], m[1], m[2]);
    report_.dataType = main_.DataType;
    const bool kd3 = HoldsKd3Member(m[0], m[1], m[2]);
    if (!kd3 && ConvertsFromOneArchive(main_.DataType) && !QuoteInPaths() && !quoteInMembers_) {
      ExtractEarly();
    }
    const CheckResult check = checked.get();
    StopIfInterrupted();
    if (!check.valid) return RefuseArchive(first_, check);
    if (kd3) return Refuse(texts::kKd3);
    if (main_.DataType == 0) return Refuse(texts::kNotRecognised);
    return std::nullopt;
  }

  std::future<CheckResult> CheckInBackground(const std::string& path) const {
    return std::async(std::launch::async, [library = archive_.LibraryPath(), path] {
      TArchiveFile checker(library);
      SetArchiveName(checker, path);
      checker.SetArchiverType(kArchiverTypeLha);
      return CheckFully(checker);
    });
  }

  // An archive the full check refused, with the library's reason.
  ImportOutcome RefuseArchive(const std::string& archive, const CheckResult& check) {
    StopIfInterrupted();
    const bool unsupported =
        check.code == UNLHA_ERROR_METHOD || check.code == UNLHA_ERROR_UNKNOWN_TYPE;
    ui_.FileMessageWithReason(
        archive,
        unsupported ? texts::UnsupportedMethod(check.words) : std::string(texts::kNotAnArchive),
        check.reason);
    return ImportOutcome::Refused;
  }

  // Recognised, converted, and needing no second archive: extraction may
  // start beside the check.
  static bool ConvertsFromOneArchive(int dataType) {
    if (dataType == 0) return false;
    const DataTypeInfo& row = DataTypeRow(dataType);
    return row.converter && !row.secondArchive;
  }

  // A double quote cannot travel in the quoted extraction command line.
  bool QuoteInPaths() const {
    return HasQuote(first_) || HasQuote(second_) || HasQuote(main_.TempDir);
  }

  void ExtractEarly() {
    temp_.emplace(main_.TempDir);
    Extract(temp_->Path());
    extracted_ = true;
  }

  // The second archive of the special registrations, by the "TT"
  // companion rule or else from the dialog. As for the first archive, its
  // full check runs beside the listing and, when it holds the horse file,
  // the extraction of both archives.
  std::optional<ImportOutcome> FetchSecondArchive(const DataTypeInfo& row) {
    main_.WorkPath = first_;
    std::string lastName = first_;
    second_ = FindCompanionArchive(first_, lastName);
    if (second_.empty()) {
      const auto picked = ui_.OpenFile(
          {texts::kSecondArchiveTitle, texts::kArchiveFilter, main_.LoadDlgInitialDir, lastName});
      if (!picked) return ImportOutcome::Cancelled;
      second_ = *picked;
      main_.LoadDlgInitialDir = fs::path(second_).parent_path().string();
    }
    SetArchiveName(archive_, second_);
    std::future<CheckResult> checked = CheckInBackground(second_);
    ListMembers(archive_, main_.ArchiveLst, memberSizes_);
    quoteInMembers_ = quoteInMembers_ || AnyQuote(main_.ArchiveLst);
    main_.ArchiveLst.push_back("");
    const bool holdsHorses = SameMemberName(main_.ArchiveLst[0], row.horseFile);
    if (holdsHorses && !QuoteInPaths() && !quoteInMembers_) ExtractEarly();
    if (const CheckResult check = checked.get(); !check.valid) return RefuseArchive(second_, check);
    if (!holdsHorses) return RefuseAbout(second_, texts::kNotSecondArchive);
    return std::nullopt;
  }

  // Extraction, reading and conversion, under the wait window and in a
  // private extraction folder that is removed whatever ends them (when the
  // import object goes). False when the race folder's name was taken while
  // the races were written: nothing is kept.
  bool Convert() {
    if (!temp_) temp_.emplace(main_.TempDir);
    WaitWindow wait(ui_);
    if (!extracted_) Extract(temp_->Path());
    StopIfInterrupted();
    ReadRecordFiles(temp_->Path());
    StopIfInterrupted();
    RaceFolderBuild folder(report_.raceFolder);
    try {
      WriteRaces(folder);
    } catch (...) {
      if (!folder.Published()) report_.filesWritten = 0;
      throw;
    }
    if (!folder.Publish()) {
      report_.filesWritten = 0;
      return false;
    }
    report_.raceFolderMade = true;
    return true;
  }

  // Every member of the archive now set (the second one for data
  // types 3 and 6), then those of the first.
  void Extract(const std::string& folder) {
    archive_.Options().n = 1;
    archive_.Options().x = 1;
    archive_.ExtractFiles(nullptr, nullptr, folder, {nullptr});
    if (!second_.empty()) {
      SetArchiveName(archive_, main_.WorkPath);
      archive_.ExtractFiles(nullptr, nullptr, folder, {nullptr});
    }
  }

  // The record files read whole, then deleted.
  void ReadRecordFiles(const std::string& folder) {
    const DataTypeInfo& row = DataTypeRow(main_.DataType);
    main_.WorkPath = folder + "/" + row.raceCardFile;
    main_.DenText = ReadExtracted(folder, row.raceCardFile);
    main_.RaceCount = static_cast<int>(main_.DenText.size() / row.recordSize);
    report_.raceCount = main_.RaceCount;
    main_.WorkPath = folder + "/" + row.horseFile;
    main_.UmaText = ReadExtracted(folder, row.horseFile);
    main_.UmaLength = static_cast<TextOffset>(main_.UmaText.size());
    for (const char* name : {row.raceCardFile, row.horseFile, row.extraFile}) {
      if (*name) DeleteMemberFile(folder, name);
    }
  }

  // A record file of a sound archive that is not in the extraction folder
  // could not be written there (a full disk, a quota, a file-size limit): the
  // message says why, naming the temp folder that the user can do something
  // about rather than a private file that is gone.
  std::string ReadExtracted(const std::string& folder, const char* name) const {
    if (FindFileIgnoringCase(folder, name)) return ReadMemberFile(folder, name);
    std::uint64_t size = 0;
    for (const MemberSize& member : memberSizes_) {
      if (SameMemberName(member.name, name)) size = member.size;
    }
    const int error = WriteProbeError(folder, size);
    std::string message = "作業フォルダ " + main_.TempDir + " に " + name + " を展開できません";
    throw std::runtime_error(error == 0 ? message + "。"
                                        : message + "（" + SystemErrorText(error) + "）");
  }

  // One race file per race, steeplechases dropped; a taken name gets the
  // next free number, never overwriting a file. A converter's error keeps
  // the races written before it: the folder is published, then the error
  // goes on.
  void WriteRaces(RaceFolderBuild& folder) {
    RaceFolderWriter writer(folder.Path(), report_.raceFolder);
    ui_.Progress(0, main_.RaceCount);
    for (int race = 1; race <= main_.RaceCount; ++race) {
      StopIfInterrupted();
      bool write = false;
      try {
        write = ConvertRace(race);
      } catch (...) {
        report_.raceFolderMade = folder.Publish();
        throw;
      }
      if (write) {
        main_.WorkPath = writer.Save(main_.SaveLst, main_.RaceFileName).string();
        ++report_.filesWritten;
      }
      ui_.Progress(race, main_.RaceCount);
    }
  }

  // The lines of `race` in SaveLst; false for a steeplechase, which gets no file.
  bool ConvertRace(int race) {
    main_.SaveLst.clear();
    main_.SaveLst.push_back(CopyrightLine());
    report_.convertingRace = race;
    DataTypeRow(main_.DataType).converter(main_, race);
    report_.convertingRace = 0;
    if (main_.SaveLst.size() > 3 && main_.SaveLst[3] == "障"_sj) return false;
    if (main_.RaceFileName.empty()) throw std::logic_error(UnnamedRaceMessage(race));
    return true;
  }

  ImportState& main_;
  TArchiveFile& archive_;
  ImportUi& ui_;
  ImportReport& report_;
  std::string first_;                    // the picked archive
  std::string second_;                   // the second archive of data types 3 and 6
  std::vector<MemberSize> memberSizes_;  // of both archives
  bool quoteInMembers_ = false;
  std::optional<PrivateTempFolder> temp_;  // the private extraction folder
  bool extracted_ = false;                 // the members are in it already
};

}  // namespace

void ImportArchive(ImportState& main, TArchiveFile& archive, ImportUi& ui,
                   const ImportSettings& settings, ImportReport& report) {
  report = ImportReport{};
  report.outcome = Import(main, archive, ui, report).Run(settings);
}

ImportReport ImportArchive(ImportState& main, TArchiveFile& archive, ImportUi& ui,
                           const ImportSettings& settings) {
  ImportReport report;
  ImportArchive(main, archive, ui, settings, report);
  return report;
}

}  // namespace tamikaze
