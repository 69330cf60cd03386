#include "AnnReading.h"
#include "chart/BirthTexts.h"
#include "chart/ReadingDocument.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

using Row = std::vector<std::string>;

class AnnDocument : public ::testing::Test {
  protected:
    ReadingDocument document = MakeReadingDocument(AnnShown());
    std::string Field(const std::string& label) const {
        for (const DocumentField& field : document.birthDetails) {
            if (field.label == label) {
                return field.value;
            }
        }
        return "(no field " + label + ")";
    }
};

TEST_F(AnnDocument, FirstPageHoldsTheBirthDetails) {
    EXPECT_EQ(document.header, "Ann");
    EXPECT_EQ(document.programName, "Kovrel v1.15");
    // The entry of the New Delhi example, as typed.
    EXPECT_EQ(Field("Name"), "Ann");
    EXPECT_EQ(Field("Date"), "15 March 1990");
    EXPECT_EQ(Field("Time"), "08:30");
    EXPECT_EQ(Field("Time zone"), "Indian Time, IST, +5.3");
    EXPECT_EQ(Field("Daylight saving"), "No");
    EXPECT_EQ(Field("City"), "New Delhi");
    EXPECT_EQ(Field("State"), "Delhi");
    EXPECT_EQ(Field("Country"), "India");
    EXPECT_EQ(Field("Latitude"), "28\u00B0 36' N");
    EXPECT_EQ(Field("Longitude"), "77\u00B0 12' E");
    // Ann's ayanamsa, -23.72442 (the shared fixture of the reading).
    EXPECT_EQ(Field("Ayanamsa").substr(0, 9), "-23.72442");
    ASSERT_EQ(document.birthDetails.size(), 11u);
}

TEST_F(AnnDocument, PositionsTableNamesEachPlanetsSign) {
    const DocumentTable& table = document.positions;
    EXPECT_EQ(table.headings, (Row{"Planet", "Placement", "Sign", "Degrees", "Dignity"}));
    // Ann's placements (worked example), their dignities read off her compound grid, and the
    // ascendant of the reference library's figures for her birth.
    EXPECT_EQ(table.rows,
              (std::vector<Row>{
                  {"Sun", "00 Pis 41", "Pisces", "00\u00B0 41'", "in a Great Friend's sign"},
                  {"Moon", "11 Lib 33", "Libra", "11\u00B0 33'", "in a Friend's sign"},
                  {"Mercury", "26 Aqu 55", "Aquarius", "26\u00B0 55'", "in a Friend's sign"},
                  {"Venus", "15 Cap 14", "Capricorn", "15\u00B0 14'", "in a Great Friend's sign"},
                  {"Mars", "08 Cap 59", "Capricorn", "08\u00B0 59'", "exalted"},
                  {"Jupiter", "07 Gem 50", "Gemini", "07\u00B0 50'", "in a Great Enemy's sign"},
                  {"Saturn", "29 Sag 37", "Sagittarius", "29\u00B0 37'", "in an Enemy's sign"},
                  {"Ascendant", "10 Ari 21", "Aries", "10\u00B0 21'", ""}}));
    // Both routes put every planet of Ann's in the same sign: no footnote, no caption.
    EXPECT_TRUE(document.positionNotes.empty());
    EXPECT_EQ(document.positionsCaption, "");
}

TEST_F(AnnDocument, RelationshipTablesReadLikeTheResultPanels) {
    const auto& [natural, temporary, compound] = document.relationships;
    const Row listHeadings{"Planet", "Friends (mitra)", "Enemies (satru)", "Neutral (sama)"};
    EXPECT_EQ(natural.title, "Natural Relationship");
    EXPECT_EQ(natural.headings, listHeadings);
    ASSERT_EQ(natural.rows.size(), 7u);
    // The natural table: the Moon has no enemies, Mercury's friends are the Sun and Venus.
    EXPECT_EQ(natural.rows[1][0], "Moon");
    EXPECT_EQ(natural.rows[1][2], "");
    EXPECT_EQ(natural.rows[2][1], "Sun/ Venus");
    EXPECT_FALSE(natural.compound);

    EXPECT_EQ(temporary.title, "Temporary Relationship");
    EXPECT_EQ(temporary.headings, listHeadings);
    // Ann's temporary panel, Sun and Moon rows (worked example); the neutral column is empty.
    EXPECT_EQ(temporary.rows[0], (Row{"Sun", "Jupiter/ Saturn/ Venus/ Mars/ Mercury", "Moon", ""}));
    EXPECT_EQ(temporary.rows[1], (Row{"Moon", "Saturn/ Venus/ Mars", "Mercury/ Sun/ Jupiter", ""}));

    EXPECT_EQ(compound.title, "Compound Relationship");
    ASSERT_TRUE(compound.compound);
    EXPECT_EQ(*compound.compound, kAnnCompound);
    EXPECT_EQ(compound.headings,
              (Row{"", "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"}));
    ASSERT_EQ(compound.rows.size(), 7u);
    for (std::size_t r = 0; r < 7; ++r) {
        ASSERT_EQ(compound.rows[r].size(), 8u);
        EXPECT_EQ(compound.rows[r][0], PlanetNames[r].text());
        for (std::size_t c = 0; c < 7; ++c) {
            // Ann's compound grid (the shared fixture, checked against the worked Sun row).
            EXPECT_EQ(compound.rows[r][c + 1], CompoundText(kAnnCompound[r][c])) << r << "," << c;
        }
    }
}

TEST_F(AnnDocument, FooterCarriesProgramAndPageNumber) {
    EXPECT_EQ(PageFooterText(document, 2, 3), "Kovrel v1.15 - page 2 of 3");
}

TEST(DocumentFileStem, KeepsLettersDigitsAndJoinsWordsWithUnderscores) {
    BirthDetails birth;
    birth.Name = "Ann";
    EXPECT_EQ(DocumentFileStem(birth), "Ann");
    birth.Name = " Mary  Ann ";
    EXPECT_EQ(DocumentFileStem(birth), "Mary_Ann");
    birth.Name = "../x";
    EXPECT_EQ(DocumentFileStem(birth), "x");
    birth.Name = "";
    EXPECT_EQ(DocumentFileStem(birth), "reading");
}

TEST(BirthTexts, HemispheresZoneRowsAndOddMonths) {
    BirthDetails birth = AnnDetails();
    birth.SouthFlag = true;
    birth.EastFlag = false;
    birth.DstFlag = true;
    EXPECT_EQ(LatitudeText(birth), "28\u00B0 36' S");
    EXPECT_EQ(LongitudeText(birth), "77\u00B0 12' W");
    EXPECT_EQ(DaylightSavingText(birth), "Yes");
    birth.Month = 13;
    EXPECT_EQ(BirthDateText(birth), "15 13 1990");
    birth.City = "";
    EXPECT_EQ(BirthPlaceText(birth), "Delhi, India");
    // Row 34 is the Indian zone of the example; 70 is past the 70 rows of the catalogue.
    EXPECT_EQ(ZoneRowText(34), "Indian Time, IST, +5.3");
    EXPECT_EQ(ZoneRowText(70), "");
    EXPECT_EQ(ZoneRowText(-1), "");
}

} // namespace
} // namespace kovrel::test
