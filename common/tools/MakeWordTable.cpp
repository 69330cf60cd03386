// Compiles the finished entries of the translation files into a C++ table, so that code without
// Qt (the reading tool) says the same words as the window.
// Usage: kovrel_make_words OUTPUT.cpp CODE=FILE.ts...

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Entry {
    std::string context;
    std::string english;
    std::string translation;
};

// The text between <tag ...> and </tag> from `from` on, with the opening tag's attributes.
struct Element {
    std::string attributes;
    std::string body;
    std::size_t end = std::string::npos;
};

Element Find(const std::string& xml, const std::string& tag, std::size_t from, std::size_t limit) {
    Element element;
    const std::string open = "<" + tag;
    std::size_t at = from;
    while ((at = xml.find(open, at)) != std::string::npos && at < limit) {
        const char after = xml[at + open.size()];
        if (after == '>' || after == ' ' || after == '/') {
            break;
        }
        at += open.size();
    }
    if (at == std::string::npos || at >= limit) {
        return element;
    }
    const std::size_t close = xml.find('>', at);
    element.attributes = xml.substr(at + open.size(), close - at - open.size());
    if (xml[close - 1] == '/') { // <translation/>
        element.end = close + 1;
        return element;
    }
    const std::string closing = "</" + tag + ">";
    const std::size_t stop = xml.find(closing, close);
    element.body = xml.substr(close + 1, stop - close - 1);
    element.end = stop + closing.size();
    return element;
}

void AppendUtf8(std::string& text, unsigned long code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Unescaped(const std::string& xml) {
    std::string text;
    const std::string byteTag = "<byte value=\"";
    for (std::size_t i = 0; i < xml.size(); ++i) {
        // A control character, which XML cannot hold: <byte value="xd"/> for a carriage return.
        if (xml.compare(i, byteTag.size(), byteTag) == 0) {
            const std::size_t value = i + byteTag.size();
            const std::size_t quote = xml.find('"', value);
            const bool hex = xml[value] == 'x';
            text += static_cast<char>(
                std::stoul(xml.substr(value + (hex ? 1 : 0), quote - value - (hex ? 1 : 0)),
                           nullptr, hex ? 16 : 10));
            i = xml.find('>', quote);
            continue;
        }
        if (xml[i] != '&') {
            text += xml[i];
            continue;
        }
        const std::size_t semicolon = xml.find(';', i);
        const std::string name = xml.substr(i + 1, semicolon - i - 1);
        if (name == "amp") {
            text += '&';
        } else if (name == "lt") {
            text += '<';
        } else if (name == "gt") {
            text += '>';
        } else if (name == "quot") {
            text += '"';
        } else if (name == "apos") {
            text += '\'';
        } else if (!name.empty() && name[0] == '#') {
            const bool hex = name.size() > 1 && name[1] == 'x';
            AppendUtf8(text, std::stoul(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10));
        } else {
            throw std::runtime_error("unknown entity &" + name + ";");
        }
        i = semicolon;
    }
    return text;
}

std::vector<Entry> ReadEntries(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::stringstream buffer;
    buffer << file.rdbuf();
    const std::string xml = buffer.str();
    std::vector<Entry> entries;
    for (Element context = Find(xml, "context", 0, xml.size()); context.end != std::string::npos;
         context = Find(xml, "context", context.end, xml.size())) {
        const std::string& body = context.body;
        const std::string name = Unescaped(Find(body, "name", 0, body.size()).body);
        for (Element message = Find(body, "message", 0, body.size());
             message.end != std::string::npos;
             message = Find(body, "message", message.end, body.size())) {
            const Element source = Find(message.body, "source", 0, message.body.size());
            const Element translation = Find(message.body, "translation", 0, message.body.size());
            if (translation.attributes.find("type=") != std::string::npos ||
                translation.body.empty()) {
                continue; // unfinished, vanished or obsolete: the English text stands
            }
            entries.push_back({name, Unescaped(source.body), Unescaped(translation.body)});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.context, a.english) < std::tie(b.context, b.english);
    });
    return entries;
}

// A C++ string literal whose bytes are exactly `text`.
std::string Literal(const std::string& text) {
    std::string literal = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            literal += octal;
        } else {
            literal += static_cast<char>(c);
        }
    }
    return literal + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kovrel_make_words OUTPUT.cpp CODE=FILE.ts...\n";
        return 2;
    }
    const char* const languages[] = {"en", "hi", "ta", "te", "kn", "ml"};
    std::ostringstream out;
    out << "// Generated by common/tools/MakeWordTable.cpp from the translation files.\n"
           "#include \"common/WordTable.h\"\n\nnamespace kovrel {\n\nnamespace {\n\n";
    std::vector<std::string> tables(std::size(languages));
    try {
        for (int i = 2; i < argc; ++i) {
            const std::string argument = argv[i];
            const std::size_t equals = argument.find('=');
            const std::string code = argument.substr(0, equals);
            const auto at = std::find(std::begin(languages), std::end(languages), code);
            if (equals == std::string::npos || at == std::end(languages)) {
                throw std::runtime_error("not CODE=FILE.ts: " + argument);
            }
            const std::vector<Entry> entries = ReadEntries(argument.substr(equals + 1));
            if (entries.empty()) {
                continue;
            }
            const std::string table = "k_" + code;
            out << "constexpr WordEntry " << table << "[] = {\n";
            for (const Entry& entry : entries) {
                out << "    {" << Literal(entry.context) << ", " << Literal(entry.english) << ", "
                    << Literal(entry.translation) << "},\n";
            }
            out << "};\n\n";
            tables[static_cast<std::size_t>(at - std::begin(languages))] = table;
        }
    } catch (const std::exception& error) {
        std::cerr << "kovrel_make_words: " << error.what() << "\n";
        return 1;
    }
    out << "} // namespace\n\nstd::span<const WordEntry> CompiledEntries(Language language) {\n"
           "    switch (language) {\n";
    const char* const enumerators[] = {"English", "Hindi",   "Tamil",
                                       "Telugu",  "Kannada", "Malayalam"};
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (!tables[i].empty()) {
            out << "    case Language::" << enumerators[i] << ":\n        return " << tables[i]
                << ";\n";
        }
    }
    out << "    default:\n        return {};\n    }\n}\n\n} // namespace kovrel\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
