// What a member's header declares about its size is not trusted: both
// decoders stop at the first byte past it and compare what they decoded with
// it, in the check and in the extractions into a folder and into memory,
// whatever the header level and whether the size is the 32-bit field or the
// 64-bit one of the extended header 0x42. A caller told to stop is obeyed
// within one block.

#include <gtest/gtest.h>

#include <tuple>

#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {
namespace {

// "-lz4-" (LArc, stored) is read by liblhasa only, "-lh0-" by libarchive.
constexpr const char* kMethods[] = {"-lh0-", "-lz4-"};
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// The 4 MiB of zeros of the lh5 fixture, its level-2 header made to declare
// `size` bytes (its header CRC made right again).
std::string ZerosDeclaring(std::uint32_t size) {
  std::string bytes = ReadBytes(Fixture("lh5_zeros_level2.lzh"));
  for (int i = 0; i < 4; ++i) bytes[11 + i] = static_cast<char>(size >> (8 * i));
  const std::size_t headerSize = static_cast<unsigned char>(bytes[0]) |
                                 static_cast<std::size_t>(static_cast<unsigned char>(bytes[1]))
                                     << 8;
  std::size_t crcAt = 0;
  for (std::size_t at = 26, length = 0x0500 >> 8; length != 0;) {  // first extension: 5 bytes
    if (bytes[at] == '\0') crcAt = at + 1;
    at += length;
    length = static_cast<unsigned char>(bytes[at - 2]) |
             static_cast<std::size_t>(static_cast<unsigned char>(bytes[at - 1])) << 8;
  }
  bytes[crcAt] = bytes[crcAt + 1] = '\0';
  const std::uint16_t crc = lh0_detail::Crc16(bytes.substr(0, headerSize));
  bytes[crcAt] = static_cast<char>(crc);
  bytes[crcAt + 1] = static_cast<char>(crc >> 8);
  return bytes;
}

class DeclaredSizeTest : public TempFolderTest {
 protected:
  void SetUp() override { archive_.SetArchiverType(kArchiverTypeLha); }

  // The check's answer (mode 2) and the library's error code.
  std::pair<bool, int> Check(const std::string& bytes) {
    WriteBytes(root_ / "a.lzh", bytes);
    archive_.SetFileName((root_ / "a.lzh").string());
    const bool sound = (archive_.CheckArchive(2) & 0x7FFF) != 0;
    std::string reason;
    return {sound, archive_.LastError(reason)};
  }
  // The files the extraction of every member leaves in a fresh folder.
  std::vector<std::string> Extracted(const std::string& bytes) {
    WriteBytes(root_ / "a.lzh", bytes);
    archive_.SetFileName((root_ / "a.lzh").string());
    archive_.Options() = ProgramOptions();
    fs::remove_all(root_ / "out");
    archive_.ExtractFiles(nullptr, nullptr, (root_ / "out").string(), {nullptr});
    return FilesBelow(root_ / "out");
  }

  TArchiveFile archive_{UNLHA32_PATH};
};

// A member holding 17,555 bytes whose header says otherwise is damaged on
// both decoders, in the check and in the extraction, which leaves nothing of
// it; declared rightly, 32 or 64 bits wide, it is sound.
TEST_F(DeclaredSizeTest, AStoredMemberMustHoldWhatItDeclares) {
  const std::string data(17555, 'x');
  const std::tuple<const char*, std::optional<std::uint64_t>, bool, bool> cases[] = {
      {"declared rightly", std::nullopt, false, true},
      {"declared rightly in 64 bits", std::nullopt, true, true},
      {"declares 100", 100, false, false},
      {"declares 0", 0, false, false},
      {"declares 0xFFFFFFFF", 0xFFFFFFFFu, false, false},
      {"declares 100 in 64 bits", 100, true, false},
      {"declares 4 GiB + 17,555 in 64 bits", 4 * kGiB + 17555, true, false},
  };
  for (const char* method : kMethods) {
    for (const auto& [what, declared, size64, sound] : cases) {
      SCOPED_TRACE(std::string(what) + " " + method);
      Lh0Member member{"A.DAT", data, 0, method, declared, size64};
      const std::string bytes = MakeLh0Archive({{"B.DAT", "b"}, member}, 2);
      EXPECT_EQ(Check(bytes), std::make_pair(sound, sound ? 0 : int{UNLHA_ERROR_FILE_CRC}));
      const std::vector<std::string> files =
          sound ? std::vector<std::string>{"A.DAT", "B.DAT"} : std::vector<std::string>{"B.DAT"};
      EXPECT_EQ(Extracted(bytes), files);
      if (sound) {
        EXPECT_EQ(ReadBytes(root_ / "out/A.DAT"), data);
      }
    }
  }
}

// The listing shows the 64-bit size of the extended header 0x42, never its
// low 32 bits.
TEST_F(DeclaredSizeTest, TheListingShowsSizesOfMoreThan32Bits) {
  const Lh0Member member{"BIG.DAT", "x", 0, "-lh0-", 5 * kGiB + 1, true};
  WriteLh0Archive(root_ / "a.lzh", {member}, 2);
  archive_.SetFileName((root_ / "a.lzh").string());
  ASSERT_FALSE(archive_.OpenArchive(nullptr, 0));
  TIndividualInfo info;
  ASSERT_EQ(archive_.FindFirst("*.*", info), 0);
  EXPECT_EQ(std::uint64_t{info.llOriginalSize}, 5 * kGiB + 1);
  archive_.CloseArchive();
}

// A compressed member that decodes to more than its header declares (4 MiB
// of zeros declared as 100 bytes or 1 MiB) is damaged; declared rightly it
// is sound.
TEST_F(DeclaredSizeTest, ABombIsDamaged) {
  EXPECT_EQ(Check(ZerosDeclaring(4 << 20)), std::make_pair(true, 0));
  for (std::uint32_t declared : {100u, 1u << 20}) {
    SCOPED_TRACE(declared);
    EXPECT_EQ(Check(ZerosDeclaring(declared)), std::make_pair(false, int{UNLHA_ERROR_FILE_CRC}));
    EXPECT_TRUE(Extracted(ZerosDeclaring(declared)).empty());
  }
}

// Decoded into memory, a bomb stops at its declared size: not one byte more
// reaches the buffer, however much room it has.
TEST_F(DeclaredSizeTest, ABombDecodedIntoMemoryStopsAtItsDeclaredSize) {
  constexpr std::uint32_t kDeclared = 1 << 20;
  WriteBytes(root_ / "a.lzh", ZerosDeclaring(kDeclared));
  archive_.SetFileName((root_ / "a.lzh").string());
  std::vector<unsigned char> buffer(4 << 20, 0xAA);
  std::vector<UnlhaMemoryMember> members = {{0, buffer.data(), buffer.size(), 0}};
  EXPECT_EQ(archive_.ExtractToMemory(members), UNLHA_ERROR_FILE_CRC);
  EXPECT_LE(members[0].written, kDeclared);
  EXPECT_EQ(buffer[kDeclared], 0xAA);
}

// Told to stop in the middle of a member decoded into memory, the decoder
// passes on no further block: what the buffer holds when the flag goes up is
// all it gets.
TEST_F(DeclaredSizeTest, DecodingIntoMemoryStopsWithinOneBlock) {
  WriteBytes(root_ / "a.lzh", ZerosDeclaring(4 << 20));
  archive_.SetFileName((root_ / "a.lzh").string());
  std::vector<unsigned char> buffer(4 << 20);
  struct Stop {
    UnlhaMemoryMember* member;
    std::uint64_t writtenWhenRaised = 0;
    bool raised = false;
  };
  for (std::uint64_t after : {std::uint64_t{1}, std::uint64_t{1} << 20, std::uint64_t{3} << 20}) {
    SCOPED_TRACE(after);
    std::vector<UnlhaMemoryMember> members = {{0, buffer.data(), buffer.size(), 0}};
    Stop stop{&members[0]};
    ASSERT_TRUE(archive_.SetStopCallback(
        [](void* context) {
          auto* s = static_cast<Stop*>(context);
          if (!s->raised && s->member->written >= s->writtenWhenRaised) {
            s->raised = true;
            s->writtenWhenRaised = s->member->written;
          }
          return s->raised ? 1 : 0;
        },
        &stop));
    stop.writtenWhenRaised = after;
    EXPECT_EQ(archive_.ExtractToMemory(members), UNLHA_ERROR_USER_CANCEL);
    EXPECT_TRUE(stop.raised);
    EXPECT_EQ(members[0].written, stop.writtenWhenRaised);
    EXPECT_GT(members[0].written, 0u);
    EXPECT_LT(members[0].written, buffer.size());
    archive_.SetStopCallback(nullptr, nullptr);
  }
}

// Told to stop, the check ends at the next member or block: the callback is
// not asked again, and the reason is the cancellation.
TEST_F(DeclaredSizeTest, ACheckToldToStopStopsAtOnce) {
  struct Stop {
    int asked = 0;
    int stopAt = 0;
  };
  for (int stopAt : {1, 2, 10}) {
    SCOPED_TRACE(stopAt);
    Stop stop{0, stopAt};
    ASSERT_TRUE(archive_.SetStopCallback(
        [](void* context) {
          auto* s = static_cast<Stop*>(context);
          return ++s->asked >= s->stopAt ? 1 : 0;
        },
        &stop));
    EXPECT_EQ(Check(ZerosDeclaring(4 << 20)), std::make_pair(false, int{UNLHA_ERROR_USER_CANCEL}));
    EXPECT_EQ(stop.asked, stopAt);
    archive_.SetStopCallback(nullptr, nullptr);
  }
  EXPECT_EQ(Check(ZerosDeclaring(4 << 20)), std::make_pair(true, 0));
}

}  // namespace
}  // namespace tamikaze::testing
