#include "Examples.h"
#include "app/Calculation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kovrel::test {
namespace {

TEST(RunCalculation, AnnEntryGivesTheWorkedReadingAndStoresItInTheSession) {
    Session session;
    const Result<Reading> reading = RunCalculation(AnnEntry(), session);
    ASSERT_TRUE(reading.ok()) << ErrorOf(reading);
    EXPECT_EQ(session.birth, AnnDetails());
    EXPECT_EQ(session.zoneRow, 34); // "Indian Time, IST, +5.3"
    // The worked New Delhi reading: Pis Lib Aqu Cap Cap Gem Sag.
    EXPECT_EQ(reading->PlanetPlacements[0], "00 Pis 41");
    EXPECT_EQ(reading->PlanetPlacements[6], "29 Sag 37");
    EXPECT_EQ(session.reading.PlanetPlacements, reading->PlanetPlacements);
    EXPECT_EQ(session.reading.relationships, reading->relationships);
    EXPECT_EQ(reading->relationships.temporary.friends,
              TemporaryLists(reading->PlanetPlacements).friends);
}

TEST(RunCalculation, AFaultLeavesTheSessionAsItWas) {
    Session session;
    ASSERT_TRUE(RunCalculation(AnnEntry(), session).ok());
    const Session before = session;
    EntryForm entry = AnnEntry();
    entry.name = "";
    const Result<Reading> refused = RunCalculation(entry, session);
    EXPECT_EQ(FaultOf(refused),
              (Fault{"Please Enter Your Name", MessageIcon::Error, EntryControl::Name}));
    EXPECT_EQ(session.birth, before.birth);
    EXPECT_EQ(session.reading.PlanetPlacements, before.reading.PlanetPlacements);
}

TEST(RunCalculation, FieldsThatDoNotConvertKeepTheirValues) {
    Session session;
    ASSERT_TRUE(RunCalculation(AnnEntry(), session).ok());
    EntryForm entry = AnnEntry();
    entry.name = "Bea";
    entry.latDeg = "99999"; // beyond 16 bits: not a whole number
    entry.zoneIndex = 70;   // no such row: the four zone fields stay
    ASSERT_TRUE(RunCalculation(entry, session).ok());
    EXPECT_EQ(session.birth.Name, "Bea");
    EXPECT_EQ(session.birth.LatDegrees, 28);
    EXPECT_EQ(session.birth.TzHoursSigned, -5);
    EXPECT_EQ(session.birth.TzMinutesAbs, 30);
    EXPECT_EQ(session.zoneRow, 34);
}

TEST(ChoosePositions, PreciseSignsReachTheReadingAndClassicComesBackAsItWas) {
    using enum Planet;
    Session session;
    ASSERT_TRUE(RunCalculation(RaviEntry(), session).ok());
    // Classic positions are the classic reading itself, with Mars's second opinion beside it.
    const Reading classic = ComputeReading(session.birth);
    EXPECT_EQ(session.reading.PlanetPlacements, classic.PlanetPlacements);
    EXPECT_EQ(session.reading.relationships, classic.relationships);
    EXPECT_EQ(session.reading.Ayanamsa, classic.Ayanamsa);
    EXPECT_EQ(session.reading.PlanetPlacements[Index(Mars)], "00 Aqu 00"); // Ravi's, see above
    for (const Planet planet : kPlanets) {
        EXPECT_EQ(std::isnan(session.secondOpinion[Index(planet)]), planet != Mars)
            << PlanetName(planet);
        EXPECT_EQ(session.sameSign[Index(planet)], planet != Mars) << PlanetName(planet);
    }
    EXPECT_NEAR(session.secondOpinion[Index(Mars)], kRaviPreciseMars, 0.01);

    ChoosePositions(session, {PositionsMode::Precise, AyanamsaKind::Lahiri});
    EXPECT_EQ(session.reading.PlanetPlacements[Index(Mars)], "29 Cap 43");
    EXPECT_EQ(session.reading.relationships, RelationshipsOf(session.reading.PlanetPlacements));
    // Mars moves back into the Sun's own sign, out of the friendly second house from it.
    EXPECT_EQ(classic.relationships.compound[Index(Sun)][Index(Mars)], CompoundKind::GreatFriend);
    EXPECT_EQ(session.reading.relationships.compound[Index(Sun)][Index(Mars)],
              CompoundKind::Neutral);
    EXPECT_TRUE(std::isnan(session.secondOpinion[Index(Mars)])) << "no second opinion on itself";
    EXPECT_FALSE(session.sameSign[Index(Mars)]);

    ChoosePositions(session, {});
    EXPECT_EQ(session.reading.PlanetPlacements, classic.PlanetPlacements);
    EXPECT_EQ(session.reading.relationships, classic.relationships);
}

TEST(ApplyChartFile, RefusesAWrongExtensionAndAFileThatCannotBeRead) {
    const EntryForm shown = AnnEntry();
    EXPECT_EQ(ErrorOf(ApplyChartFile((kTestData / "ann_new_delhi.kvr.txt").string(), shown)),
              "Please Check The File.");
    const std::string missing = (kTestData / "no_such_file.kvr").string();
    EXPECT_EQ(ErrorOf(ApplyChartFile(missing, shown)),
              "The file \"" + missing + "\" could not be read.");
}

} // namespace
} // namespace kovrel::test
