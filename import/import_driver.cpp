#include "import/import_driver.h"

#include <filesystem>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#include "archive/archive_file.h"
#include "import/archive_listing.h"
#include "import/data_types.h"
#include "import/decode_limits.h"
#include "import/file_checks.h"
#include "import/import_texts.h"
#include "import/race_file_queue.h"
#include "import/race_folder.h"
#include "import/record_files.h"
#include "import/second_archive.h"
#include "racefile/blocks.h"
#include "racefile/writer.h"
#include "text/cp932.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace texts = import_texts;
using namespace tamikaze::literals;

namespace {

// The wait window, shown for the conversion and hidden again whatever ends
// it.
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

// Lets a signal stop the LHA library in the middle of decoding: while this
// object lives, the library asks `ui` before every member and every block of
// output.
class LibraryStop {
 public:
  LibraryStop(TArchiveFile& archive, const ImportUi& ui) : archive_(archive) {
    archive_.SetStopCallback(&Ask, const_cast<ImportUi*>(&ui));
  }
  ~LibraryStop() { archive_.SetStopCallback(nullptr, nullptr); }
  LibraryStop(const LibraryStop&) = delete;
  LibraryStop& operator=(const LibraryStop&) = delete;

 private:
  static int Ask(void* ui) { return static_cast<const ImportUi*>(ui)->Interruption(); }

  TArchiveFile& archive_;
};

// Thrown when a signal asked the import to stop.
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
  archive.SetArchiverType(kArchiverTypeLha);
}

// Every converter names a race without a name after its venue and number, so
// an empty name is a fault of the converter; it never becomes a file ".uma".
std::string UnnamedRaceMessage(int race) {
  return "レース " + std::to_string(race) + " のファイル名が空のため、レースファイルを書けません。";
}

// The second archive of special registrations holds the horse file first.
bool HoldsHorsesOnly(const std::string& m0) {
  for (const DataTypeInfo& row : kDataTypes) {
    if (row.secondArchive && SameMemberName(m0, row.horseFile)) return true;
  }
  return false;
}

std::vector<std::string> NamesOf(const std::vector<ListedMember>& members) {
  std::vector<std::string> names;
  for (const ListedMember& member : members) names.push_back(member.name);
  return names;
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
    } catch (const std::bad_alloc&) {
      throw std::runtime_error(texts::kOutOfMemory);
    }
  }

 private:
  ImportOutcome Steps(const ImportSettings& settings) {
    StopIfInterrupted();
    // Tamikaze.exe and the output folder must exist before the dialog opens.
    if (const char* missing = MissingFolderMessage(main_, settings.requireTamikaze)) {
      ui_.Message(missing);
      return ImportOutcome::Refused;
    }
    if (!PickArchive()) return ImportOutcome::Cancelled;
    replacing_ = settings.replaceRaceFolder;
    if (!replacing_ && FolderExists(report_.raceFolder)) return Refuse(RaceFolderExists());
    if (const auto refused = TakeFirstArchive()) return *refused;
    const DataTypeInfo& row = DataTypeRow(main_.DataType);
    if (!row.converter) {
      return Refuse(std::string(texts::kNoConverter1) + row.name + texts::kNoConverter2);
    }
    if (row.secondArchive) {
      if (const auto refused = TakeSecondArchive(row)) return *refused;
    }
    if (const auto refused = Convert()) return Refuse(*refused);
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

  // Lists, recognises and decodes the picked archive. Refusals come in this
  // order: an archive that does not list, one whose listing declares more
  // than an import decodes, one that does not decode soundly; then a KD3
  // archive, then one of no known data set.
  std::optional<ImportOutcome> TakeFirstArchive() {
    SetArchiveName(archive_, first_);
    const ArchiveListing listing = ListArchive(archive_);
    if (!listing.answer.sound) return RefuseArchive(first_, listing.answer);
    main_.ArchiveLst = NamesOf(listing.members);
    main_.ArchiveLst.insert(main_.ArchiveLst.end(), 3, "");
    const std::vector<std::string>& m = main_.ArchiveLst;
    main_.ResetForImport();
    main_.DataType = RecognizeDataType(m[0], m[1], m[2]);
    report_.dataType = main_.DataType;
    const bool kd3 = HoldsKd3Member(m[0], m[1], m[2]);
    if (!kd3 && main_.DataType != 0 && DataTypeRow(main_.DataType).converter) {
      const DataTypeInfo& row = DataTypeRow(main_.DataType);
      recordFiles_ = {row.raceCardFile, row.horseFile};
    }
    if (const auto tooLarge = budget_.Add(listing.members, recordFiles_)) return Refuse(*tooLarge);
    const ArchiveAnswer decoded = Decode(listing.members, firstDecoded_);
    if (!decoded.sound) return RefuseArchive(first_, decoded);
    if (kd3) return Refuse(texts::kKd3);
    if (main_.DataType == 0) return Refuse(NotRecognised(m[0]));
    return std::nullopt;
  }

  // The second archive of the special registrations, by the "TT" companion
  // rule or else from the dialog, listed and decoded as the first; its member
  // 0 must be the data set's horse file.
  std::optional<ImportOutcome> TakeSecondArchive(const DataTypeInfo& row) {
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
    const ArchiveListing listing = ListArchive(archive_);
    if (!listing.answer.sound) return RefuseArchive(second_, listing.answer);
    main_.ArchiveLst = NamesOf(listing.members);
    main_.ArchiveLst.push_back("");
    if (const auto tooLarge = budget_.Add(listing.members, recordFiles_)) {
      return RefuseAbout(second_, *tooLarge);
    }
    const ArchiveAnswer decoded = Decode(listing.members, secondDecoded_);
    if (!decoded.sound) return RefuseArchive(second_, decoded);
    if (!SameMemberName(main_.ArchiveLst[0], row.horseFile)) {
      return RefuseAbout(second_, texts::kNotSecondArchive);
    }
    return std::nullopt;
  }

  // The archive `archive_` is set to, decoded once: every member verified,
  // those that may hold a record file into `decoded`. A signal stops it.
  ArchiveAnswer Decode(const std::vector<ListedMember>& members,
                       std::vector<DecodedMember>& decoded) {
    int result = 0;
    {
      const LibraryStop stop(archive_, ui_);
      result = DecodeRecordMembers(archive_, members, recordFiles_, decoded);
    }
    StopIfInterrupted();
    return AnswerOf(archive_, result);
  }

  // The refusal of an archive of no known data set; the second archive of a
  // special-registration pair, alone, says which archive to read instead.
  std::string NotRecognised(const std::string& m0) const {
    if (!HoldsHorsesOnly(m0)) return texts::kNotRecognised;
    return texts::HorseArchiveAlone(fs::path(FirstArchiveOf(first_)).filename().string());
  }

  // An archive the library refused, with its reason.
  ImportOutcome RefuseArchive(const std::string& archive, const ArchiveAnswer& answer) {
    StopIfInterrupted();
    const bool unsupported =
        answer.code == UNLHA_ERROR_METHOD || answer.code == UNLHA_ERROR_UNKNOWN_TYPE;
    ui_.FileMessageWithReason(
        archive,
        unsupported ? texts::UnsupportedMethod(answer.words) : std::string(texts::kNotAnArchive),
        answer.Reason());
    return ImportOutcome::Refused;
  }

  // The record texts and the conversion, under the wait window. The refusal
  // when the race folder could not take its name (taken while the races were
  // written, or, replacing, not exchangeable here): nothing is kept.
  std::optional<std::string> Convert() {
    WaitWindow wait(ui_);
    StopIfInterrupted();
    TakeRecordTexts();
    StopIfInterrupted();
    RaceFolderBuild folder(report_.raceFolder);
    try {
      WriteRaces(folder);
    } catch (...) {
      if (!folder.Published()) report_.filesWritten = 0;
      throw;
    }
    if (const auto refused = Publish(folder)) {
      report_.filesWritten = 0;
      return refused;
    }
    report_.raceFolderMade = true;
    return std::nullopt;
  }

  // The race folder under its final name, in place of the old one when
  // replacing; else the refusal.
  std::optional<std::string> Publish(RaceFolderBuild& folder) {
    if (!replacing_) {
      if (folder.Publish()) return std::nullopt;
      return RaceFolderExists();
    }
    try {
      folder.PublishReplacing();
      return std::nullopt;
    } catch (const RaceFolderNotExchanged& error) {
      return std::string(error.what());
    }
  }

  // DenText and UmaText as an extraction of the second archive (for data
  // types 3 and 6), then the first, into one folder would have left them.
  void TakeRecordTexts() {
    const DataTypeInfo& row = DataTypeRow(main_.DataType);
    std::vector<DecodedMember> decoded = std::move(secondDecoded_);
    for (DecodedMember& member : firstDecoded_) decoded.push_back(std::move(member));
    main_.WorkPath = row.raceCardFile;
    main_.DenText = TakeRecordFile(decoded, row.raceCardFile);
    main_.RaceCount = static_cast<int>(main_.DenText.size() / row.recordSize);
    report_.raceCount = main_.RaceCount;
    main_.WorkPath = row.horseFile;
    main_.UmaText = TakeRecordFile(decoded, row.horseFile);
    main_.UmaLength = static_cast<TextOffset>(main_.UmaText.size());
  }

  // One race file per race, steeplechases dropped; a taken name gets the
  // next free number, never overwriting a file. The files are written while
  // the next races convert. A converter's error after the first race file
  // keeps the races written before it: the folder is published, then the
  // error goes on. Before the first, nothing is kept.
  void WriteRaces(RaceFolderBuild& folder) {
    RaceFolderWriter writer(folder.Path(), report_.raceFolder);
    RaceFileQueue queue(writer);
    ui_.Progress(0, main_.RaceCount);
    for (int race = 1; race <= main_.RaceCount; ++race) {
      StopIfInterrupted();
      bool write = false;
      try {
        write = ConvertRace(race);
      } catch (...) {
        FinishWriting(queue);
        // Never in the place of a race folder already there: replacing, only
        // a clean import takes the old folder's place.
        if (report_.filesWritten > 0) report_.raceFolderMade = folder.Publish();
        throw;
      }
      if (write) queue.Write(main_.SaveLst, main_.RaceFileName);
      report_.filesWritten = queue.Written();
      ui_.Progress(race, main_.RaceCount);
    }
    FinishWriting(queue);
  }

  // Every race file handed to `queue` written (or the error of the first that
  // could not be).
  void FinishWriting(RaceFileQueue& queue) {
    queue.Finish();
    report_.filesWritten = queue.Written();
    if (report_.filesWritten > 0) main_.WorkPath = queue.LastWritten().string();
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
  bool replacing_ = false;                    // an existing race folder is replaced
  std::string first_;                         // the picked archive
  std::string second_;                        // the second archive of data types 3 and 6
  std::vector<std::string> recordFiles_;      // the data type's, when it is converted
  DecodeBudget budget_;                       // what the import's archives declare in all
  std::vector<DecodedMember> firstDecoded_;   // record members of the first archive
  std::vector<DecodedMember> secondDecoded_;  // and of the second
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
