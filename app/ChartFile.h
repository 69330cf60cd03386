#pragma once

#include "app/ChartFormat.h"
#include "app/EntryForm.h"
#include "common/Result.h"

#include <string>
#include <string_view>

namespace kovrel {

// Saved readings on disk. The window and the tool open and save through these, so a file means
// the same to both.

// The lines of a saved reading. A file that cannot be read, or that has a line longer than a
// text box holds, is a fault naming it.
Result<ChartLines> ReadChartFile(const std::string& path);

// Writes the lines as a saved reading, never leaving a half-written file. A fault says which
// file and, after that, why.
Result<> WriteChartFile(const std::string& path, const ChartLines& lines);

// Opening a saved reading up to the calculation: the extension check, the file read, and its
// lines applied onto `entry`, the entry panel as it stands. The result is the entry to show and
// to calculate; on a fault the entry is left as it was.
Result<EntryForm> ApplyChartFile(const std::string& path, EntryForm entry);

// What the save dialog says when the chosen file exists but may not be written, with the
// reason (ReadOnlyReason in app/SafeFile.h) after it; the dialog then opens again.
std::string ReadOnlyFileMessage(std::string_view shownPath, std::string_view reason);

} // namespace kovrel
