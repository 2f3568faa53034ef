#pragma once
// Tamnet.ini: five lines, no keys. Left and Top of the main window, then
// TamikazeDir, OutputDir and ReadDir. UTF-8, written with CR LF, read with
// CR LF or LF.

#include <cstddef>
#include <optional>
#include <string>

namespace tamikaze {

struct SettingsValues {
  int left = 0;
  int top = 0;
  std::string tamikazeDir;
  std::string outputDir;
  std::string readDir;
};

// The values of a settings file's content; nothing when the file is not
// usable (fewer than five lines, or line 1 or 2 not a decimal integer), so the
// caller treats it as missing. Lines after the fifth are ignored.
std::optional<SettingsValues> ParseSettings(const std::string& content);

// The file's content: the five lines, each ended by CR LF.
std::string FormatSettings(const SettingsValues& values);

// The most a settings file holds: five lines, three of them paths.
inline constexpr std::size_t kMaxSettingsBytes = 16 * 1024;

// The values of the settings file at `path`, or nothing when it cannot be
// read or is not one: only a regular file (a link to one included) of at most
// kMaxSettingsBytes is read, so a folder, a FIFO or a huge file there is
// treated as missing.
std::optional<SettingsValues> LoadSettingsFile(const std::string& path);

// Replaces the file at `path` with `content` atomically: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old one, so a crash leaves either the old or the new file. Creates the
// folder when missing. Throws std::runtime_error (UTF-8 message) on failure.
void WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace tamikaze
