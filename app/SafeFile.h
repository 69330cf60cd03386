#pragma once

#include "common/Result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

// File access that never leaves a half-written file and never hangs on a special file. Paths
// are in the system's own encoding. A fault's message names the file.

// The start of a plain file: everything up to and including its `lineCount`-th line feed, or
// the whole file when it has fewer. It is read in pieces and reading stops there, so a huge
// file costs no more memory than its first lines. A missing file, a folder, a device or a file
// that cannot be read is a fault; so is a line of more than `longestLine` bytes (a carriage
// return just before its line feed not counted), which says the file is `kind` no more.
Result<std::string> ReadLeadingLines(const std::string& path, int lineCount,
                                     std::size_t longestLine, std::string_view kind);

// Writes to a temporary file in the same folder, forces it to the disk and renames it over the
// target, so a failed write never leaves a half-written file where a good one stood. The new
// file keeps the old one's permission bits, owner and group. Saving through a link writes the
// file it points to, and creates it when it is missing. A file nobody may write is refused,
// even to root, and so is one this process may not write. The file is written in place
// instead where replacing it would change it in other ways: its owner or group cannot be
// kept, it has other names (hard links), its folder may not be written or not renamed in (a
// sticky folder of others); the old reading is then never emptied before the new bytes are
// there. Temporary files that interrupted saves of the same target left behind are removed,
// never one a running save still writes. A fault's message is the reason (SystemReason).
Result<> WriteFileSafely(const std::string& path, std::string_view bytes);

// The system's reason for a failed file operation, as a sentence in its own words ("Permission
// denied."), for the end of a message that says what failed.
std::string SystemReason(int error);

// Why a save dialog refuses the file: it exists and is marked read-only (no one may write it)
// or this process may not write it. The reason as SystemReason words it; nothing when the file
// may be written or does not exist.
std::optional<std::string> ReadOnlyReason(const std::string& path);
bool IsReadOnlyFile(const std::string& path);

// The name prefix of the temporary files of a save of `fileName` (a name inside its folder,
// without the folder): short, whatever the length of the name, so every name the file system
// takes can be saved.
std::string TemporaryNamePrefix(std::string_view fileName);

} // namespace kovrel
