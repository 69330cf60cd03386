#include "relationships/ColourScience.h"
#include "relationships/RelationColours.h"
#include "relationships/RelationTexts.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

constexpr Rgb kBlack = {0, 0, 0};

TEST(ContrastRatio, FollowsTheWcagDefinition) {
    // WCAG 2: black on white is 21:1, a colour on itself 1:1, whichever comes first.
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1.0, 1e-9);
    // #767676 is the well-known lightest grey that passes 4.5:1 on white (4.54:1); #777777 fails.
    EXPECT_NEAR(ContrastRatio(kWhite, {0x76, 0x76, 0x76}), 4.54, 0.005);
    EXPECT_LT(ContrastRatio(kWhite, {0x77, 0x77, 0x77}), 4.5);
}

TEST(LabOf, WhiteBlackAndGrey) {
    // CIE L*a*b*: white is L* 100, black 0, greys have no a* or b*; sRGB 119 grey is about L* 50.
    EXPECT_NEAR(LabOf(kWhite).lightness, 100.0, 0.01);
    EXPECT_NEAR(LabOf(kWhite).a, 0.0, 0.01);
    EXPECT_NEAR(LabOf(kBlack).lightness, 0.0, 1e-9);
    EXPECT_NEAR(LabOf({119, 119, 119}).lightness, 50.0, 0.2);
    EXPECT_NEAR(LabOf({119, 119, 119}).b, 0.0, 0.01);
}

TEST(CompoundScale, WhiteTextIsReadableOnEveryStep) {
    for (std::size_t step = 0; step < CompoundScale.size(); ++step) {
        EXPECT_GE(ContrastRatio(kWhite, CompoundScale[step]), 4.5)
            << CompoundText(CompoundKind(step));
    }
}

TEST(CompoundScale, NeighbouringStepsDifferInLightness) {
    for (std::size_t step = 0; step + 1 < CompoundScale.size(); ++step) {
        const double difference =
            LabOf(CompoundScale[step]).lightness - LabOf(CompoundScale[step + 1]).lightness;
        EXPECT_GE(std::abs(difference), 8.0) << CompoundText(CompoundKind(step));
    }
}

TEST(CompoundScale, EveryTwoStepsStayApartWithoutRedOrGreenCones) {
    for (const ColourVision vision : {ColourVision::Protanopia, ColourVision::Deuteranopia}) {
        for (std::size_t i = 0; i < CompoundScale.size(); ++i) {
            for (std::size_t j = i + 1; j < CompoundScale.size(); ++j) {
                const double difference =
                    ColourDifference(SimulateColourVision(CompoundScale[i], vision),
                                     SimulateColourVision(CompoundScale[j], vision));
                EXPECT_GE(difference, 15.0)
                    << CompoundText(CompoundKind(i)) << " / " << CompoundText(CompoundKind(j));
            }
        }
    }
}

TEST(SimulateColourVision, MergesRedAndGreenButKeepsGreys) {
    constexpr Rgb red = {255, 0, 0};
    constexpr Rgb green = {0, 255, 0};
    const double normal = ColourDifference(red, green);
    for (const ColourVision vision : {ColourVision::Protanopia, ColourVision::Deuteranopia}) {
        EXPECT_LT(ColourDifference(SimulateColourVision(red, vision),
                                   SimulateColourVision(green, vision)),
                  normal / 2.0);
        EXPECT_EQ(SimulateColourVision(kWhite, vision), kWhite);
        EXPECT_EQ(SimulateColourVision(kBlack, vision), kBlack);
        const Rgb grey = SimulateColourVision({128, 128, 128}, vision);
        EXPECT_NEAR(grey.red, 128, 1);
        EXPECT_NEAR(grey.blue, 128, 1);
    }
}

TEST(CompoundBackground, OneStepPerCompoundKindInTheOrderOfTheWords) {
    // The scale runs with the words: the best relation darkest blue, the worst darkest brown.
    EXPECT_EQ(CompoundText(CompoundKind::GreatFriend), "Great Friend");
    EXPECT_EQ(CompoundBackground(CompoundKind::GreatFriend), CompoundScale[0]);
    EXPECT_EQ(CompoundText(CompoundKind::Neutral), "Neutral");
    EXPECT_EQ(CompoundBackground(CompoundKind::Neutral), CompoundScale[2]);
    EXPECT_EQ(CompoundText(CompoundKind::Enemy), "Enemy");
    EXPECT_EQ(CompoundBackground(CompoundKind::Enemy), CompoundScale[3]);
    EXPECT_EQ(CompoundText(CompoundKind::GreatEnemy), "Great Enemy");
    EXPECT_EQ(CompoundBackground(CompoundKind::GreatEnemy), CompoundScale[4]);
}

} // namespace
} // namespace kovrel::test
