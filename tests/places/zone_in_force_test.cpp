// The offset in force, read from the system's zone database. The offsets, abbreviations and
// change times come from `zdump -v` of Debian's tzdata (2025b) for the zone and year named.
#include "places/ZoneInForce.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

ZoneInForce InForce(const char* zone, LocalDateTime local) {
    const Result<ZoneInForce> result = ZoneInForceAt(zone, local);
    if (!result) {
        ADD_FAILURE() << zone << ": " << result.fault().message;
        return ZoneInForce{};
    }
    return *result;
}

TEST(ZoneInForce, GivesTheOffsetAndDaylightSavingOfTheDay) {
    const struct {
        const char* zone;
        LocalDateTime local;
        int offsetSeconds;
        bool dst;
        const char* abbreviation;
    } cases[] = {
        {"Asia/Kolkata", {1990, 3, 15, 8, 30}, 19800, false, "IST"},       // zdump 1990
        {"America/New_York", {1990, 7, 4, 12, 0}, -14400, true, "EDT"},    // zdump 1990
        {"America/New_York", {1990, 1, 15, 12, 0}, -18000, false, "EST"},  // zdump 1990
        {"Europe/London", {1941, 6, 15, 12, 0}, 7200, true, "BDST"},       // zdump 1941
        {"Australia/Adelaide", {1990, 1, 15, 12, 0}, 37800, true, "ACDT"}, // zdump 1990
        {"Asia/Kathmandu", {1985, 6, 15, 12, 0}, 19800, false, "+0530"},   // zdump 1985
        {"Asia/Kathmandu", {1990, 6, 15, 12, 0}, 20700, false, "+0545"},   // zdump 1986 on
        {"Asia/Kabul", {1990, 6, 15, 12, 0}, 16200, false, "+0430"},       // zdump 1945 on
        {"Europe/Amsterdam", {1935, 7, 15, 12, 0}, 4772, true, "NST"},     // zdump 1935
        {"Europe/Amsterdam", {1935, 1, 15, 12, 0}, 1172, false, "AMT"},    // zdump 1935
        {"Europe/Saratov", {2020, 1, 15, 12, 0}, 14400, false, "+04"},     // zdump 2016 on
        {"Europe/Madrid", {1990, 7, 15, 12, 0}, 7200, true, "CEST"},       // zdump 1990
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.year));
        const ZoneInForce z = InForce(c.zone, c.local);
        EXPECT_EQ(z.kind, LocalTimeKind::Unique);
        EXPECT_EQ(z.before.offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(z.before.dst, c.dst);
        EXPECT_EQ(z.before.abbreviation, c.abbreviation);
        EXPECT_EQ(z.after, z.before);
    }
}

TEST(ZoneInForce, SaysWhenTheClocksSkippedOrRepeatedTheTime) {
    // zdump 1990: New York went from 02:00 EST to 03:00 EDT on 1 April and from 02:00 EDT back
    // to 01:00 EST on 28 October.
    const ZoneInForce gap = InForce("America/New_York", {1990, 4, 1, 2, 30});
    EXPECT_EQ(gap.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(gap.before, (ZoneOffset{-18000, false, "EST"}));
    EXPECT_EQ(gap.after, (ZoneOffset{-14400, true, "EDT"}));

    const ZoneInForce twice = InForce("America/New_York", {1990, 10, 28, 1, 30});
    EXPECT_EQ(twice.kind, LocalTimeKind::Repeated);
    EXPECT_EQ(twice.before, (ZoneOffset{-14400, true, "EDT"}));
    EXPECT_EQ(twice.after, (ZoneOffset{-18000, false, "EST"}));

    // One minute either side of each change is an ordinary time.
    EXPECT_EQ(InForce("America/New_York", {1990, 4, 1, 1, 59}).kind, LocalTimeKind::Unique);
    EXPECT_EQ(InForce("America/New_York", {1990, 4, 1, 3, 0}).kind, LocalTimeKind::Unique);
    EXPECT_EQ(InForce("America/New_York", {1990, 10, 28, 0, 59}).kind, LocalTimeKind::Unique);
    EXPECT_EQ(InForce("America/New_York", {1990, 10, 28, 2, 0}).kind, LocalTimeKind::Unique);
}

TEST(ZoneInForce, TakesHour24AsMidnightOfTheNextDay) {
    // zdump: Kathmandu moved from +05:30 to +05:45 at 00:00 on 1 January 1986 (to 00:15).
    const ZoneInForce before = InForce("Asia/Kathmandu", {1985, 12, 31, 23, 30});
    EXPECT_EQ(before.before.offsetSeconds, 19800);
    const ZoneInForce after = InForce("Asia/Kathmandu", {1985, 12, 31, 24, 30});
    EXPECT_EQ(after.clock, (LocalDateTime{1986, 1, 1, 0, 30}));
    EXPECT_EQ(after.before.offsetSeconds, 20700);
    const ZoneInForce inTheGap = InForce("Asia/Kathmandu", {1985, 12, 31, 24, 10});
    EXPECT_EQ(inTheGap.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(inTheGap.clock, (LocalDateTime{1986, 1, 1, 0, 10}));
    // The carry also crosses the end of February in a leap year.
    EXPECT_EQ(InForce("UTC", {2000, 2, 28, 24, 0}).clock, (LocalDateTime{2000, 2, 29, 0, 0}));
    EXPECT_EQ(InForce("UTC", {2000, 2, 29, 24, 0}).clock, (LocalDateTime{2000, 3, 1, 0, 0}));
}

TEST(ZoneInForce, RefusesUnknownZonesAndTimesTheCalendarLacks) {
    for (const char* zone : {"Mars/Olympus_Mons", "", "localtime", "/etc/localtime",
                             "../zoneinfo/UTC", "Asia/Kolkata "}) {
        const auto result = ZoneInForceAt(zone, {1990, 3, 15, 8, 30});
        ASSERT_FALSE(result) << zone;
        EXPECT_FALSE(result.fault().message.empty()) << zone;
    }
    for (const LocalDateTime& local :
         {LocalDateTime{1990, 2, 30, 12, 0}, LocalDateTime{1900, 2, 29, 12, 0},
          LocalDateTime{1990, 13, 1, 12, 0}, LocalDateTime{1990, 1, 1, 25, 0},
          LocalDateTime{1990, 1, 1, 12, 60}, LocalDateTime{2051, 1, 1, 0, 0},
          LocalDateTime{1990, 0, 1, 0, 0}}) {
        const auto result = ZoneInForceAt("Asia/Kolkata", local);
        ASSERT_FALSE(result) << local.year << "-" << local.month;
        EXPECT_FALSE(result.fault().message.empty());
    }
    // 29 February is refused only where the year lacks it.
    EXPECT_TRUE(ZoneInForceAt("Asia/Kolkata", {2000, 2, 29, 12, 0}).ok());
    EXPECT_FALSE(ZoneInForceAt("Asia/Kolkata", {1999, 2, 29, 12, 0}).ok());
}

TEST(UtcOffsetText, WritesHoursMinutesAndSecondsWhenThereAreAny) {
    EXPECT_EQ(UtcOffsetText(19800), "UTC+5:30");
    EXPECT_EQ(UtcOffsetText(-14400), "UTC-4:00");
    EXPECT_EQ(UtcOffsetText(-12600), "UTC-3:30");
    EXPECT_EQ(UtcOffsetText(4772), "UTC+1:19:32");
    EXPECT_EQ(UtcOffsetText(0), "UTC+0:00");
}

} // namespace
} // namespace kovrel::test
