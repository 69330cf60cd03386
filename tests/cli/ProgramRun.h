#pragma once

// The built kovrel-reading, run as a script would run it.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace kovrel::test {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string ReadAll(FILE* file) {
    std::string text;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;) {
        text.append(buffer.data(), n);
    }
    return text;
}

// Runs the program with `arguments` (shell words), keeping what it prints on either stream.
inline ProgramRun RunProgram(const std::string& arguments) {
    FILE* errors = std::tmpfile();
    if (errors == nullptr) {
        return {-1, {}, {}};
    }
    const std::string command = std::string(KOVREL_READING_EXE) + " " + arguments + " 2>/dev/fd/" +
                                std::to_string(fileno(errors));
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        std::fclose(errors);
        return {-1, {}, {}};
    }
    const std::string out = ReadAll(pipe);
    const int raw = pclose(pipe);
    std::rewind(errors);
    const std::string err = ReadAll(errors);
    std::fclose(errors);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, err};
}

} // namespace kovrel::test
