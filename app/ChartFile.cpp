#include "app/ChartFile.h"

#include "app/EntryValidation.h"
#include "app/TimeZoneCatalog.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace kovrel {

namespace {

constexpr int kScrambleShift = 85;

// Decodes one UTF-8 character at `pos` and advances past it. A malformed sequence (bad lead or
// continuation byte, cut short, overlong, surrogate, beyond U+10FFFF) gives nothing and
// advances by one byte, so decoding always moves on.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (text.size() - pos < length) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += length;
    return value;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(word[i])) {
            return false;
        }
    }
    return true;
}

std::string FlagText(bool flag) {
    return flag ? "True" : "False";
}

// What typing could have put into a degree or minute box: at most three digits.
bool FitsNumberBox(std::string_view text) {
    if (text.size() > 3) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

void ApplyNumberBox(const std::string& line, std::string& box) {
    if (FitsNumberBox(line)) {
        box = line;
    }
}

void ApplyLetterBox(const std::string& line, std::string& box) {
    if (LettersOnlyText(line)) {
        box = line;
    }
}

void ApplyListItem(EntryList list, const std::string& line, int& position) {
    const int found = FindListItem(list, line);
    if (found >= 0) {
        position = found;
    }
}

std::string CouldNotRead(const std::string& path) {
    return "The file \"" + path + "\" could not be read.";
}

std::string CouldNotSave(const std::string& path) {
    return "The reading could not be saved to \"" + path + "\".";
}

// A name beside the target that no file holds yet, so a save never touches another file.
std::optional<std::filesystem::path> FreshTemporaryPath(const std::filesystem::path& target) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const std::filesystem::path folder = target.parent_path();
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + std::string.
    std::string base = ".";
    base += target.filename().string();
    base += '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17] = {};
        const auto value = random();
        std::to_chars(suffix, suffix + 16, value, 16);
        std::filesystem::path candidate = folder / (base + suffix + ".tmp");
        std::error_code ec;
        if (std::filesystem::symlink_status(candidate, ec).type() ==
            std::filesystem::file_type::not_found) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace

std::string ScrambleText(std::string_view latin1) {
    std::string result;
    result.reserve(latin1.size());
    for (auto it = latin1.rbegin(); it != latin1.rend(); ++it) {
        const int code = static_cast<unsigned char>(*it) + kScrambleShift;
        if (code <= 255) {
            result.push_back(static_cast<char>(code));
        }
    }
    return result;
}

std::string UnscrambleText(std::string_view latin1) {
    std::string result;
    result.reserve(latin1.size());
    for (auto it = latin1.rbegin(); it != latin1.rend(); ++it) {
        const int code = static_cast<unsigned char>(*it) - kScrambleShift;
        if (code >= 0) {
            result.push_back(static_cast<char>(code));
        }
    }
    return result;
}

std::string Latin1FromUtf8(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto code = NextCodePoint(utf8, pos);
        if (code && *code <= 0xFF) {
            result.push_back(static_cast<char>(*code));
        }
    }
    return result;
}

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string result;
    result.reserve(latin1.size());
    for (const char c : latin1) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            result.push_back(c);
        } else {
            result.push_back(static_cast<char>(0xC0 | (code >> 6)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return result;
}

ChartLines ChartLinesFor(const BirthDetails& details, int zoneRow) {
    const auto number = [](int value) { return std::to_string(value); };
    ChartLines lines = {
        details.Name,
        number(details.Month),
        number(details.Day),
        number(details.Year),
        number(details.Hour),
        number(details.Minute),
        number(zoneRow),
        number(details.LonDegrees),
        number(details.LonMinutes),
        number(details.LatDegrees),
        number(details.LatMinutes),
        FlagText(details.EastFlag),
        FlagText(details.SouthFlag),
        FlagText(details.DstFlag),
        details.City,
        details.State,
        details.Country,
    };
    for (std::string& line : lines) {
        line = TrimBlanks(line);
    }
    return lines;
}

std::string EncodeChartFile(const ChartLines& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        // Trimmed after the conversion, so a character the file cannot hold never leaves a
        // blank at the edge of the line.
        bytes += ScrambleText(TrimBlanks(Latin1FromUtf8(line)));
        bytes += "\r\n";
    }
    return bytes;
}

ChartLines DecodeChartFile(std::string_view bytes) {
    ChartLines lines;
    std::size_t pos = 0;
    for (std::size_t index = 0; index < lines.size() && pos < bytes.size(); ++index) {
        // Lines end with CR LF; a bare LF or CR is taken as a line end too, so a file that
        // passed through another editor still opens.
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        const std::string_view line =
            bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        lines[index] = Utf8FromLatin1(UnscrambleText(line));
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') {
            ++pos;
        }
    }
    return lines;
}

bool LineCountsAsTrue(std::string_view line) {
    if (EqualsIgnoringCase(line, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(line, "False")) {
        return false;
    }
    if (const auto value = NumberFromText(line)) {
        return *value != 0.0;
    }
    return true;
}

void ApplyChartLines(const ChartLines& lines, EntryForm& entry) {
    ApplyLetterBox(lines[0], entry.name);
    if (const auto month = NumberFromText(lines[1])) {
        const double position = std::nearbyint(*month - 1.0);
        if (position >= 0.0 && position <= 11.0) {
            entry.monthIndex = static_cast<int>(position);
        }
    }
    ApplyListItem(EntryList::Day, lines[2], entry.dayIndex);
    ApplyListItem(EntryList::Year, lines[3], entry.yearIndex);
    ApplyListItem(EntryList::Hour, lines[4], entry.hourIndex);
    ApplyListItem(EntryList::Minute, lines[5], entry.minuteIndex);
    if (const auto zone = WholeNumberFromText(lines[6])) {
        if (*zone >= 0 && *zone < kTimeZoneCount) {
            entry.zoneIndex = *zone;
        }
    }
    ApplyNumberBox(lines[7], entry.lonDeg);
    ApplyNumberBox(lines[8], entry.lonMin);
    ApplyNumberBox(lines[9], entry.latDeg);
    ApplyNumberBox(lines[10], entry.latMin);
    entry.longitude = LineCountsAsTrue(lines[11]) ? LongitudeChoice::East : LongitudeChoice::West;
    entry.latitude = LineCountsAsTrue(lines[12]) ? LatitudeChoice::South : LatitudeChoice::North;
    entry.dst = LineCountsAsTrue(lines[13]);
    ApplyLetterBox(lines[14], entry.city);
    ApplyLetterBox(lines[15], entry.state);
    ApplyLetterBox(lines[16], entry.country);
}

bool HasChartExtension(std::string_view path) {
    return path.ends_with("kvr");
}

ChartReadResult ReadChartFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Only a plain file is a reading: a folder or a device would read as no lines at all, or
    // never end.
    if (!fs::is_regular_file(path, ec) || ec) {
        return {std::nullopt, CouldNotRead(path)};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {std::nullopt, CouldNotRead(path)};
    }
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || !in.eof()) {
        return {std::nullopt, CouldNotRead(path)};
    }
    return {DecodeChartFile(bytes), {}};
}

std::string WriteChartFile(const std::string& path, const ChartLines& lines) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    // Saving through a link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec) {
            return CouldNotSave(path);
        }
        target = resolved;
    }
    const auto status = fs::status(target, ec);
    const bool targetExists = fs::exists(status);
    if (targetExists) {
        // Replacing by rename would bypass a file's own write protection: honour it the way
        // writing in place would.
        if (!fs::is_regular_file(status) || !std::ofstream(target, std::ios::app)) {
            return CouldNotSave(path);
        }
    }
    const auto temporary = FreshTemporaryPath(target);
    if (!temporary) {
        return CouldNotSave(path);
    }
    const auto giveUp = [&] {
        std::error_code ignored;
        fs::remove(*temporary, ignored);
        return CouldNotSave(path);
    };
    {
        std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return giveUp();
        }
        const std::string bytes = EncodeChartFile(lines);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            return giveUp();
        }
        out.close();
        if (out.fail()) {
            return giveUp();
        }
    }
    if (targetExists) {
        fs::permissions(*temporary, status.permissions(), ec);
    }
    fs::rename(*temporary, target, ec);
    if (ec) {
        return giveUp();
    }
    return {};
}

} // namespace kovrel
