// Every result code of our LHA library has a Japanese text; others a
// sentence with their number.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "archive/library_error_text.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze {
namespace {

TEST(LibraryErrorText, EveryCodeIsSaidInJapanese) {
  const int codes[] = {
      UNLHA_ERROR_UNKNOWN_TYPE,      UNLHA_ERROR_METHOD,        UNLHA_ERROR_FILE_CRC,
      UNLHA_ERROR_FILE_OPEN,         UNLHA_ERROR_MAKEDIRECTORY, UNLHA_ERROR_CANNOT_WRITE,
      UNLHA_ERROR_HEADER_CRC,        UNLHA_ERROR_HEADER_BROKEN, UNLHA_ERROR_ARC_FILE_OPEN,
      UNLHA_ERROR_NOT_ARC_FILE,      UNLHA_ERROR_FILE_STYLE,    UNLHA_ERROR_COMMAND_NAME,
      UNLHA_ERROR_ENOUGH_MEMORY,     UNLHA_ERROR_USER_CANCEL,   UNLHA_ERROR_HARC_ISNOT_OPENED,
      UNLHA_ERROR_NOT_FIND_ARC_FILE, UNLHA_ERROR_RESPONSE_READ, UNLHA_ERROR_COMMAND_LINE,
  };
  const std::string unknown = LibraryErrorText(0x8042);
  EXPECT_EQ(unknown, "LHA ライブラリのエラーです（番号 0x8042）");
  std::set<std::string> texts;
  for (int code : codes) {
    const std::string text = LibraryErrorText(code);
    EXPECT_EQ(text.find("番号"), std::string::npos) << std::hex << code;
    EXPECT_TRUE(static_cast<unsigned char>(text[0]) >= 0x80 || text.rfind("LHA", 0) == 0) << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(codes));  // one meaning each
}

}  // namespace
}  // namespace tamikaze
