// The Positions menu: precise signs reach the strip and the tabs at once, and the choice is kept
// in the settings, not in a saved reading.
#include "GuiFixture.h"

#include "desktop/gui/PositionsSetting.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

namespace kovrel::test {
namespace {

class PositionsChoiceTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        settings = std::make_unique<QSettings>(folder.filePath("kovrel.ini"), QSettings::IniFormat);
        newWindow();
    }
    void newWindow() {
        window.reset();
        window = std::make_unique<MainWindow>(dialogs, nullptr, settings.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Ravi's birth (Examples.h), where the classic Mars stands in Aquarius and the precise one in
    // Capricorn.
    void calculateRavi() {
        window->setEntry(RaviEntry());
        click("cmdCalculate");
        ASSERT_TRUE(dialogs.messages.empty());
    }
    QTemporaryDir folder;
    std::unique_ptr<QSettings> settings;
};

TEST_F(PositionsChoiceTest, PreciseSignsReachTheStripAndTheTabsAndTheChoiceIsKept) {
    EXPECT_TRUE(action("mnuClassicPositions").isChecked());
    EXPECT_TRUE(action("mnuAyanamsaLahiri").isChecked());
    calculateRavi();
    clickTab(2);
    // Ravi's classic Mars, marked, and the Sun's compound relation towards it (lblCompound_4).
    EXPECT_TRUE(label("lblPosition_4").startsWith("Mars 00 Aqu 00"));
    EXPECT_EQ(label("lblCompound_4"), "Great Friend");
    EXPECT_TRUE(get<QLabel>("lblPosition_4").toolTip().contains("29\u00B0 43' Capricorn"));

    action("mnuPrecisePositions").trigger();
    EXPECT_TRUE(action("mnuPrecisePositions").isChecked());
    EXPECT_FALSE(action("mnuClassicPositions").isChecked());
    EXPECT_EQ(label("lblPosition_4"), "Mars 29 Cap 43");
    EXPECT_EQ(frontResultPanel(), "fraResult_2") << "the grid stays in front, redrawn";
    EXPECT_EQ(label("lblCompound_4"), "Neutral");
    EXPECT_EQ(label("lblPositionsCaption"), "Precise positions, Lahiri ayanamsa");
    action("mnuAyanamsaRaman").trigger();
    EXPECT_EQ(label("lblPositionsCaption"), "Precise positions, Raman ayanamsa");

    // Kept in the settings as words, and read by a window started afterwards.
    EXPECT_EQ(settings->value(PositionsModeKey()).toString(), "precise");
    EXPECT_EQ(settings->value(AyanamsaKey()).toString(), "raman");
    newWindow();
    EXPECT_TRUE(action("mnuPrecisePositions").isChecked());
    EXPECT_TRUE(action("mnuAyanamsaRaman").isChecked());
    EXPECT_EQ(window->session().positions,
              (PositionsChoice{PositionsMode::Precise, AyanamsaKind::Raman}));
    calculateRavi();
    EXPECT_EQ(label("lblPositionsCaption"), "Precise positions, Raman ayanamsa");

    // A value the store cannot name is the default.
    settings->setValue(PositionsModeKey(), "exact");
    EXPECT_EQ(StoredPositions(settings.get()).mode, PositionsMode::Classic);
}

} // namespace
} // namespace kovrel::test
