// The window's links: the Help entries, "Make Money &Online" and the promotional labels open the
// pages of the link table, and "&About Software" shows the about box modally.
#include "GuiFixture.h"
#include "desktop/gui/AboutBox.h"
#include "links/Links.h"
#include "links/gui/OpenLink.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace kovrel::test {
namespace {

using HelpMenuTest = MainWindowFixture;

TEST_F(HelpMenuTest, MenuEntriesAndPromotionalLabelsOpenTheirPages) {
    for (const auto& [name, link] :
         {std::pair{"mnuOnline", Link::OnlineHelp}, std::pair{"mnuVisit", Link::Home},
          std::pair{"mnuUpdate", Link::Update}, std::pair{"mnuMakeMoney", Link::Branding}}) {
        SCOPED_TRACE(name);
        dialogs.clear();
        action(name).trigger();
        EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(link)});
    }
    for (const auto& [name, link] :
         {std::pair{"Label8", Link::Home}, std::pair{"lblFullBrand", Link::Branding},
          std::pair{"lblCobrand", Link::CoBrand}}) {
        SCOPED_TRACE(name);
        dialogs.clear();
        auto& linkLabel = get<QLabel>(name);
        EXPECT_TRUE(linkLabel.isVisible());
        EXPECT_FALSE(linkLabel.text().isEmpty());
        EXPECT_TRUE(linkLabel.font().underline());
        EXPECT_EQ(linkLabel.cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(&linkLabel, Qt::LeftButton);
        EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(link)});
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpMenuTest, AnAddressNoBrowserTakesIsShownForCopying) {
    dialogs.addressesOpen = false;
    struct Box {
        QString title;
        QString message;
        QString address;
        bool readOnly = false;
        bool selected = false;
    };
    std::vector<Box> boxes;
    dialogs.onModal = [&](QDialog& dialog) {
        Box box;
        box.title = dialog.windowTitle();
        if (auto* message = dialog.findChild<QLabel*>("lblUnopenedAddress")) {
            box.message = message->text();
        }
        if (auto* field = dialog.findChild<QLineEdit*>("txtAddress")) {
            box.address = field->text();
            box.readOnly = field->isReadOnly();
            box.selected = field->selectedText() == field->text();
        }
        boxes.push_back(box);
    };
    // F1, a promotional label and the web search for the coordinates.
    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::mouseClick(&get<QLabel>("lblCobrand"), Qt::LeftButton);
    type("txtCity", "New Delhi");
    type("txtState", "Delhi");
    type("txtCountry", "India");
    click("Command1");

    ASSERT_EQ(dialogs.addresses.size(), 3u);
    EXPECT_EQ(dialogs.opened()[0], LinkAddress(Link::OnlineHelp));
    EXPECT_EQ(dialogs.opened()[1], LinkAddress(Link::CoBrand));
    ASSERT_EQ(boxes.size(), 3u);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i].title, "Kovrel");
        EXPECT_EQ(boxes[i].message, QString::fromUtf8(kUnopenedAddressMessage.english));
        EXPECT_EQ(QUrl(boxes[i].address), dialogs.addresses[i]) << boxes[i].address.toStdString();
        EXPECT_TRUE(boxes[i].readOnly);
        EXPECT_TRUE(boxes[i].selected);
    }
    EXPECT_TRUE(dialogs.messages.empty());

    // Where a browser takes the page, nothing is said.
    dialogs.addressesOpen = true;
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.addresses.size(), 4u);
    EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(HelpMenuTest, AboutShowsTheAboutBoxModallyOverTheWindow) {
    QPointer<QWidget> shown;
    bool wasAbout = false;
    bool overTheWindow = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        shown = modal;
        wasAbout = qobject_cast<frmAbout*>(modal) != nullptr;
        overTheWindow = modal != nullptr && modal->parentWidget() == window.get();
        if (modal != nullptr) {
            // A link in the box goes through the window's dialogs too.
            QTest::mouseClick(modal->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        }
    });
    // Should the box not be the active modal window, it is still closed, so the test ends.
    QTimer::singleShot(5000, [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* about = qobject_cast<frmAbout*>(top)) {
                about->reject();
            }
        }
    });

    action("mnuAbout").trigger();

    EXPECT_TRUE(wasAbout);
    EXPECT_TRUE(overTheWindow);
    EXPECT_TRUE(shown.isNull()) << "the about box is destroyed when closed";
    EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(Link::Home)});
}

} // namespace
} // namespace kovrel::test
