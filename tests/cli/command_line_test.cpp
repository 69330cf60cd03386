#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace kovrel::test {
namespace {

std::string HelpText() {
    const Result<CommandRequest> request = ParseCommandLine({"--help"});
    return request ? request->helpText : std::string();
}

// The flag lines of --help start with two blanks and the flag, as CLI11 lays them out.
std::vector<std::string> HelpFlagNames(const std::string& help) {
    std::vector<std::string> names;
    std::istringstream stream(help);
    for (std::string line; std::getline(stream, line);) {
        if (line.starts_with("  -")) {
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
        }
    }
    return names;
}

TEST(CommandLineFlags, HelpShowsEveryRowInTheTablesOrderAndNoOtherFlag) {
    const std::string help = HelpText();
    const std::vector<FlagSummary> flags = CommandLineFlags();
    ASSERT_FALSE(flags.empty());
    std::size_t previous = 0;
    for (const FlagSummary& flag : flags) {
        std::string shown = "\n  " + std::string(flag.name);
        if (!flag.valueName.empty()) {
            shown += " " + std::string(flag.valueName);
        }
        const std::size_t at = help.find(shown + " ");
        const std::size_t wrapped = help.find(shown + "\n");
        const std::size_t line = std::min(at, wrapped);
        ASSERT_NE(line, std::string::npos) << flag.name;
        EXPECT_GT(line, previous) << flag.name;
        const std::size_t sentence = help.find(flag.help, line);
        EXPECT_NE(sentence, std::string::npos) << flag.name;
        EXPECT_EQ(help.find("\n  -", line + 1), help.find("\n  -", sentence)) << flag.name;
        previous = line;
    }

    std::vector<std::string> tableNames = {"-h,--help"};
    for (const FlagSummary& flag : flags) {
        tableNames.emplace_back(flag.name);
    }
    EXPECT_EQ(HelpFlagNames(help), tableNames);
}

TEST(CommandLineFlags, EveryExpectationIsWhatAUsageErrorOfItsFlagSays) {
    for (const FlagSummary& flag : CommandLineFlags()) {
        const std::string name(flag.name);
        const std::string expected = name + " expects " + std::string(flag.expects);
        // A flag that takes a value, left without it; a flag that takes none, given one.
        const std::vector<std::string> args = flag.valueName.empty()
                                                  ? std::vector<std::string>{name + "=x"}
                                                  : std::vector<std::string>{name};
        const Result<CommandRequest> refused = ParseCommandLine(args);
        ASSERT_FALSE(refused) << name;
        EXPECT_TRUE(refused.fault().message.starts_with(expected + " ("))
            << refused.fault().message;

        if (flag.valueName.empty()) {
            continue; // a repeated switch is still one switch
        }
        const Result<CommandRequest> twice = ParseCommandLine({name + "=x", name + "=x"});
        ASSERT_FALSE(twice) << name;
        EXPECT_EQ(twice.fault().message, name + " is given more than once; it expects, once, " +
                                             std::string(flag.expects));
    }
}

} // namespace
} // namespace kovrel::test
