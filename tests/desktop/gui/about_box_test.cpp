// The about box on its own: what it shows and its two links by mouse and keyboard. How the window
// shows it (modal, closed by OK and destroyed) is checked with the Help menu.
#include "desktop/gui/AboutBox.h"
#include "links/Links.h"
#include "tests/FakeDialogs.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace kovrel::test {
namespace {

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The box shows whatever icon the program carries.
        QPixmap square(32, 32);
        square.fill(Qt::darkBlue);
        QApplication::setWindowIcon(QIcon(square));
        box = std::make_unique<frmAbout>(nullptr, dialogs);
        QApplication::setWindowIcon(programIcon);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }

    template <typename T> T& child(const char* name) const {
        T* found = box->findChild<T*>(name);
        if (found == nullptr) {
            throw std::runtime_error(std::string("no control named ") + name);
        }
        return *found;
    }

    const QIcon programIcon = QApplication::windowIcon();
    FakeDialogs dialogs;
    std::unique_ptr<frmAbout> box;
};

TEST_F(AboutBoxTest, ShowsTheProgramsNameDescriptionAndIcon) {
    EXPECT_EQ(box->objectName(), "frmAbout");
    EXPECT_EQ(box->windowTitle(), "Kovrel v1.15");
    EXPECT_TRUE(box->isModal());
    EXPECT_FALSE(box->windowIcon().isNull());
    EXPECT_FALSE(child<QLabel>("imgIcon").pixmap().isNull());
    EXPECT_EQ(child<QLabel>("lblTitle").text(), "Kovrel v1.15");
    // Two blanks after the product name, kept: plain text, which lays out every blank.
    EXPECT_EQ(child<QLabel>("lblDescription").text(),
              "Kovrel  displays the kind of relationship shared between different planets. This "
              "includes natural, temporary and compound relationships.");
    EXPECT_EQ(child<QLabel>("lblDescription").textFormat(), Qt::PlainText);
    EXPECT_EQ(child<QLabel>("lblCoBrand").text(), "Click here for more details.");
    EXPECT_FALSE(child<QLabel>("lblHomePage").text().isEmpty());
    EXPECT_FALSE(child<QLabel>("lblBranding").text().isEmpty());
    EXPECT_EQ(child<QPushButton>("cmdOK").text(), "OK");
}

TEST_F(AboutBoxTest, ItsLabelsOpenTheHomeAndBrandingPagesByMouseAndKeyboard) {
    auto& coBrand = child<QLabel>("lblCoBrand");
    QTest::mouseClick(&child<QLabel>("lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(&coBrand, Qt::LeftButton);
    QTest::mouseClick(&coBrand, Qt::RightButton); // not a click on a link
    coBrand.setFocus();
    QTest::keyClick(&coBrand, Qt::Key_Space);
    QTest::keyClick(&coBrand, Qt::Key_Return);
    const std::string home = LinkAddress(Link::Home);
    const std::string branding = LinkAddress(Link::Branding);
    EXPECT_EQ(dialogs.opened(), (std::vector{home, branding, branding, branding}));
    EXPECT_TRUE(box->isVisible()) << "opening a page leaves the about box open";
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

} // namespace
} // namespace kovrel::test
