#pragma once
// The record files extracted from an archive: found without regard to case,
// read whole up to the first end-of-file mark.

#include <cstdint>
#include <optional>
#include <string>

namespace tamikaze {

// The file in `folder` (not its sub-folders) whose name is `name` ignoring
// ASCII case; an exact match wins, else the first in name order. Nothing when
// there is none.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder, const std::string& name);

// The bytes of the file up to its end or its first 1A hex byte (Ctrl-Z),
// whichever comes first; the 1A byte and what follows are not read. CR and LF
// stay as they are. Throws std::runtime_error (UTF-8 message) when the file
// cannot be read.
std::string ReadUpToEofMark(const std::string& path);

// FindFileIgnoringCase + ReadUpToEofMark; a missing file throws the same error
// as one that cannot be opened.
std::string ReadMemberFile(const std::string& folder, const std::string& name);

// Why a member of `size` bytes could not be extracted into `folder`: the
// errno value that writing as many bytes there gives now (ENOSPC on a full
// disk, EFBIG under a file-size limit, EDQUOT over a quota, EROFS, EACCES),
// or 0 when they can be written. Leaves nothing behind.
int WriteProbeError(const std::string& folder, std::uint64_t size);

// Deletes the member file `name` from `folder` when present; failures are ignored.
void DeleteMemberFile(const std::string& folder, const std::string& name);

}  // namespace tamikaze
