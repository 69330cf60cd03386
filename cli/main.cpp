// kovrel-reading: readings as text or JSON without Qt. Loading Qt costs a plain reading several
// times its own run, so --pdf and --chart-svg are painted by a helper program built with the
// window, which this one becomes for the run that asks for a picture.

#include "cli/ReadingCli.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef KOVREL_PICTURES_PROGRAM
#include <sys/stat.h>
#include <unistd.h>

#include <array>

namespace {

std::string RunningProgram() {
    std::array<char, 4096> path{};
    const ssize_t size = readlink("/proc/self/exe", path.data(), path.size());
    if (size <= 0 || static_cast<std::size_t>(size) >= path.size()) {
        return {};
    }
    return std::string(path.data(), static_cast<std::size_t>(size));
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Beside this program first, so that a build folder uses its own helper and never an installed
// one of another version; then where an install puts it, found from this program's own folder so
// that a package or an install into another prefix still finds it, and last the configured
// folder. Returns only when none of them can be started.
void HandOverToPictures(char** argv) {
    const std::string self = RunningProgram();
    const std::string folder = self.substr(0, self.rfind('/') + 1);
    std::vector<std::string> candidates;
    if (!folder.empty()) {
        candidates.push_back(folder + KOVREL_PICTURES_PROGRAM);
        candidates.push_back(folder + KOVREL_PICTURES_FROM_BINDIR "/" KOVREL_PICTURES_PROGRAM);
    }
    candidates.push_back(KOVREL_PICTURES_DIR "/" KOVREL_PICTURES_PROGRAM);

    struct stat own {};
    const bool known = !self.empty() && stat(self.c_str(), &own) == 0;
    for (const std::string& candidate : candidates) {
        struct stat found {};
        // A helper that is this very program would hand the run over again and again.
        if (stat(candidate.c_str(), &found) != 0 || (known && SameFile(found, own))) {
            continue;
        }
        // The helper gets the command line as given, program name included, so it parses the
        // same request and says the same things.
        execv(candidate.c_str(), argv);
    }
}

} // namespace
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    kovrel::ReadingExports exports;
#ifdef KOVREL_PICTURES_PROGRAM
    exports.handOver = [argv] { HandOverToPictures(argv); };
#endif
    return kovrel::RunReadingCli(args, std::cout, std::cerr, exports);
}
