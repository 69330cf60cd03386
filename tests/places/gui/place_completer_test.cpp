// The place completer on a real line edit, typed into and chosen from with QTest. Entries and
// their order are those of GeoNames' cities15000.txt (most populous first).
#include "places/Atlas.h"
#include "places/gui/PlaceCompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace kovrel::test {
namespace {

class PlaceCompleterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        edit = std::make_unique<QLineEdit>();
        completer = new PlaceCompleter(edit.get());
        edit->show();
        edit->activateWindow();
        edit->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    }

    QAbstractItemView* popup() const { return completer->completer()->popup(); }

    QStringList Entries() const {
        QStringList entries;
        const auto* model = popup()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            entries << model->index(row, 0).data().toString();
        }
        return entries;
    }

    std::unique_ptr<QLineEdit> edit;
    PlaceCompleter* completer = nullptr;
};

TEST_F(PlaceCompleterTest, TypingOffersPlacesAndTheKeyboardChoosesOne) {
    QSignalSpy chosen(completer, &PlaceCompleter::placeChosen);
    QTest::keyClicks(edit.get(), "pun");
    ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }));
    const QStringList entries = Entries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_LE(entries.size(), PlaceCompleter::kMaximumEntries);
    EXPECT_EQ(entries.front().toStdString(), "Pune, Maharashtra, India");

    QTest::keyClick(popup(), Qt::Key_Down);
    const int row = popup()->currentIndex().row();
    ASSERT_GE(row, 0);
    const QString expected = entries.at(row);
    QTest::keyClick(popup(), Qt::Key_Return);

    ASSERT_EQ(chosen.count(), 1);
    const AtlasCity city = AtlasCityAt(chosen.at(0).at(0).toInt());
    EXPECT_EQ(QString::fromStdString(ShownPlaceLabel(city)), expected);
    EXPECT_EQ(edit->text(), QString::fromUtf8(city.name.data(), city.name.size()));
    EXPECT_FALSE(popup()->isVisible());
}

TEST_F(PlaceCompleterTest, EnterChoosesTheFirstEntryAfterTheArrowKeysReachIt) {
    QSignalSpy chosen(completer, &PlaceCompleter::placeChosen);
    QTest::keyClicks(edit.get(), "Pune");
    ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }));
    for (int presses = 0; presses <= PlaceCompleter::kMaximumEntries; ++presses) {
        if (popup()->currentIndex().row() == 0) {
            break;
        }
        QTest::keyClick(popup(), Qt::Key_Down);
    }
    ASSERT_EQ(popup()->currentIndex().row(), 0);
    QTest::keyClick(popup(), Qt::Key_Enter);
    ASSERT_EQ(chosen.count(), 1);
    const AtlasCity city = AtlasCityAt(chosen.at(0).at(0).toInt());
    EXPECT_EQ(city.ianaZone, "Asia/Kolkata");
    EXPECT_EQ(edit->text(), "Pune");
}

TEST_F(PlaceCompleterTest, TheMouseChoosesAnEntry) {
    QSignalSpy chosen(completer, &PlaceCompleter::placeChosen);
    QTest::keyClicks(edit.get(), "lon");
    ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }));
    const QStringList entries = Entries();
    ASSERT_GE(entries.size(), 2);
    const QRect second = popup()->visualRect(popup()->model()->index(1, 0));
    QTest::mouseClick(popup()->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(QString::fromStdString(ShownPlaceLabel(AtlasCityAt(chosen.at(0).at(0).toInt()))),
              entries.at(1));
}

TEST_F(PlaceCompleterTest, EscapeAndUnknownNamesChooseNothing) {
    QSignalSpy chosen(completer, &PlaceCompleter::placeChosen);
    QTest::keyClicks(edit.get(), "lon");
    ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }));
    QTest::keyClick(popup(), Qt::Key_Escape);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(edit->text(), "lon");

    edit->clear();
    QTest::keyClicks(edit.get(), "qqqq");
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(PlaceCompleterTest, TheStateAndCountryBoxesPutTheirPlacesFirstAndEntriesShowWhole) {
    QLineEdit state;
    QLineEdit country;
    completer->setNarrowing([&] { return std::pair{state.text(), country.text()}; });
    edit->setFixedWidth(60);
    const auto offered = [this](const char* typed) {
        edit->clear();
        QTest::keyClicks(edit.get(), typed);
        EXPECT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); })) << typed;
        return Entries();
    };
    // Three of the Philippines' places are called exactly "Santa Cruz" (cities15000.txt); with
    // the boxes empty the larger Santa Cruz of other countries come first.
    const auto philippines = FindPlacesNamed("Santa Cruz", "", "PH", 10);
    ASSERT_EQ(philippines.size(), 3u);
    country.setText("Philippines");
    const QStringList entries = offered("Santa Cruz");
    for (std::size_t k = 0; k < philippines.size(); ++k) {
        EXPECT_TRUE(entries.at(static_cast<qsizetype>(k)).endsWith(", Philippines"))
            << entries.at(static_cast<qsizetype>(k)).toStdString();
    }
    // Santa Cruz, California: US.CA, 59946 people; "CA" is the postal abbreviation.
    country.setText("USA");
    state.setText("CA");
    EXPECT_EQ(offered("Santa Cruz").front().toStdString(), "Santa Cruz, California, United States");
    // Boxes that still hold an earlier place order the entries but hide none.
    state.setText("Maharashtra");
    country.setText("India");
    EXPECT_TRUE(offered("Lond").contains("London, England, United Kingdom"));

    // Every entry fits the popup whole, though the box is far narrower.
    offered("Santa Cruz");
    const auto* model = popup()->model();
    ASSERT_GT(model->rowCount(), 1);
    for (int row = 0; row < model->rowCount(); ++row) {
        EXPECT_LE(popup()->sizeHintForIndex(model->index(row, 0)).width(),
                  popup()->viewport()->width())
            << model->index(row, 0).data().toString().toStdString();
    }
}

} // namespace
} // namespace kovrel::test
