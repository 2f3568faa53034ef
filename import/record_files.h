#pragma once
// The record files of an import, decoded straight from the archives into the
// memory the converters read: each archive is decoded once, as the full
// check decodes it, and the members that may hold a record file go into
// buffers of their own instead of a folder.

#include <cstdint>
#include <string>
#include <vector>

namespace tamikaze {

class TArchiveFile;

// A member as the archive's listing shows it.
struct ListedMember {
  std::string name;        // stored name (CP932), "/" between folders
  std::uint64_t size = 0;  // original size, as the header declares it
  bool folder = false;     // a folder entry
};

// A member decoded into memory, with the name it is stored under.
struct DecodedMember {
  std::string name;   // CP932
  std::string bytes;  // every byte of it
};

// True when the member could hold the record file `name`: a file (no folder
// entry) in the archive's top folder whose name is `name` ignoring ASCII case.
bool MayHoldRecordFile(const ListedMember& member, const std::string& name);

// Decodes the archive `archive` is set to, whose listing is `members`, once:
// every member is verified, and those that may hold one of `recordFiles` are
// decoded into memory and appended to `decoded`, in stored order. Gives the
// library's answer: 0, or its error code (the archive's LastError says why).
int DecodeRecordMembers(TArchiveFile& archive, const std::vector<ListedMember>& members,
                        const std::vector<std::string>& recordFiles,
                        std::vector<DecodedMember>& decoded);

// The record file `name` as the extraction of every member into one folder
// would have left it, `decoded` in the order of that extraction (a later
// member of one name replacing an earlier one): a member of exactly that name,
// else the first in name order of those matching it ignoring case. Read up to
// its first 1A hex byte (Ctrl-Z), which ends a record file. Takes the bytes
// out of `decoded`. Throws std::runtime_error (UTF-8 message) when no member
// holds it.
std::string TakeRecordFile(std::vector<DecodedMember>& decoded, const std::string& name);

}  // namespace tamikaze
