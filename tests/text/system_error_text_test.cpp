// Errors are said in Japanese, keyed by their numbers, never by the C
// library's English words.
#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <stdexcept>
#include <system_error>

#include "text/system_error_text.h"

namespace tamikaze {
namespace {

bool Japanese(const std::string& text) {
  return !text.empty() && static_cast<unsigned char>(text[0]) >= 0x80;
}

TEST(SystemErrorText, EveryErrorAFileOperationMeetsIsJapanese) {
  const int errors[] = {ENOENT, EACCES, EPERM,  ENOSPC, EDQUOT,  EROFS,        EFBIG,
                        EIO,    EBADF,  EPIPE,  EISDIR, ENOTDIR, ENAMETOOLONG, ELOOP,
                        EMFILE, ENFILE, ENOMEM, EEXIST, EXDEV,   EBUSY};
  for (int error : errors) {
    const std::string text = SystemErrorText(error);
    EXPECT_TRUE(Japanese(text)) << error << ": " << text;
    EXPECT_EQ(text.find("エラー番号"), std::string::npos) << error;
  }
  EXPECT_EQ(SystemErrorText(EDOM),
            "システムのエラーです（エラー番号 " + std::to_string(EDOM) + "）");
}

TEST(SystemErrorText, ErrorsThatEndACommand) {
  EXPECT_EQ(ErrorMessageText(std::runtime_error("'1A' は整数ではありません")),
            "'1A' は整数ではありません");
  EXPECT_TRUE(Japanese(ErrorMessageText(std::bad_alloc())));
  EXPECT_EQ(ErrorMessageText(std::system_error(ENOSPC, std::generic_category())),
            "システムのエラーです（ディスクに空きがありません）");
}

}  // namespace
}  // namespace tamikaze
