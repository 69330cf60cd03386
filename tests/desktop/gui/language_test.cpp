// The Language menu: a reading on screen is said again at once in the chosen language, and
// English comes back exactly as it was.
#include "GuiFixture.h"

#include "common/gui/Translation.h"
#include "relationships/RelationTexts.h"

#include <QActionGroup>
#include <QGroupBox>
#include <QMenu>

namespace kovrel::test {
namespace {

// The first letter of each language's script block, and the one after its end.
struct Script {
    Language language;
    char16_t first;
    char16_t last;
};

class LanguageMenu : public MainWindowFixture, public ::testing::WithParamInterface<Script> {
  protected:
    QString tabCaption(int index) const { return get<QTabBar>("TS").tabText(index); }
    // Sun towards Mars in Ann's grid: a Great Friend.
    QString sunTowardsMars() const { return label("lblCompound_4"); }
};

TEST_P(LanguageMenu, SaysTheReadingInTheLanguageAndEnglishComesBack) {
    const Script script = GetParam();
    calculateNewDelhi();
    clickTab(2);
    ASSERT_EQ(sunTowardsMars(), "Great Friend"); // Ann's compound grid, row Sun, column Mars
    action("mnuPrecisePositions").trigger();

    action(QStringLiteral("mnuLanguage_") + QLatin1String(Info(script.language).code)).trigger();
    EXPECT_EQ(window->language(), script.language);
    const auto inScript = [&script](const QString& text) {
        return !text.isEmpty() && text.front() >= QChar(script.first) &&
               text.front() < QChar(script.last);
    };
    EXPECT_TRUE(inScript(tabCaption(2))) << tabCaption(2).toStdString();
    EXPECT_TRUE(inScript(sunTowardsMars())) << sunTowardsMars().toStdString();
    EXPECT_TRUE(inScript(get<QGroupBox>("fraMain").title()));
    EXPECT_EQ(frontResultPanel(), "fraResult_2") << "the grid stays in front";
    if (script.language == Language::Hindi) {
        // The Hindi term of the field for a Great Friend: अधिमित्र.
        EXPECT_EQ(sunTowardsMars(), QString::fromUtf8("\u0905\u0927\u093F\u092E\u093F\u0924"
                                                      "\u094D\u0930"));
    }
    EXPECT_TRUE(action("mnuPrecisePositions").isChecked()) << "the positions keep their choice";

    action("mnuLanguage_en").trigger();
    EXPECT_EQ(tabCaption(2), "Compound (Panchadha)");
    EXPECT_EQ(sunTowardsMars(), "Great Friend");
    EXPECT_EQ(get<QGroupBox>("fraMain").title(), "Personal Details");
    EXPECT_EQ(get<QMenu>("mnuFile").title(), "&File");
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, LanguageMenu,
                         ::testing::Values(Script{Language::Hindi, 0x0900, 0x0980},
                                           Script{Language::Tamil, 0x0B80, 0x0C00},
                                           Script{Language::Telugu, 0x0C00, 0x0C80},
                                           Script{Language::Kannada, 0x0C80, 0x0D00},
                                           Script{Language::Malayalam, 0x0D00, 0x0D80}),
                         [](const auto& info) {
                             return std::string(Info(info.param.language).code);
                         });

} // namespace
} // namespace kovrel::test
