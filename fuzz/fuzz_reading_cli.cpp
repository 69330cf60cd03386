// Arbitrary command lines of kovrel-reading, run in process: parsing, the readings and every
// message must hold together whatever the arguments. Arguments are the input split at NUL bytes
// (a byte no real argument holds). --save is left out: it writes files.
#include "cli/ReadingCli.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every line of an error stream ends with its line feed and holds no other control character.
bool MaskedLines(const std::string& text) {
    if (!text.empty() && text.back() != '\n') {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if ((code < 32 && text[i] != '\n') || code == 127) {
            return false;
        }
        if (code == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& arg : args) {
        if (arg.starts_with("--save")) {
            return -1; // not added to the corpus
        }
    }

    std::ostringstream out;
    std::ostringstream err;
    const int status = kovrel::RunReadingCli(args, out, err);
    const std::string printed = out.str();
    const std::string errors = err.str();
    Require(status == kovrel::kExitOk || status == kovrel::kExitRefused ||
            status == kovrel::kExitUsage);
    Require(MaskedLines(errors));
    if (status == kovrel::kExitUsage) {
        // A refused command line: one line on stderr, no reading.
        Require(printed.empty());
        Require(std::count(errors.begin(), errors.end(), '\n') == 1);
    }
    if (status == kovrel::kExitOk) {
        Require(!printed.empty());
    }
    // Every JSON line is one whole object.
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('{')) {
            Require(nlohmann::json::accept(line));
        }
    }
    return 0;
}
