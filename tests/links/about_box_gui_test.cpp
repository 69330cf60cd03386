#include "app/Dialogs.h"
#include "links/AboutBox.h"
#include "links/Links.h"
#include "links/OpenLink.h"
#include "tests/FakeDialogs.h"

#include <QApplication>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrel {
namespace {

// The pages opened, as addresses.
std::vector<std::string> Opened(const test::FakeDialogs& dialogs) {
    std::vector<std::string> opened;
    for (const QUrl& address : dialogs.addresses) {
        opened.push_back(address.toString().toStdString());
    }
    return opened;
}

template <typename T> T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(AboutBox, ShowsTheProgramsNameAndDescription) {
    test::FakeDialogs dialogs;
    frmAbout box(nullptr, dialogs);

    EXPECT_EQ(box.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Kovrel v1.15"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(Child<QLabel>(box, "lblTitle")->text(), QStringLiteral("Kovrel v1.15"));
    auto* description = Child<QLabel>(box, "lblDescription");
    // Two blanks after the product name, kept: plain text, which lays out every blank.
    EXPECT_EQ(description->text(),
              QStringLiteral("Kovrel  displays the kind of relationship shared between different "
                             "planets. This includes natural, temporary and compound "
                             "relationships."));
    EXPECT_EQ(description->textFormat(), Qt::PlainText);
    EXPECT_EQ(Child<QLabel>(box, "lblCoBrand")->text(),
              QStringLiteral("Click here for more details."));
    EXPECT_FALSE(Child<QLabel>(box, "lblHomePage")->text().isEmpty());
    EXPECT_FALSE(Child<QLabel>(box, "lblBranding")->text().isEmpty());
    EXPECT_EQ(Child<QPushButton>(box, "cmdOK")->text(), QStringLiteral("OK"));
}

TEST(AboutBox, ShowsTheProgramsIcon) {
    QPixmap square(32, 32);
    square.fill(Qt::darkBlue);
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon(square));
    test::FakeDialogs dialogs;
    frmAbout box(nullptr, dialogs);
    QApplication::setWindowIcon(before);

    EXPECT_FALSE(box.windowIcon().isNull());
    auto* icon = Child<QLabel>(box, "imgIcon");
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST(AboutBox, ItsLabelsOpenTheHomeAndBrandingPages) {
    test::FakeDialogs dialogs;
    frmAbout box(nullptr, dialogs);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    QTest::mouseClick(Child<QLabel>(box, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(box, "lblCoBrand"), Qt::LeftButton);

    EXPECT_EQ(Opened(dialogs),
              (std::vector<std::string>{LinkAddress(Link::Home), LinkAddress(Link::Branding)}));
    EXPECT_TRUE(box.isVisible()) << "opening a page leaves the about box open";
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST(AboutBox, LinksAnswerTheKeyboardAndIgnoreOtherButtons) {
    test::FakeDialogs dialogs;
    frmAbout box(nullptr, dialogs);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    auto* coBrand = Child<QLabel>(box, "lblCoBrand");

    QTest::mouseClick(coBrand, Qt::RightButton);
    EXPECT_TRUE(dialogs.addresses.empty());

    coBrand->setFocus();
    QTest::keyClick(coBrand, Qt::Key_Space);
    QTest::keyClick(coBrand, Qt::Key_Return);
    EXPECT_EQ(Opened(dialogs),
              (std::vector<std::string>{LinkAddress(Link::Branding), LinkAddress(Link::Branding)}));
}

TEST(AboutBox, OkClosesIt) {
    test::FakeDialogs dialogs;
    frmAbout box(nullptr, dialogs);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    QTest::mouseClick(Child<QPushButton>(box, "cmdOK"), Qt::LeftButton);

    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.addresses.empty());
}

TEST(ShowAboutBox, IsModalOverItsParentAndGoneWhenClosed) {
    test::FakeDialogs dialogs;
    QWidget parent;
    parent.show();
    QPointer<QWidget> seen;
    bool wasAbout = false;
    bool parentIsOwner = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seen = modal;
        wasAbout = qobject_cast<frmAbout*>(modal) != nullptr;
        parentIsOwner = modal != nullptr && modal->parentWidget() == &parent;
        if (modal != nullptr) {
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        }
    });

    ShowAboutBox(&parent, dialogs);

    EXPECT_TRUE(wasAbout);
    EXPECT_TRUE(parentIsOwner);
    EXPECT_TRUE(seen.isNull()) << "the about box is destroyed once closed";
}

} // namespace
} // namespace kovrel
