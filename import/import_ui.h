#pragma once
// What the import shows the user and asks of them. The window, the command
// line and the tests each plug in their own.

#include <optional>
#include <string>

namespace tamikaze {

struct OpenFileRequest {
  std::string title;          // dialog title (UTF-8)
  std::string filter;         // "説明|*.lzh"
  std::string initialFolder;  // UTF-8 path
  std::string fileName;       // the name shown in the file-name box
};

class ImportUi {
 public:
  virtual ~ImportUi() = default;
  // The picked file (UTF-8 path), or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
  // A modal message box with the application's title (UTF-8 text).
  virtual void Message(const std::string& text) = 0;
  // A message about the archive `path`: the window shows the text as it
  // stands, the command line starts it with the path.
  virtual void FileMessage(const std::string& path, const std::string& text) {
    (void)path;
    Message(text);
  }
  // The same for an archive refused for a cause the archive library named
  // (its words and error code, may be empty): the window shows the text
  // alone, the command line adds the reason.
  virtual void FileMessageWithReason(const std::string& path, const std::string& text,
                                     const std::string& reason) {
    (void)reason;
    FileMessage(path, text);
  }
  // The wait window: shown with its first line, and hidden again.
  virtual void ShowWait(const std::string& message) = 0;
  virtual void HideWait() = 0;
  // Repaint the main window (the window does; others ignore it).
  virtual void Repaint() {}
  // After each race of the conversion: `done` of `raceCount` races converted.
  virtual void Progress(int done, int raceCount) {
    (void)done;
    (void)raceCount;
  }
  // The number of a signal that asked the import to stop (the command line's
  // SIGINT, SIGTERM, SIGHUP), 0 while none did.
  virtual int Interruption() const { return 0; }
};

}  // namespace tamikaze
