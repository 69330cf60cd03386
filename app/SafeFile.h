#pragma once

#include "common/Result.h"

#include <cstddef>
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
// file keeps the old one's permission bits, and its owner and group where the process may set
// them. Saving through a link writes the file it points to, and creates it when it is missing.
// A file that is write-protected is not replaced. A file that may be written in a folder that
// may not is rewritten in place. A temporary file left by an interrupted save of the same
// target is removed.
Result<> WriteFileSafely(const std::string& path, std::string_view bytes);

// Whether the file exists and is marked read-only (no one may write it) or this process may not
// write it: a save dialog refuses it.
bool IsReadOnlyFile(const std::string& path);

// The name prefix of the temporary files of a save of `fileName` (a name inside its folder,
// without the folder): short, whatever the length of the name, so every name the file system
// takes can be saved.
std::string TemporaryNamePrefix(std::string_view fileName);

} // namespace kovrel
