#include "common/TextCodec.h"

#include <optional>

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

} // namespace kovrel
