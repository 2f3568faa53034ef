// Archives of ten real LHA tools and hand-made hostile ones (fixtures/corpus,
// from lhasa's test suite): each is checked, listed and extracted, and what
// lhasa extracts from it our library extracts byte for byte. Links, names
// leaving the folder and damage are refused by the check already, and the
// extraction agrees with the check on every archive.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>

#include "archive/archiver.h"
#include "tests/archive/archive_test_support.h"
#include "text/cp932.h"

namespace tamikaze::testing {
namespace {

const fs::path kCorpus = fs::path(ARCHIVE_FIXTURES) / "corpus";

// The library's reason for refusing the archive `name`, or 0 where it is read:
// links, names leaving the folder ("/tmp/" and a terminal escape in badterm)
// and damage are refused, and so are the archives where lhasa finds no member
// either: two self-extracting ones, and one whose level-0 headers lost their
// names (its README says so).
int RefusedWith(const std::string& name) {
  const std::set<std::string> style = {"regression/abspath.lzh", "regression/badterm.lzh",
                                       "regression/dotdot.lzh"};
  const std::set<std::string> noMember = {"explzh_723/declha_sfx_ansi.exe",
                                          "explzh_723/declha_sfx_unicode.exe",
                                          "lha_unix114i/h0_subdir.lzh"};
  if (name.find("symlink") != std::string::npos || style.count(name)) return UNLHA_ERROR_FILE_STYLE;
  if (noMember.count(name)) return UNLHA_ERROR_NOT_ARC_FILE;
  return name == "regression/truncated.lzh" ? UNLHA_ERROR_FILE_CRC : 0;
}

std::vector<fs::path> CorpusArchives() {
  std::vector<fs::path> archives;
  for (const auto& e : fs::recursive_directory_iterator(kCorpus)) {
    const std::string ext = e.path().extension().string();
    if (e.is_regular_file() && ext != ".md" && ext != ".lhasa" && e.path().filename() != "README")
      archives.push_back(e.path());
  }
  std::sort(archives.begin(), archives.end());
  return archives;
}

// Regular files below `folder`, their sizes and contents' hashes, by
// lower-case relative path: lhasa writes the upper-case names of MS-DOS
// archivers in lower case.
std::map<std::string, std::pair<std::size_t, std::size_t>> Contents(const fs::path& folder) {
  std::map<std::string, std::pair<std::size_t, std::size_t>> files;
  if (!fs::exists(folder)) return files;
  for (std::string name : FilesBelow(folder)) {
    const std::string bytes = ReadBytes(folder / name);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    files[name] = {bytes.size(), std::hash<std::string>{}(bytes)};
  }
  return files;
}

// Every file member of `archive` decoded into memory, its contents by
// lower-case name as Contents() gives them (of two of one name, the later):
// the answer of UnlhaExtractMem64 and those contents.
std::pair<int, std::map<std::string, std::pair<std::size_t, std::size_t>>> DecodedIntoMemory(
    const fs::path& archive) {
  TArchiveFile file(UNLHA32_PATH);
  file.SetFileName(archive.string());
  file.SetArchiverType(kArchiverTypeLha);
  std::vector<std::string> names;
  std::vector<std::vector<unsigned char>> buffers;
  std::vector<UnlhaMemoryMember> members;
  file.OpenArchive(nullptr, 0);
  TIndividualInfo info;
  std::uint32_t index = 0;
  for (int r = file.FindFirst("*.*", info); r == 0; r = file.FindNext(info), ++index) {
    if (std::string(info.szMode) == "-lhd-") continue;
    names.push_back(Cp932ToUtf8(info.StoredName()));
    buffers.emplace_back(std::uint64_t{info.llOriginalSize});
    members.push_back({index, nullptr, std::uint64_t{info.llOriginalSize}, 0});
  }
  file.CloseArchive();
  for (std::size_t i = 0; i < members.size(); ++i) members[i].buffer = buffers[i].data();
  const int result = file.ExtractToMemory(members);
  std::map<std::string, std::pair<std::size_t, std::size_t>> contents;
  for (std::size_t i = 0; i < members.size() && result == 0; ++i) {
    std::string name = names[i];
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string bytes(buffers[i].begin(), buffers[i].begin() + members[i].written);
    contents[name] = {bytes.size(), std::hash<std::string>{}(bytes)};
  }
  return {result, contents};
}

class CorpusTest : public TempFolderTest {
 protected:
  // What lhasa extracts from `archive`.
  std::map<std::string, std::pair<std::size_t, std::size_t>> LhasaExtracts(
      const fs::path& archive) {
    const fs::path into = scratch_.Folder("lhasa");
    const std::string command =
        "cd '" + into.string() + "' && lhasa xq '" + archive.string() + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << archive;
    auto files = Contents(into);
    fs::remove_all(into);
    return files;
  }
};

TEST_F(CorpusTest, EveryArchiveLhasaReadsIsReadAlikeAndTheRestRefused) {
  auto dll = TLha32::MakeDll(UNLHA32_PATH);
  dll->Load();
  const fs::path sandbox = root_ / "sandbox", dest = sandbox / "dest";
  const std::vector<fs::path> archives = CorpusArchives();
  ASSERT_GT(archives.size(), 90u);
  for (const fs::path& archive : archives) {
    const std::string name = fs::relative(archive, kCorpus).string();
    SCOPED_TRACE(name);
    const int refused = RefusedWith(name);
    const bool sound = dll->CheckArchive(archive.string(), 2) != 0;
    std::string reason;
    const int code = dll->GetLastError(reason);
    fs::create_directories(dest);
    const int extracted = dll->Command(
        nullptr, "x -+ \"" + archive.string() + "\" \"" + dest.string() + "/\"", nullptr, 0);
    EXPECT_EQ(extracted == 0, sound) << "the extraction disagrees with the check: " << extracted;
    const auto [decoded, inMemory] = DecodedIntoMemory(archive);
    EXPECT_EQ(decoded, code) << "decoding into memory disagrees with the check";
    if (refused != 0) {
      EXPECT_FALSE(sound);
      EXPECT_EQ(code, refused) << reason;
    } else {
      EXPECT_TRUE(sound) << reason;
      EXPECT_EQ(Contents(dest), LhasaExtracts(archive));
      EXPECT_EQ(inMemory, Contents(dest));
    }
    // Nothing is ever written beside the destination.
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox), fs::directory_iterator()), 1);
    fs::remove_all(sandbox);
  }
}

// Stored names, sizes and methods as the headers hold them, whatever decoder
// reads the archive; a folder entry is listed without its final "/".
TEST_F(CorpusTest, ListsStoredNamesSizesAndMethods) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"lha213/lh5.lzh", {"GPL-2 -lh5- 18092"}},
      {"lharc113/lh1.lzh", {"GPL-2 -lh1- 18092"}},
      {"larc333/lz5.lzs", {"GPL-2 -lz5- 18092"}},
      {"lha213/subdir.lzh", {"SUBDIR/SUBDIR2/HELLO.TXT -lh0- 12"}},
      {"lhmelt_16536/h2_subdir.lzh",
       {"subdir/subdir2/hello.txt -lh0- 12", "subdir/subdir2 -lhd- 0"}},
      {"lhmelt_16536/sfx_winsfx32_213.exe", {"gpl-2 -lh5- 18092"}},
      {"tascal_lha_051h/abspath.lzh", {"Mounted Volume/subdir/subdir2/hello.txt -lh0- 12"}},
  };
  for (const auto& [file, expected] : cases) {
    TArchiveFile archive(UNLHA32_PATH);
    archive.SetFileName((kCorpus / file).string());
    archive.SetArchiverType(kArchiverTypeLha);
    ASSERT_FALSE(archive.OpenArchive(nullptr, 0)) << file;
    TIndividualInfo info;
    std::vector<std::string> listed;
    for (int r = archive.FindFirst("*.*", info); r == 0; r = archive.FindNext(info)) {
      listed.push_back(info.StoredName() + " " + info.szMode + " " +
                       std::to_string(std::uint64_t{info.llOriginalSize}));
    }
    EXPECT_EQ(listed, expected) << file;
    archive.CloseArchive();
  }
}

}  // namespace
}  // namespace tamikaze::testing
