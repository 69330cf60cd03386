#include "cli/ReadingCli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return kovrel::RunReadingCli(args, std::cout, std::cerr);
}
