#include "relationships/RowSentence.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

// The rows are those of the New Delhi reading of the saved-file example: natural Sun and Moon,
// temporary Sun (its neutral cell is always empty).
TEST(RowSentence, ReadsARowOfTheListPanelAsOneSentence) {
    EXPECT_EQ(RowSentence("Sun", "Moon/ Mars/ Jupiter", "Venus/ Saturn", "Mercury"),
              "Sun: friends Moon, Mars, Jupiter; enemies Venus, Saturn; neutral Mercury");
    EXPECT_EQ(RowSentence("Moon", "Sun/ Mercury", "", "Mars/ Jupiter/ Venus/ Saturn"),
              "Moon: friends Sun, Mercury; no enemies; neutral Mars, Jupiter, Venus, Saturn");
    EXPECT_EQ(RowSentence("Sun", "Jupiter/ Saturn/ Venus/ Mars/ Mercury", "Moon", ""),
              "Sun: friends Jupiter, Saturn, Venus, Mars, Mercury; enemies Moon");
    EXPECT_EQ(RowSentence("Mars", "", "", ""), "Mars: no friends; no enemies");
}

} // namespace
} // namespace kovrel
