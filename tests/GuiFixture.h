#pragma once

#include "FakeDialogs.h"
#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace kovrel::test {

// A main window on the offscreen screen, answered by FakeDialogs, with helpers that reach its
// controls by object name and use them as a user would.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(dialogs);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T> T& get(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) {
            throw std::runtime_error("no control named " + name.toStdString());
        }
        return *widget;
    }

    QString label(const QString& name) const { return get<QLabel>(name).text(); }

    // Types into a text box, key by key.
    void type(const QString& box, const QString& text) {
        auto& edit = get<QLineEdit>(box);
        edit.setFocus();
        QTest::keyClicks(&edit, text);
    }

    // Picks the list item with exactly this text.
    void choose(const QString& list, const QString& item) {
        auto& combo = get<QComboBox>(list);
        const int index = combo.findText(item, Qt::MatchExactly);
        if (index < 0) {
            throw std::runtime_error("no item " + item.toStdString() + " in " + list.toStdString());
        }
        combo.setCurrentIndex(index);
    }

    void click(const QString& button) {
        QTest::mouseClick(&get<QAbstractButton>(button), Qt::LeftButton);
    }

    // The birth of the saved-reading example: Ann, 15 March 1990, 08:30 Indian time, New Delhi.
    void typeNewDelhiBirth() {
        type(QStringLiteral("txtName"), QStringLiteral("Ann"));
        choose(QStringLiteral("cboMonth"), QStringLiteral("March"));
        choose(QStringLiteral("cboDate"), QStringLiteral("15"));
        choose(QStringLiteral("cboYear"), QStringLiteral("1990"));
        choose(QStringLiteral("cboHour"), QStringLiteral("8"));
        choose(QStringLiteral("cboMinute"), QStringLiteral("30"));
        choose(QStringLiteral("cboTimeZone"), QStringLiteral("Indian Time, IST, +5.3"));
        type(QStringLiteral("txtLatDeg"), QStringLiteral("28"));
        type(QStringLiteral("txtLatMin"), QStringLiteral("36"));
        click(QStringLiteral("optLat_0"));
        type(QStringLiteral("txtLonDeg"), QStringLiteral("77"));
        type(QStringLiteral("txtLonMin"), QStringLiteral("12"));
        click(QStringLiteral("optLong_0"));
        type(QStringLiteral("txtCity"), QStringLiteral("New Delhi"));
        type(QStringLiteral("txtState"), QStringLiteral("Delhi"));
        type(QStringLiteral("txtCountry"), QStringLiteral("India"));
    }

    // The panel in front of the window: the entry panel or the result area.
    QString frontPanel() const {
        for (const char* name : {"fraMain", "fraResult_3"}) {
            if (get<QWidget>(QString::fromLatin1(name)).isVisible()) {
                return QString::fromLatin1(name);
            }
        }
        return {};
    }

    // The panel in front inside the result area: the list or the grid.
    QString frontResultPanel() const {
        for (const char* name : {"fraResult_0", "fraResult_2"}) {
            if (get<QWidget>(QString::fromLatin1(name)).isVisible()) {
                return QString::fromLatin1(name);
            }
        }
        return {};
    }

    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace kovrel::test
