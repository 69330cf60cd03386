#pragma once

#include "app/BirthDetails.h"
#include "app/EntryForm.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

// Single-byte texts: every char is one ISO-8859-1 code 0..255.
// Reverses the text and raises every code by 85; a code that would pass 255 is left out.
std::string ScrambleText(std::string_view latin1);
// Reverses the text and lowers every code by 85; a code below 85 is left out.
std::string UnscrambleText(std::string_view latin1);

// UTF-8 <-> ISO-8859-1 at the file boundary. Characters above U+00FF (and malformed UTF-8)
// have no single-byte form and are left out.
std::string Latin1FromUtf8(std::string_view utf8);
std::string Utf8FromLatin1(std::string_view latin1);

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

// File access. The error is a sentence for the user, naming the file.
struct ChartReadResult {
    std::optional<ChartLines> lines;
    std::string error;
};
// A missing file, a folder or a file that cannot be read gives no lines and the error.
ChartReadResult ReadChartFile(const std::string& path);

// Writes to a temporary file in the same folder, then renames it over the target, so a failed
// save never leaves a half-written file where a good one stood. Returns the error, or "".
std::string WriteChartFile(const std::string& path, const ChartLines& lines);

} // namespace kovrel
