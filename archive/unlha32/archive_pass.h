#pragma once
// One pass over an archive, the same for the check and for the extraction
// into memory: every header read, every member refused that the extraction
// would refuse or could not make, and in the full mode every member's data
// decoded, its size and CRC verified.

#include <cstdint>
#include <functional>

#include "archive/unlha32/reader.h"

namespace tamikaze::unlha {

// Where the data of member `index` (0-based, in stored order) goes; null:
// decoded, verified and dropped.
using SinkFor = std::function<const DataSink*(std::uint32_t index)>;

// Reads the archive in check mode `mode` (UNLHA_CHECK_RAPID, _BASIC or
// _FULL). True for a sound archive of at least one member; otherwise false,
// with the reason recorded as the thread's last error.
bool PassOverArchive(LhaReader& reader, int mode, const SinkFor& sinkFor);

}  // namespace tamikaze::unlha
