#pragma once

#include "app/EntryForm.h"
#include "common/BirthDetails.h"

#include <array>
#include <string>
#include <string_view>

namespace kovrel {

// The saved reading: 17 scrambled single-byte lines holding the entry, and the rules for putting
// its lines back into the entry panel.

inline constexpr int kChartLineCount = 17;
using ChartLines = std::array<std::string, kChartLineCount>; // unscrambled, UTF-8

// The 17 plain values of a saved reading (month before day; flags "True"/"False"; trimmed).
ChartLines ChartLinesFor(const BirthDetails& details, int zoneRow);

// The bytes of a .kvr file: each line trimmed, scrambled, ended by CR LF.
std::string EncodeChartFile(const ChartLines& lines);

// Lines 1..17 of file bytes, unscrambled; missing lines are empty, later lines ignored. Lines
// end with CR LF; a bare LF or CR ends a line too.
ChartLines DecodeChartFile(std::string_view bytes);

// When a line counts as true: "True" in any case or a number other than 0; false for "False"
// in any case or the number 0; anything else (the empty line included) counts as true.
bool LineCountsAsTrue(std::string_view line);

// Applies the lines onto the entry, control by control. A value that does not fit its control
// leaves that field as it was; the rest still apply. The boxes take only what typing could put
// into them: the four degree and minute boxes at most three digits, the name and place boxes
// what LettersOnlyText accepts.
void ApplyChartLines(const ChartLines& lines, EntryForm& entry);

// Whether a path may be opened as a saved reading: its last three characters are exactly "kvr".
bool HasChartExtension(std::string_view path);

inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";

} // namespace kovrel
