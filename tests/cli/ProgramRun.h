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
};

// Runs the program with `arguments` (shell words); stderr is dropped.
inline ProgramRun RunProgram(const std::string& arguments) {
    const std::string command = std::string(KOVREL_READING_EXE) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, {}};
    }
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        out.append(buffer.data(), n);
    }
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

} // namespace kovrel::test
