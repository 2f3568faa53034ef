#pragma once
// A file named on the command line (an archive or a page) is looked at before
// anything reads it, so that a missing, unreadable or special file gets a
// message of its own instead of one about its content.

#include <string>

namespace tamikaze {

// "" when `path` (UTF-8) is a regular file this process can open for reading;
// otherwise why not, in Japanese ("見つかりません。", "フォルダです。...").
// Never blocks: a FIFO or a device is refused without being opened.
std::string InputFileProblem(const std::string& path);

}  // namespace tamikaze
