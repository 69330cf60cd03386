// What a screen reader meets, read through Qt's accessibility interfaces: the entry controls by
// their captions, the links as links, the compound grid as a table with headings, and each row
// of the list panel as one sentence.
#include "GuiFixture.h"

#include "desktop/gui/AboutBox.h"
#include "links/Links.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace kovrel::test {
namespace {

class AccessibilityTest : public MainWindowFixture {
  protected:
    QAccessibleInterface* reader(const QString& name) const {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(&get<QWidget>(name));
        if (found == nullptr) {
            throw std::runtime_error("nothing accessible for " + name.toStdString());
        }
        return found;
    }
    QString spoken(const QString& name) const { return reader(name)->text(QAccessible::Name); }
};

TEST_F(AccessibilityTest, EveryTextBoxAndListIsAnnouncedByItsCaption) {
    const std::pair<const char*, const char*> names[] = {
        {"txtName", "Name"},
        {"cboDate", "Day of birth"},
        {"cboMonth", "Month of birth"},
        {"cboYear", "Year of birth"},
        {"cboHour", "Hour of birth"},
        {"cboMinute", "Minute of birth"},
        {"cboTimeZone", "Time Zone"},
        {"txtLatDeg", "Latitude degrees"},
        {"txtLatMin", "Latitude minutes"},
        {"txtLonDeg", "Longitude degrees"},
        {"txtLonMin", "Longitude minutes"},
        {"txtCity", "City"},
        {"txtState", "State"},
        {"txtCountry", "Country"},
    };
    for (const auto& [control, name] : names) {
        SCOPED_TRACE(control);
        EXPECT_EQ(get<QWidget>(control).accessibleName(), name);
        if (reader(control)->role() == QAccessible::ComboBox) {
            // On Linux Qt names a list by its current item; the caption goes as its description
            // and, where a label stands before the list, as the label relation.
            EXPECT_EQ(reader(control)->text(QAccessible::Description), name);
        } else {
            EXPECT_EQ(spoken(control), name);
        }
    }
    const auto labelOf = [this](const QString& control) {
        const auto relations = reader(control)->relations(QAccessible::Label);
        return relations.isEmpty() ? QString() : relations[0].first->text(QAccessible::Name);
    };
    EXPECT_EQ(labelOf("cboMonth"), "Date of Birth");
    EXPECT_EQ(labelOf("cboTimeZone"), "Time Zone");
    EXPECT_EQ(reader("txtName")->role(), QAccessible::EditableText);
    EXPECT_EQ(reader("cboMonth")->role(), QAccessible::ComboBox);
    // The caption labels lead to their controls.
    EXPECT_EQ(get<QLabel>("lblCity").buddy(), &get<QWidget>("txtCity"));
    EXPECT_EQ(get<QLabel>("lblLatitude").buddy(), &get<QWidget>("txtLatDeg"));
}

TEST_F(AccessibilityTest, FooterAndAboutBoxLinksAreLinksThatCanBePressed) {
    for (const char* name : {"Label8", "lblFullBrand", "lblCobrand"}) {
        SCOPED_TRACE(name);
        QAccessibleInterface* link = reader(name);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), label(name));
        EXPECT_TRUE(link->state().linked);
        ASSERT_NE(link->actionInterface(), nullptr);
        EXPECT_TRUE(link->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    reader("lblCobrand")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(Link::CoBrand)});

    frmAbout box(window.get(), dialogs);
    for (const char* name : {"lblHomePage", "lblCoBrand"}) {
        auto* found = box.findChild<QLabel*>(name);
        ASSERT_NE(found, nullptr);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(found);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->role(), QAccessible::Link) << name;
        EXPECT_EQ(link->text(QAccessible::Name), found->text());
    }
}

TEST_F(AccessibilityTest, CompoundGridIsATableWithRowAndColumnHeadings) {
    calculateNewDelhi();
    clickTab(2);
    QAccessibleInterface* grid = reader("fraResult_2");
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), "Compound Relationship");
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 7);
    EXPECT_EQ(table->columnCount(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(table->rowDescription(i).toStdString(), PlanetNames[i].text());
        EXPECT_EQ(table->columnDescription(i).toStdString(), PlanetNames[i].text());
    }
    EXPECT_EQ(table->cellAt(7, 0), nullptr);

    // The Sun's row against Jupiter's column: Great Friend in the worked reading.
    QAccessibleInterface* cell = table->cellAt(0, 5);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "Great Friend");
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->rowIndex(), 0);
    EXPECT_EQ(place->columnIndex(), 5);
    EXPECT_EQ(place->table(), grid);
    ASSERT_EQ(place->rowHeaderCells().size(), 1);
    EXPECT_EQ(place->rowHeaderCells()[0]->role(), QAccessible::RowHeader);
    EXPECT_EQ(place->rowHeaderCells()[0]->text(QAccessible::Name), "Sun");
    ASSERT_EQ(place->columnHeaderCells().size(), 1);
    EXPECT_EQ(place->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(place->columnHeaderCells()[0]->text(QAccessible::Name), "Jupiter");
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(table->cellAt(r, c)->text(QAccessible::Name).toStdString(),
                      CompoundText(kAnnCompound[r][c]));
        }
    }
}

TEST_F(AccessibilityTest, EachListRowReadsAsOneSentence) {
    calculateNewDelhi();
    // The natural rows of the Sun and the Moon, as the panel shows them.
    EXPECT_EQ(spoken("lblLabels_0"),
              "Sun: friends Moon, Mars, Jupiter; enemies Venus, Saturn; neutral Mercury");
    EXPECT_EQ(spoken("lblLabels_1"),
              "Moon: friends Sun, Mercury; no enemies; neutral Mars, Jupiter, Venus, Saturn");
    // The temporary Sun row of the worked reading; the tab's change reaches the sentence.
    clickTab(1);
    EXPECT_EQ(spoken("lblLabels_0"),
              "Sun: friends Jupiter, Saturn, Venus, Mars, Mercury; enemies Moon");
}

} // namespace
} // namespace kovrel::test
