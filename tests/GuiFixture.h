#pragma once

#include "Examples.h"
#include "FakeDialogs.h"
#include "desktop/gui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
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
    QLineEdit& box(const QString& name) const { return get<QLineEdit>(name); }
    QAction& action(const QString& name) const { return get<QAction>(name); }
    QString focusName() const {
        return window->focusWidget() != nullptr ? window->focusWidget()->objectName() : QString();
    }

    // Types into a text box, key by key.
    void type(const QString& name, const QString& text) {
        box(name).setFocus();
        QTest::keyClicks(&box(name), text);
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
    void clickTab(int index) {
        auto& tabs = get<QTabBar>("TS");
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    }

    // The birth of the saved-reading example: Ann, 15 March 1990, 08:30 Indian time, New Delhi.
    void typeNewDelhiBirth() {
        type("txtName", "Ann");
        choose("cboMonth", "March");
        choose("cboDate", "15");
        choose("cboYear", "1990");
        choose("cboHour", "8");
        choose("cboMinute", "30");
        choose("cboTimeZone", "Indian Time, IST, +5.3");
        type("txtLatDeg", "28");
        type("txtLatMin", "36");
        click("optLat_0");
        type("txtLonDeg", "77");
        type("txtLonMin", "12");
        click("optLong_0");
        type("txtCity", "New Delhi");
        type("txtState", "Delhi");
        type("txtCountry", "India");
    }
    void calculateNewDelhi() {
        typeNewDelhiBirth();
        click("cmdCalculate");
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    }

    // The panel in front of the window (the entry panel "fraMain" or the result area
    // "fraResult_3"), and the one in front inside the result area (list or grid).
    QString frontPanel() const { return firstVisible({"fraMain", "fraResult_3"}); }
    QString frontResultPanel() const { return firstVisible({"fraResult_0", "fraResult_2"}); }

    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;

  private:
    QString firstVisible(std::initializer_list<const char*> names) const {
        for (const char* name : names) {
            if (get<QWidget>(name).isVisible()) {
                return name;
            }
        }
        return {};
    }
};

} // namespace kovrel::test
