#include "app/ChartFile.h"
#include "app/EntryValidation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace kovrel {
namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> codes) {
    std::string bytes;
    for (int code : codes) {
        bytes.push_back(static_cast<char>(code));
    }
    return bytes;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const fs::path kData = KOVREL_TEST_DATA;

BirthDetails AnnDetails() {
    BirthDetails d;
    d.Name = "Ann";
    d.Month = 3;
    d.Day = 15;
    d.Year = 1990;
    d.Hour = 8;
    d.Minute = 30;
    d.TzHoursAbs = 5;
    d.TzMinutesAbs = 30;
    d.TzHoursSigned = -5;
    d.TzMinutesSigned = -30;
    d.LonDegrees = 77;
    d.LonMinutes = 12;
    d.LatDegrees = 28;
    d.LatMinutes = 36;
    d.EastFlag = true;
    d.City = "New Delhi";
    d.State = "Delhi";
    d.Country = "India";
    return d;
}

const ChartLines kAnnLines = {"Ann",   "3",     "15",        "1990",  "8",    "30",
                              "34",    "77",    "12",        "28",    "36",   "True",
                              "False", "False", "New Delhi", "Delhi", "India"};

TEST(ScrambleText, MatchesTheWorkedBytes) {
    EXPECT_EQ(ScrambleText("abc"), Bytes({0xB8, 0xB7, 0xB6}));
    EXPECT_EQ(ScrambleText("1990"), Bytes({0x85, 0x8E, 0x8E, 0x86}));
    EXPECT_EQ(ScrambleText("True"), Bytes({0xBA, 0xCA, 0xC7, 0xA9}));
    EXPECT_EQ(ScrambleText("False"), Bytes({0xBA, 0xC8, 0xC1, 0xB6, 0x9B}));
    EXPECT_EQ(ScrambleText(""), "");

    EXPECT_EQ(UnscrambleText(Bytes({0xB8, 0xB7, 0xB6})), "abc");
    EXPECT_EQ(UnscrambleText(Bytes({0xBA, 0xC8, 0xC1, 0xB6, 0x9B})), "False");
    EXPECT_EQ(UnscrambleText(""), "");
}

TEST(ScrambleText, UnscrambleUndoesItForCodesUpTo170) {
    std::string every;
    for (int code = 0; code <= 170; ++code) {
        every.push_back(static_cast<char>(code));
    }
    const std::string scrambled = ScrambleText(every);
    ASSERT_EQ(scrambled.size(), every.size());
    for (const char c : scrambled) {
        EXPECT_GE(static_cast<unsigned char>(c), 85); // never a line break
    }
    EXPECT_EQ(UnscrambleText(scrambled), every);
}

TEST(ScrambleText, CodesWithoutASingleByteResultAreLeftOut) {
    EXPECT_EQ(ScrambleText(Bytes({'a', 171, 255, 'b'})), Bytes({0xB7, 0xB6}));
    EXPECT_EQ(UnscrambleText(Bytes({0xB7, 84, 0, 13, 10, 0xB6})), "ab");
}

TEST(Latin1, ConvertsAtTheFileBoundary) {
    EXPECT_EQ(Latin1FromUtf8("Jos\xC3\xA9"), Bytes({'J', 'o', 's', 0xE9}));
    EXPECT_EQ(Utf8FromLatin1(Bytes({'J', 'o', 's', 0xE9})), "Jos\xC3\xA9");
    EXPECT_EQ(Latin1FromUtf8("\xC3\xBF"), Bytes({0xFF}));
    EXPECT_EQ(Latin1FromUtf8("a\xE2\x82\xAC"
                             "b"),
              "ab"); // the euro sign has no single-byte form
    EXPECT_EQ(Latin1FromUtf8("a\xFF\xC3"
                             "b\xC0\x80\xED\xA0\x80"),
              "ab"); // malformed bytes, overlong NUL, a surrogate
    std::string every;
    for (int code = 0; code <= 255; ++code) {
        every.push_back(static_cast<char>(code));
    }
    EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(every)), every);
}

TEST(ChartLinesFor, AnnNewDelhiGivesTheSeventeenValues) {
    EXPECT_EQ(ChartLinesFor(AnnDetails(), 34), kAnnLines);
}

TEST(ChartLinesFor, ValuesAreSavedWithoutSurroundingBlanks) {
    BirthDetails details = AnnDetails();
    details.Name = "  Ann ";
    details.City = " New Delhi ";
    const ChartLines lines = ChartLinesFor(details, 34);
    EXPECT_EQ(lines[0], "Ann");
    EXPECT_EQ(lines[14], "New Delhi");
    EXPECT_EQ(EncodeChartFile(lines), EncodeChartFile(kAnnLines));
}

TEST(EncodeChartFile, AnnNewDelhiFileHasSeventeenScrambledCrLfLines) {
    const std::string bytes = EncodeChartFile(ChartLinesFor(AnnDetails(), 34));
    // The sample file beside the tests was written by this code; a change to the bytes
    // would make files saved earlier unreadable.
    EXPECT_EQ(bytes, FileBytes(kData / "ann_new_delhi.kvr"));

    std::string expected;
    for (const std::string& value : kAnnLines) {
        expected += ScrambleText(value) + "\r\n";
    }
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(0, 5), Bytes({0xC3, 0xC3, 0x96, 0x0D, 0x0A})); // "Ann" reversed
    EXPECT_EQ(DecodeChartFile(bytes), kAnnLines);
}

TEST(EncodeChartFile, WritesSingleByteCodesTrimmedAfterConversion) {
    ChartLines lines;
    lines[0] = "Jos\xC2\xAA";      // U+00AA, code 170: the highest that scrambles
    lines[1] = "\xE2\x82\xAC Ann"; // the euro sign has no single-byte form
    lines[2] = "Jos\xC3\xA9";      // code 233 has no scrambled form
    const std::string bytes = EncodeChartFile(lines);
    const std::string expected = Bytes({0xFF, 's' + 85, 'o' + 85, 'J' + 85, 13, 10}) +
                                 ScrambleText("Ann") + "\r\n" + ScrambleText("Jos") + "\r\n";
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    EXPECT_EQ(bytes.size(), expected.size() + 14 * 2);
}

TEST(DecodeChartFile, ShortFileLeavesTheMissingLinesEmpty) {
    const std::string bytes = FileBytes(kData / "short_12_lines.kvr");
    const ChartLines lines = DecodeChartFile(bytes);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(lines[i], kAnnLines[i]) << i;
    }
    for (int i = 12; i < kChartLineCount; ++i) {
        EXPECT_EQ(lines[i], "") << i;
    }
    EXPECT_EQ(DecodeChartFile(""), ChartLines{});
}

TEST(DecodeChartFile, LinesAfterTheSeventeenthAreIgnored) {
    std::string bytes = EncodeChartFile(kAnnLines);
    bytes += ScrambleText("extra") + "\r\n" + ScrambleText("more");
    EXPECT_EQ(DecodeChartFile(bytes), kAnnLines);
}

TEST(DecodeChartFile, AcceptsBareLineFeedsAndCarriageReturns) {
    const std::string a = ScrambleText("Ann");
    const std::string three = ScrambleText("3");
    const std::string fifteen = ScrambleText("15");
    for (const std::string& bytes :
         {a + "\n" + three + "\n" + fifteen + "\n", a + "\r" + three + "\r" + fifteen,
          a + "\r\n" + three + "\n" + fifteen + "\r\n"}) {
        const ChartLines lines = DecodeChartFile(bytes);
        EXPECT_EQ(lines[0], "Ann");
        EXPECT_EQ(lines[1], "3");
        EXPECT_EQ(lines[2], "15");
        EXPECT_EQ(lines[3], "");
    }
    // An empty line in the middle stays a line of its own.
    const ChartLines lines = DecodeChartFile(a + "\r\n\r\n" + three + "\n\r" + fifteen);
    EXPECT_EQ(lines[0], "Ann");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "3");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "15");
}

TEST(DecodeChartFile, HighCodesComeBackAsUtf8) {
    const ChartLines lines = DecodeChartFile(ScrambleText(Bytes({'J', 'o', 's', 0xAA})));
    EXPECT_EQ(lines[0], "Jos\xC2\xAA");
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

TEST(ApplyChartLines, AnnFileFillsTheEntryOfAFreshWindow) {
    EntryForm entry;
    ApplyChartLines(DecodeChartFile(FileBytes(kData / "ann_new_delhi.kvr")), entry);
    EXPECT_EQ(entry.name, "Ann");
    EXPECT_EQ(ListItemText(EntryList::Month, entry.monthIndex), "March");
    EXPECT_EQ(ListItemText(EntryList::Day, entry.dayIndex), "15");
    EXPECT_EQ(ListItemText(EntryList::Year, entry.yearIndex), "1990");
    EXPECT_EQ(ListItemText(EntryList::Hour, entry.hourIndex), "8");
    EXPECT_EQ(ListItemText(EntryList::Minute, entry.minuteIndex), "30");
    EXPECT_EQ(ListItemText(EntryList::TimeZone, entry.zoneIndex), "Indian Time, IST, +5.3");
    EXPECT_EQ(entry.lonDeg, "77");
    EXPECT_EQ(entry.lonMin, "12");
    EXPECT_EQ(entry.latDeg, "28");
    EXPECT_EQ(entry.latMin, "36");
    EXPECT_EQ(entry.longitude, LongitudeChoice::East);
    EXPECT_EQ(entry.latitude, LatitudeChoice::North);
    EXPECT_FALSE(entry.dst);
    EXPECT_EQ(entry.city, "New Delhi");
    EXPECT_EQ(entry.state, "Delhi");
    EXPECT_EQ(entry.country, "India");
    EXPECT_EQ(ValidateInput(entry), std::nullopt);
    EXPECT_EQ(CopyEntry(entry, BirthDetails{}), AnnDetails());
}

TEST(ApplyChartLines, ShortFileSelectsSouthTicksDaylightSavingAndStopsAtTheCity) {
    const ChartReadResult read = ReadChartFile((kData / "short_12_lines.kvr").string());
    ASSERT_TRUE(read.lines.has_value()) << read.error;
    EntryForm entry;
    ApplyChartLines(*read.lines, entry);
    EXPECT_EQ(entry.latitude, LatitudeChoice::South);
    EXPECT_TRUE(entry.dst);
    EXPECT_EQ(entry.longitude, LongitudeChoice::East);
    EXPECT_EQ(entry.city, "");
    const auto fault = ValidateInput(entry);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->message, "Please Enter Your City name");
    EXPECT_EQ(fault->focus, EntryControl::City);
}

TEST(ApplyChartLines, ZoneRow69SelectsYukonStandardTime) {
    const ChartReadResult read = ReadChartFile((kData / "yukon_zone_69.kvr").string());
    ASSERT_TRUE(read.lines.has_value()) << read.error;
    EntryForm entry;
    ApplyChartLines(*read.lines, entry);
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
    entry.monthIndex = 5;
    entry.yearIndex = 7;
    entry.hourIndex = 9;
    entry.minuteIndex = 11;
    entry.zoneIndex = 13;
    return entry;
}

TEST(ApplyChartLines, ValueThatDoesNotFitLeavesItsFieldAndTheRestStillApply) {
    ChartLines lines = kAnnLines;
    lines[0] = "St. Ann"; // a full stop cannot be typed into the name
    lines[1] = "13";      // no thirteenth month
    lines[2] = "015";     // not an item of the day list
    lines[3] = "1900";    // before the year list
    lines[4] = "25";      // after the hour list
    lines[5] = " 30";     // the item text is "30"
    lines[6] = "70";      // no zone row 70
    lines[7] = "1234";    // four digits do not fit
    lines[8] = "1a";      // letters do not fit a number box
    lines[9] = "-5";      // nor does a sign
    lines[10] = "3 6";    // nor a blank
    lines[14] = "New Delhi1";
    lines[15] = "Del\xC3\xAD";
    lines[16] = "\xE0\xA4\xAD\xE0\xA4\xBE";
    const EntryForm before = OtherEntry();
    EntryForm entry = before;
    ApplyChartLines(lines, entry);
    EntryForm expected = before;
    expected.longitude = LongitudeChoice::East;
    expected.latitude = LatitudeChoice::North;
    expected.dst = false;
    EXPECT_EQ(entry, expected);

    lines[0] = "Ann";
    lines[6] = "-1";
    lines[9] = "28";
    entry = before;
    ApplyChartLines(lines, entry);
    EXPECT_EQ(entry.name, "Ann");
    EXPECT_EQ(entry.zoneIndex, before.zoneIndex);
    EXPECT_EQ(entry.latDeg, "28");
    EXPECT_EQ(entry.lonDeg, before.lonDeg);
}

TEST(ApplyChartLines, MonthIsANumberTakenToTheNearestPosition) {
    const auto monthAfter = [](std::string line) {
        ChartLines lines = kAnnLines;
        lines[1] = std::move(line);
        EntryForm entry = OtherEntry(); // June
        ApplyChartLines(lines, entry);
        return entry.monthIndex;
    };
    EXPECT_EQ(monthAfter("1"), 0);
    EXPECT_EQ(monthAfter("12"), 11);
    EXPECT_EQ(monthAfter(" 3 "), 2);
    EXPECT_EQ(monthAfter("3.4"), 2);
    EXPECT_EQ(monthAfter("3.5"), 2); // 2.5 goes to the even neighbour
    EXPECT_EQ(monthAfter("4.5"), 4); // 3.5 goes to 4
    EXPECT_EQ(monthAfter("0.6"), 0);
    EXPECT_EQ(monthAfter("0"), 5);
    EXPECT_EQ(monthAfter("12.6"), 5);
    EXPECT_EQ(monthAfter("March"), 5);
    EXPECT_EQ(monthAfter(""), 5);
    EXPECT_EQ(monthAfter("1e400"), 5);
}

TEST(ApplyChartLines, ZoneRowIsAWholeNumber) {
    const auto zoneAfter = [](std::string line) {
        ChartLines lines = kAnnLines;
        lines[6] = std::move(line);
        EntryForm entry = OtherEntry(); // row 13
        ApplyChartLines(lines, entry);
        return entry.zoneIndex;
    };
    EXPECT_EQ(zoneAfter("0"), 0);
    EXPECT_EQ(zoneAfter("69"), 69);
    EXPECT_EQ(zoneAfter("69.4"), 69);
    EXPECT_EQ(zoneAfter("69.5"), 13); // 70 is outside the catalogue
    EXPECT_EQ(zoneAfter("x"), 13);
    EXPECT_EQ(zoneAfter(""), 13);
}

TEST(ApplyChartLines, EmptyLinesEmptyTheBoxes) {
    EntryForm entry = OtherEntry();
    ApplyChartLines(ChartLines{}, entry);
    EXPECT_EQ(entry.name, "");
    EXPECT_EQ(entry.latDeg, "");
    EXPECT_EQ(entry.country, "");
    EXPECT_EQ(entry.monthIndex, OtherEntry().monthIndex);
    EXPECT_EQ(entry.dayIndex, OtherEntry().dayIndex);
    EXPECT_EQ(entry.latitude, LatitudeChoice::South);
    EXPECT_EQ(entry.longitude, LongitudeChoice::East);
    EXPECT_TRUE(entry.dst);
}

TEST(HasChartExtension, OnlyLowerCaseKvr) {
    EXPECT_TRUE(HasChartExtension("/home/ann/ann.kvr"));
    EXPECT_TRUE(HasChartExtension("kvr"));
    EXPECT_TRUE(HasChartExtension("annkvr")); // only the last three characters count
    EXPECT_FALSE(HasChartExtension("/home/ann/ann.KVR"));
    EXPECT_FALSE(HasChartExtension("ann.Kvr"));
    EXPECT_FALSE(HasChartExtension("ann.kvr.txt"));
    EXPECT_FALSE(HasChartExtension("vr"));
    EXPECT_FALSE(HasChartExtension(""));
}

class ChartFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("kovrel_chart_test_" + std::to_string(seed()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }
    fs::path folder_;
};

TEST_F(ChartFileOnDisk, SaveThenOpenGivesBackTheLines) {
    const std::string path = (folder_ / "ann.kvr").string();
    EXPECT_EQ(WriteChartFile(path, kAnnLines), "");
    EXPECT_EQ(FileBytes(path), FileBytes(kData / "ann_new_delhi.kvr"));
    const ChartReadResult read = ReadChartFile(path);
    EXPECT_EQ(read.error, "");
    ASSERT_TRUE(read.lines.has_value());
    EXPECT_EQ(*read.lines, kAnnLines);
    EXPECT_EQ(EntriesInFolder(), 1u); // no temporary file left behind
}

TEST_F(ChartFileOnDisk, SavingOverALongerFileLeavesNothingOfIt) {
    const fs::path path = folder_ / "ann.kvr";
    PutFile(path, std::string(4000, 'x'));
    EXPECT_EQ(WriteChartFile(path.string(), kAnnLines), "");
    EXPECT_EQ(FileBytes(path), EncodeChartFile(kAnnLines));
}

TEST_F(ChartFileOnDisk, EmptyFileReadsAsSeventeenEmptyLines) {
    const fs::path path = folder_ / "empty.kvr";
    PutFile(path, "");
    const ChartReadResult read = ReadChartFile(path.string());
    ASSERT_TRUE(read.lines.has_value()) << read.error;
    EXPECT_EQ(*read.lines, ChartLines{});
}

TEST_F(ChartFileOnDisk, FileThatCannotBeReadIsReportedAndGivesNoLines) {
    const std::string missing = (folder_ / "missing.kvr").string();
    ChartReadResult read = ReadChartFile(missing);
    EXPECT_FALSE(read.lines.has_value());
    EXPECT_EQ(read.error, "The file \"" + missing + "\" could not be read.");

    const fs::path directory = folder_ / "folder.kvr";
    fs::create_directory(directory);
    read = ReadChartFile(directory.string());
    EXPECT_FALSE(read.lines.has_value());
    EXPECT_EQ(read.error, "The file \"" + directory.string() + "\" could not be read.");
}

TEST_F(ChartFileOnDisk, FileWithoutReadPermissionIsReported) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    const fs::path path = folder_ / "locked.kvr";
    PutFile(path, EncodeChartFile(kAnnLines));
    fs::permissions(path, fs::perms::none);
    const ChartReadResult read = ReadChartFile(path.string());
    EXPECT_FALSE(read.lines.has_value());
    EXPECT_NE(read.error.find(path.string()), std::string::npos);
}

TEST_F(ChartFileOnDisk, SaveIntoAMissingFolderIsReported) {
    const std::string path = (folder_ / "no such folder" / "ann.kvr").string();
    EXPECT_EQ(WriteChartFile(path, kAnnLines),
              "The reading could not be saved to \"" + path + "\".");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ChartFileOnDisk, SaveOverAFolderFailsAndLeavesNoTemporaryFile) {
    const fs::path target = folder_ / "taken.kvr";
    fs::create_directory(target);
    PutFile(target / "inside", "kept");
    EXPECT_NE(WriteChartFile(target.string(), kAnnLines), "");
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(FileBytes(target / "inside"), "kept");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(ChartFileOnDisk, FailedSaveInAReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder";
    }
    const fs::path path = folder_ / "ann.kvr";
    const std::string old = EncodeChartFile(kAnnLines);
    PutFile(path, old);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    ChartLines other = kAnnLines;
    other[0] = "Bo";
    EXPECT_NE(WriteChartFile(path.string(), other), "");
    EXPECT_EQ(FileBytes(path), old);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(ChartFileOnDisk, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes any file";
    }
    const fs::path path = folder_ / "ann.kvr";
    const std::string old = EncodeChartFile(kAnnLines);
    PutFile(path, old);
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_NE(WriteChartFile(path.string(), ChartLines{}), "");
    EXPECT_EQ(FileBytes(path), old);
}

TEST_F(ChartFileOnDisk, SavingThroughALinkReplacesTheFileItPointsTo) {
    const fs::path real = folder_ / "real.kvr";
    const fs::path link = folder_ / "link.kvr";
    PutFile(real, "old");
    fs::create_symlink(real, link);
    EXPECT_EQ(WriteChartFile(link.string(), kAnnLines), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileBytes(real), EncodeChartFile(kAnnLines));
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
    EntryForm entry;
    entry.name = word();
    entry.city = word();
    entry.state = word();
    entry.country = word();
    entry.latDeg = std::to_string(pick(0, 999));
    entry.latMin = std::to_string(pick(0, 999));
    entry.lonDeg = std::to_string(pick(0, 999));
    entry.lonMin = std::to_string(pick(0, 999));
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
        if (ValidateInput(entry)) {
            continue; // a day the month does not have
        }
        const BirthDetails details = CopyEntry(entry, BirthDetails{});
        const std::string bytes = EncodeChartFile(ChartLinesFor(details, entry.zoneIndex));
        EntryForm reopened;
        ApplyChartLines(DecodeChartFile(bytes), reopened);

        EntryForm expected = entry;
        expected.name = TrimBlanks(entry.name); // saved without its blanks
        expected.city = TrimBlanks(entry.city);
        expected.state = TrimBlanks(entry.state);
        expected.country = TrimBlanks(entry.country);
        ASSERT_EQ(reopened, expected) << "entry " << i << " name \"" << entry.name << '"';
        ASSERT_EQ(ValidateInput(reopened), std::nullopt);
        BirthDetails again = CopyEntry(reopened, BirthDetails{});
        again.Name = details.Name; // the only field the file trims that the record keeps
        ASSERT_EQ(again, details);
        ++checked;
    }
    EXPECT_GT(checked, 1900);
}

} // namespace
} // namespace kovrel
