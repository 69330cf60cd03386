#include "Examples.h"
#include "app/ChartFile.h"
#include "app/EntryValidation.h"

#include <gtest/gtest.h>

#include <random>
#include <unistd.h>

namespace kovrel::test {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string bytes;
    for (int code : codes) {
        bytes.push_back(static_cast<char>(code));
    }
    return bytes;
}

std::string AllCodesUpTo(int last) {
    std::string every;
    for (int code = 0; code <= last; ++code) {
        every.push_back(static_cast<char>(code));
    }
    return every;
}

TEST(ScrambleText, MatchesTheWorkedBytes) {
    EXPECT_EQ(ScrambleText("abc"), Bytes({0xB8, 0xB7, 0xB6}));
    EXPECT_EQ(ScrambleText("1990"), Bytes({0x85, 0x8E, 0x8E, 0x86}));
    EXPECT_EQ(ScrambleText("True"), Bytes({0xBA, 0xCA, 0xC7, 0xA9}));
    EXPECT_EQ(ScrambleText("False"), Bytes({0xBA, 0xC8, 0xC1, 0xB6, 0x9B}));
    EXPECT_EQ(ScrambleText(""), "");
    EXPECT_EQ(UnscrambleText(Bytes({0xB8, 0xB7, 0xB6})), "abc");
    EXPECT_EQ(UnscrambleText(""), "");
}

TEST(ScrambleText, UndoneForCodesUpTo170AndOthersLeftOut) {
    const std::string every = AllCodesUpTo(170);
    const std::string scrambled = ScrambleText(every);
    ASSERT_EQ(scrambled.size(), every.size());
    for (const char c : scrambled) {
        EXPECT_GE(static_cast<unsigned char>(c), 85); // never a line break
    }
    EXPECT_EQ(UnscrambleText(scrambled), every);
    // Codes without a single-byte result are dropped, both ways.
    EXPECT_EQ(ScrambleText(Bytes({'a', 171, 255, 'b'})), Bytes({0xB7, 0xB6}));
    EXPECT_EQ(UnscrambleText(Bytes({0xB7, 84, 0, 13, 10, 0xB6})), "ab");
}

TEST(Latin1, ConvertsAtTheFileBoundary) {
    EXPECT_EQ(Latin1FromUtf8("Jos\xC3\xA9"), Bytes({'J', 'o', 's', 0xE9}));
    EXPECT_EQ(Utf8FromLatin1(Bytes({'J', 'o', 's', 0xE9})), "Jos\xC3\xA9");
    EXPECT_EQ(Latin1FromUtf8("a\xE2\x82\xAC"
                             "b"),
              "ab"); // the euro sign has no single-byte form
    EXPECT_EQ(Latin1FromUtf8("a\xFF\xC3"
                             "b\xC0\x80\xED\xA0\x80"),
              "ab"); // malformed bytes, overlong NUL, a surrogate
    const std::string every = AllCodesUpTo(255);
    EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(every)), every);
}

TEST(EncodeChartFile, AnnNewDelhiFileHasTheSeventeenValuesScrambledOnCrLfLines) {
    EXPECT_EQ(ChartLinesFor(AnnDetails(), 34), kAnnLines);
    const std::string bytes = EncodeChartFile(kAnnLines);
    // The sample file beside the tests was written by this code; a change to the bytes would
    // make files saved earlier unreadable.
    EXPECT_EQ(bytes, FileBytes(kTestData / "ann_new_delhi.kvr"));
    EXPECT_EQ(bytes.substr(0, 5), Bytes({0xC3, 0xC3, 0x96, 0x0D, 0x0A})); // "Ann" reversed
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 17);
    EXPECT_EQ(bytes.size() - bytes.rfind("\r\n"), 2u);
    EXPECT_EQ(DecodeChartFile(bytes), kAnnLines);
}

TEST(EncodeChartFile, ValuesAreSavedWithoutSurroundingBlanks) {
    BirthDetails details = AnnDetails();
    details.Name = "  Ann ";
    details.City = " New Delhi ";
    EXPECT_EQ(ChartLinesFor(details, 34), kAnnLines);
}

TEST(EncodeChartFile, WritesSingleByteCodesTrimmedAfterConversion) {
    ChartLines lines;
    lines[0] = "Jos\xC2\xAA";      // U+00AA, code 170: the highest that scrambles
    lines[1] = "\xE2\x82\xAC Ann"; // the euro sign has no single-byte form
    lines[2] = "Jos\xC3\xA9";      // code 233 has no scrambled form
    const std::string bytes = EncodeChartFile(lines);
    std::string expected = Bytes({0xFF, 's' + 85, 'o' + 85, 'J' + 85, 13, 10}) +
                           ScrambleText("Ann") + "\r\n" + ScrambleText("Jos") + "\r\n";
    for (int i = 3; i < kChartLineCount; ++i) {
        expected += "\r\n";
    }
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DecodeChartFile(bytes)[0], "Jos\xC2\xAA"); // high codes come back as UTF-8
}

TEST(DecodeChartFile, MissingLinesAreEmptyAndLinesAfterTheSeventeenthIgnored) {
    const ChartLines shortLines = DecodeChartFile(FileBytes(kTestData / "short_12_lines.kvr"));
    for (int i = 0; i < kChartLineCount; ++i) {
        EXPECT_EQ(shortLines[i], i < 12 ? kAnnLines[i] : "") << i;
    }
    EXPECT_EQ(DecodeChartFile(""), ChartLines{});
    const std::string longer =
        EncodeChartFile(kAnnLines) + ScrambleText("extra") + "\r\n" + ScrambleText("more");
    EXPECT_EQ(DecodeChartFile(longer), kAnnLines);
}

TEST(DecodeChartFile, LineFeedEndsALineAndALoneCarriageReturnStaysInIt) {
    const std::string ann = ScrambleText("Ann");
    const std::string three = ScrambleText("3");
    const std::string fifteen = ScrambleText("15");
    const auto firstFour = [](std::string_view bytes) {
        const ChartLines lines = DecodeChartFile(bytes);
        return std::vector<std::string>(lines.begin(), lines.begin() + 4);
    };
    const std::vector<std::string> annLines = {"Ann", "3", "15", ""};
    // CR LF, LF alone (a file passed through Unix tools), and the two mixed.
    EXPECT_EQ(firstFour(ann + "\r\n" + three + "\r\n" + fifteen + "\r\n"), annLines);
    EXPECT_EQ(firstFour(ann + "\n" + three + "\n" + fifteen), annLines);
    EXPECT_EQ(firstFour(ann + "\r\n" + three + "\n" + fifteen + "\r\n"), annLines);
    // A stray CR (byte 13) belongs to its line, where unscrambling drops it (13 < 85): the
    // lines after it stay where they are.
    EXPECT_EQ(firstFour(Bytes({0xC3, 0x0D, 0xC3, 0x96}) + "\r\n" + three + "\r\n" + fifteen),
              annLines);
    EXPECT_EQ(firstFour(ann + "\r" + three + "\r\n" + fifteen),
              (std::vector<std::string>{"3Ann", "15", "", ""}));
    // CR CR LF: the last CR goes with the line end, the first stays in the line.
    EXPECT_EQ(firstFour(ann + "\r\r\n" + three), (std::vector<std::string>{"Ann", "3", "", ""}));
    // An empty line in the middle stays a line of its own; "\n\r" is a line end, then a CR.
    const ChartLines lines = DecodeChartFile(ann + "\r\n\r\n" + three + "\n\r" + fifteen);
    EXPECT_EQ((std::vector<std::string>(lines.begin(), lines.begin() + 4)),
              (std::vector<std::string>{"Ann", "", "3", "15"}));
}

TEST(LineCountsAsTrue, TrueFalseNumbersAndEverythingElse) {
    for (const char* yes : {"True", "TRUE", "true", "tRuE", "1", "-1", "0.5", "7", " 2 ", "", "yes",
                            "Tru", "True ", "abc"}) {
        EXPECT_TRUE(LineCountsAsTrue(yes)) << '"' << yes << '"';
    }
    for (const char* no : {"False", "FALSE", "false", "fAlSe", "0", "0.0", "-0", " 0 ", "0e5"}) {
        EXPECT_FALSE(LineCountsAsTrue(no)) << '"' << no << '"';
    }
}

TEST(HasChartExtension, OnlyLowerCaseKvr) {
    for (const char* yes : {"/home/ann/ann.kvr", "kvr", "annkvr"}) { // only the last three count
        EXPECT_TRUE(HasChartExtension(yes)) << yes;
    }
    for (const char* no : {"/home/ann/ann.KVR", "ann.Kvr", "ann.kvr.txt", "vr", ""}) {
        EXPECT_FALSE(HasChartExtension(no)) << no;
    }
}

// A test file opened onto `entry` as the window and the tool open it.
EntryForm Opened(const std::string& file, EntryForm entry = EntryForm{}) {
    const Result<EntryForm> opened = ApplyChartFile((kTestData / file).string(), entry);
    EXPECT_TRUE(opened.ok()) << ErrorOf(opened);
    return opened ? *opened : entry;
}

TEST(ApplyChartLines, AnnFileFillsTheEntryOfAFreshWindow) {
    // March, 15, 1990, 8, 30, "Indian Time, IST, +5.3", East, North, no daylight saving.
    const EntryForm entry = Opened("ann_new_delhi.kvr");
    EXPECT_EQ(entry, AnnEntry());
    EXPECT_EQ(FaultOf(ValidateInput(entry)), std::nullopt);
    EXPECT_EQ(CopyEntry(entry, BirthDetails{}), AnnDetails());
}

TEST(ApplyChartLines, ShortFileSelectsSouthTicksDaylightSavingAndStopsAtTheCity) {
    const EntryForm entry = Opened("short_12_lines.kvr");
    EXPECT_EQ(entry.latitude, LatitudeChoice::South);
    EXPECT_TRUE(entry.dst);
    EXPECT_EQ(entry.longitude, LongitudeChoice::East);
    EXPECT_EQ(FaultOf(ValidateInput(entry)),
              (Fault{"Please Enter Your City name", MessageIcon::Error, EntryControl::City}));
}

TEST(ApplyChartLines, ZoneRow69SelectsYukonStandardTime) {
    const EntryForm entry = Opened("yukon_zone_69.kvr");
    EXPECT_EQ(ListItemText(EntryList::TimeZone, entry.zoneIndex), "Yukon Standard Time,YST,-9.0");
    EXPECT_EQ(ListItemText(EntryList::Hour, entry.hourIndex), "24");
    EXPECT_EQ(ListItemText(EntryList::Month, entry.monthIndex), "December");
    EXPECT_EQ(entry.longitude, LongitudeChoice::West);
    EXPECT_TRUE(entry.dst);
}

// An entry different from Ann in every field, so a field left unchanged is visible.
EntryForm OtherEntry() {
    EntryForm entry;
    entry.name = "Bo";
    entry.latDeg = "1";
    entry.latMin = "2";
    entry.lonDeg = "3";
    entry.lonMin = "4";
    entry.city = "C";
    entry.state = "S";
    entry.country = "K";
    entry.dayIndex = 1;
    entry.monthIndex = 5; // June
    entry.yearIndex = 7;
    entry.hourIndex = 9;
    entry.minuteIndex = 11;
    entry.zoneIndex = 13;
    return entry;
}

TEST(ApplyChartLines, TextBoxesTakeTheirLinesAsTheyStandAndListsKeepWhatTheyDoNotOffer) {
    // No thirteenth month; "015" is no item of the day list; years before and hours after their
    // lists; the minute item is "30"; no zone row 70; "1a" is no number for a minute box. The
    // text boxes take whatever else their line holds, filter or length limit notwithstanding.
    // clang-format off
    const ChartLines lines = {"O'Brien", "13", "015", "1900", "25", " 30", "70", "1234", "1a",
                              "-5", " 77 ", "True", "False", "False", "Saint-Denis", "Del\xC3\xAD",
                              "\xE0\xA4\xAD\xE0\xA4\xBE"};
    // clang-format on
    EntryForm entry = OtherEntry();
    ApplyChartLines(lines, entry);
    EntryForm expected = OtherEntry();
    expected.name = "O'Brien";
    expected.lonDeg = "1234";
    expected.latDeg = "-5";
    expected.latMin = " 77 ";
    expected.city = "Saint-Denis";
    expected.state = "Del\xC3\xAD";
    expected.country = "\xE0\xA4\xAD\xE0\xA4\xBE";
    expected.longitude = LongitudeChoice::East;
    expected.latitude = LatitudeChoice::North;
    expected.dst = false;
    EXPECT_EQ(entry, expected);
}

TEST(ApplyChartLines, TheCalculationDecidesWhatANumberBoxMeans) {
    // The lines of the New Delhi file with unusual texts in the boxes; the whole-number
    // conversion takes the nearest, halves to the even neighbour.
    ChartLines lines = kAnnLines;
    lines[0] = "Ann1";
    lines[7] = " 77 ";  // 77
    lines[8] = "12.5";  // 12
    lines[9] = "13.5";  // 14
    lines[10] = "1234"; // 1234: there is no range check
    lines[14] = "Saint-Denis";
    EntryForm entry;
    ApplyChartLines(lines, entry);
    Session session;
    ASSERT_TRUE(RunCalculation(entry, session).ok());
    EXPECT_EQ(session.birth.Name, "Ann1");
    EXPECT_EQ(session.birth.LonDegrees, 77);
    EXPECT_EQ(session.birth.LonMinutes, 12);
    EXPECT_EQ(session.birth.LatDegrees, 14);
    EXPECT_EQ(session.birth.LatMinutes, 1234);
    EXPECT_EQ(session.birth.City, "Saint-Denis");

    // A negative degree is taken as it is; text that is no number keeps the box, and so the
    // value, as it was.
    lines[7] = "-5";
    lines[8] = "twelve";
    ApplyChartLines(lines, entry);
    EXPECT_EQ(entry.lonMin, "12.5");
    ASSERT_TRUE(RunCalculation(entry, session).ok());
    EXPECT_EQ(session.birth.LonDegrees, -5);
    EXPECT_EQ(session.birth.LonMinutes, 12);
}

TEST(ApplyChartLines, MonthAndZoneAreNumbersTakenToTheNearestPosition) {
    const struct {
        int line;
        const char* text;
        int index; // OtherEntry has June (5) and zone row 13: those mean "left as it was"
    } cases[] = {
        {1, "1", 0},     {1, "12", 11},   {1, " 3 ", 2}, {1, "3.4", 2},  {1, "3.5", 2},
        {1, "4.5", 4},   {1, "0.6", 0},   {1, "0", 5},   {1, "12.6", 5}, {1, "March", 5},
        {1, "", 5},      {1, "1e400", 5}, {6, "0", 0},   {6, "69", 69},  {6, "69.4", 69},
        {6, "69.5", 13}, {6, "x", 13},    {6, "", 13},
    };
    for (const auto& c : cases) {
        ChartLines lines = kAnnLines;
        lines[c.line] = c.text;
        EntryForm entry = OtherEntry();
        ApplyChartLines(lines, entry);
        EXPECT_EQ(c.line == 1 ? entry.monthIndex : entry.zoneIndex, c.index)
            << "line " << c.line + 1 << " \"" << c.text << '"';
    }
}

TEST(ApplyChartLines, DegreeAndMinuteLinesThatAreNoNumbersLeaveTheirBoxes) {
    // Lines 8 to 11 in file order: longitude degrees and minutes, latitude degrees and minutes.
    const struct {
        const char* text;
        bool taken;
    } cases[] = {
        {"abc", false}, {"1a", false},   {"12 5", false}, {"0x1F", false}, {"inf", false},
        {" ", false},   {"12", true},    {" 12 ", true},  {"12.5", true},  {"-5", true},
        {"1e3", true},  {"99999", true}, {"", true},
    };
    for (const auto& c : cases) {
        for (int line = 7; line <= 10; ++line) {
            ChartLines lines = kAnnLines;
            lines[line] = c.text;
            EntryForm entry = OtherEntry();
            ApplyChartLines(lines, entry);
            std::string* const boxes[] = {&entry.lonDeg, &entry.lonMin, &entry.latDeg,
                                          &entry.latMin};
            const char* const before[] = {"3", "4", "1", "2"}; // OtherEntry's boxes
            EXPECT_EQ(*boxes[line - 7], c.taken ? c.text : before[line - 7])
                << "line " << line + 1 << " \"" << c.text << '"';
            EXPECT_EQ(entry.city, "New Delhi") << "the lines after it still apply";
        }
    }
}

TEST(ApplyChartLines, EmptyLinesEmptyTheBoxesAndCountAsTrue) {
    EntryForm entry = OtherEntry();
    ApplyChartLines(ChartLines{}, entry);
    EntryForm expected = OtherEntry();
    expected.name = expected.latDeg = expected.latMin = expected.lonDeg = expected.lonMin = "";
    expected.city = expected.state = expected.country = "";
    expected.latitude = LatitudeChoice::South;
    expected.longitude = LongitudeChoice::East;
    expected.dst = true;
    EXPECT_EQ(entry, expected);
}

using ChartFileOnDisk = TempFolderTest;

TEST_F(ChartFileOnDisk, SaveThenOpenGivesBackTheLinesAndLeavesNoTemporaryFile) {
    const std::string path = Path("ann.kvr");
    PutFile(path, std::string(4000, 'x')); // a longer file: nothing of it may remain
    EXPECT_EQ(ErrorOf(WriteChartFile(path, kAnnLines)), "");
    EXPECT_EQ(FileBytes(path), FileBytes(kTestData / "ann_new_delhi.kvr"));
    const Result<ChartLines> read = ReadChartFile(path);
    ASSERT_TRUE(read.ok()) << ErrorOf(read);
    EXPECT_EQ(*read, kAnnLines);
    EXPECT_EQ(EntriesInFolder(), 1u);

    PutFile(Path("empty.kvr"), "");
    EXPECT_EQ(ReadChartFile(Path("empty.kvr")).value(), ChartLines{});
}

TEST_F(ChartFileOnDisk, FileThatCannotBeReadIsReportedAndGivesNoLines) {
    fs::create_directory(Path("folder.kvr"));
    for (const std::string& path : {Path("missing.kvr"), Path("folder.kvr")}) {
        EXPECT_EQ(ErrorOf(ReadChartFile(path)), "The file \"" + path + "\" could not be read.");
    }
    if (geteuid() != 0) { // root reads any file
        PutFile(Path("locked.kvr"), EncodeChartFile(kAnnLines));
        fs::permissions(Path("locked.kvr"), fs::perms::none);
        EXPECT_NE(ErrorOf(ReadChartFile(Path("locked.kvr"))).find(Path("locked.kvr")),
                  std::string::npos);
    }
}

TEST_F(ChartFileOnDisk, FailedSaveIsReportedAndLeavesWhatWasThere) {
    const std::string nowhere = Path("no such folder/ann.kvr");
    EXPECT_EQ(ErrorOf(WriteChartFile(nowhere, kAnnLines)),
              "The reading could not be saved to \"" + nowhere + "\". No such file or directory.");
    EXPECT_FALSE(fs::exists(nowhere));

    const fs::path taken = Path("taken.kvr");
    fs::create_directory(taken);
    PutFile(taken / "inside", "kept");
    EXPECT_NE(ErrorOf(WriteChartFile(taken.string(), kAnnLines)), "");
    EXPECT_EQ(FileBytes(taken / "inside"), "kept");
    EXPECT_EQ(EntriesInFolder(), 1u); // no temporary file left behind
}

TEST_F(ChartFileOnDisk, SavingThroughALinkReplacesTheFileItPointsTo) {
    PutFile(Path("real.kvr"), "old");
    fs::create_symlink(Path("real.kvr"), Path("link.kvr"));
    EXPECT_EQ(ErrorOf(WriteChartFile(Path("link.kvr"), kAnnLines)), "");
    EXPECT_TRUE(fs::is_symlink(Path("link.kvr")));
    EXPECT_EQ(FileBytes(Path("real.kvr")), EncodeChartFile(kAnnLines));
}

// Random entries that typing could produce and that pass validation.
EntryForm RandomValidEntry(std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto letters = [&](int length) {
        static const std::string alphabet =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz    ";
        std::string text;
        for (int i = 0; i < length; ++i) {
            text.push_back(alphabet[static_cast<std::size_t>(pick(0, 55))]);
        }
        return text;
    };
    // Trimming would make a blank-only name empty, and leading zeros do not survive a number.
    const auto word = [&] {
        return pick(0, 1) ? letters(pick(0, 10)) + "Q" + letters(pick(0, 10)) : "Q";
    };
    const auto number = [&] { return std::to_string(pick(0, 999)); };
    EntryForm entry;
    entry.name = word();
    entry.city = word();
    entry.state = word();
    entry.country = word();
    entry.latDeg = number();
    entry.latMin = number();
    entry.lonDeg = number();
    entry.lonMin = number();
    entry.dayIndex = pick(0, 30);
    entry.monthIndex = pick(0, 11);
    entry.yearIndex = pick(0, 149);
    entry.hourIndex = pick(0, 24);
    entry.minuteIndex = pick(0, 59);
    entry.zoneIndex = pick(0, 69);
    entry.latitude = pick(0, 1) ? LatitudeChoice::South : LatitudeChoice::North;
    entry.longitude = pick(0, 1) ? LongitudeChoice::West : LongitudeChoice::East;
    entry.dst = pick(0, 1) == 1;
    return entry;
}

TEST(ChartFileRoundTrip, SaveThenOpenGivesBackTheSameEntryForManyEntries) {
    std::mt19937 random(20240611);
    int checked = 0;
    for (int i = 0; i < 2000; ++i) {
        const EntryForm entry = RandomValidEntry(random);
        if (FaultOf(ValidateInput(entry))) {
            continue; // a day the month does not have
        }
        const BirthDetails details = CopyEntry(entry, BirthDetails{});
        EntryForm reopened;
        ApplyChartLines(DecodeChartFile(EncodeChartFile(ChartLinesFor(details, entry.zoneIndex))),
                        reopened);
        EntryForm expected = entry;
        expected.name = TrimBlanks(entry.name); // saved without its blanks
        expected.city = TrimBlanks(entry.city);
        expected.state = TrimBlanks(entry.state);
        expected.country = TrimBlanks(entry.country);
        ASSERT_EQ(reopened, expected) << "entry " << i << " name \"" << entry.name << '"';
        BirthDetails again = CopyEntry(reopened, BirthDetails{});
        again.Name = details.Name; // the only field the file trims that the record keeps
        ASSERT_EQ(again, details);
        ++checked;
    }
    EXPECT_GT(checked, 1900);
}

} // namespace
} // namespace kovrel::test
