#pragma once

#include "common/Words.h"

#include "app/EntryForm.h"
#include "common/BirthDetails.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kovrel {

// The saved reading: 17 scrambled single-byte lines holding the entry, and the rules for putting
// its lines back into the entry panel.

inline constexpr int kChartLineCount = 17;
// The most a text box holds; a longer line cannot have been saved from one.
inline constexpr std::size_t kLongestChartLine = 32767;
using ChartLines = std::array<std::string, kChartLineCount>; // unscrambled, UTF-8

// The 17 plain values of a saved reading (month before day; flags "True"/"False"; trimmed).
ChartLines ChartLinesFor(const BirthDetails& details, int zoneRow);

// The bytes of a .kvr file: each line trimmed, scrambled, ended by CR LF.
std::string EncodeChartFile(const ChartLines& lines);

// Lines 1..17 of file bytes, unscrambled; missing lines are empty, later lines ignored. A line
// ends with CR LF or a bare LF; a CR not followed by LF is part of its line.
ChartLines DecodeChartFile(std::string_view bytes);

// When a line counts as true: "True" in any case or a number other than 0; false for "False"
// in any case or the number 0; anything else (the empty line included) counts as true.
bool LineCountsAsTrue(std::string_view line);

// Applies the lines onto the entry, control by control. Each text box takes its line as it
// stands; a degree or minute box only a number, written as it may be (blanks, a fraction: what
// it means is for the calculation to decide), or an empty line. A line that does not fit its
// control (no number for a number box, nothing its list offers) leaves that control as it was;
// the rest still apply.
void ApplyChartLines(const ChartLines& lines, EntryForm& entry);

// Whether a path may be opened as a saved reading: its last three characters are exactly "kvr".
bool HasChartExtension(std::string_view path);

inline constexpr Word kCheckFileMessage = KOVREL_WORD("Messages", "Please Check The File.");

} // namespace kovrel
