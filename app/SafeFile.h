#pragma once

#include "common/Result.h"

#include <string>
#include <string_view>

namespace kovrel {

// File access that never leaves a half-written file and never hangs on a special file. Paths
// are in the system's own encoding. A fault's message names the file.

// The whole contents of a plain file. A missing file, a folder, a device or a file that cannot
// be read is a fault.
Result<std::string> ReadFileBytes(const std::string& path);

// Writes to a temporary file in the same folder, then renames it over the target, so a failed
// write never leaves a half-written file where a good one stood.
Result<> WriteFileSafely(const std::string& path, std::string_view bytes);

} // namespace kovrel
