#include "GuiFixture.h"
#include "links/AboutBox.h"
#include "links/Links.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace kovrel::test {
namespace {

class HelpMenuTest : public MainWindowFixture {
  protected:
    QAction& action(const char* name) const { return get<QAction>(QString::fromLatin1(name)); }

    std::vector<std::string> opened() const {
        std::vector<std::string> addresses;
        for (const QUrl& address : dialogs.addresses) {
            addresses.push_back(address.toString().toStdString());
        }
        return addresses;
    }
};

TEST_F(HelpMenuTest, MenuEntriesOpenTheirPages) {
    const std::pair<const char*, Link> entries[] = {{"mnuOnline", Link::OnlineHelp},
                                                    {"mnuVisit", Link::Home},
                                                    {"mnuUpdate", Link::Update},
                                                    {"mnuMakeMoney", Link::Branding}};
    for (const auto& [name, link] : entries) {
        SCOPED_TRACE(name);
        dialogs.clear();
        action(name).trigger();
        EXPECT_EQ(opened(), std::vector<std::string>{LinkAddress(link)});
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpMenuTest, PromotionalLabelsOpenTheirPages) {
    const std::pair<const char*, Link> labels[] = {
        {"Label8", Link::Home}, {"lblFullBrand", Link::Branding}, {"lblCobrand", Link::CoBrand}};
    for (const auto& [name, link] : labels) {
        SCOPED_TRACE(name);
        dialogs.clear();
        auto& label = get<QLabel>(QString::fromLatin1(name));
        EXPECT_TRUE(label.isVisible());
        EXPECT_FALSE(label.text().isEmpty());
        QTest::mouseClick(&label, Qt::LeftButton);
        EXPECT_EQ(opened(), std::vector<std::string>{LinkAddress(link)});
    }
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
            QTest::mouseClick(modal->findChild<QLabel*>(QStringLiteral("lblHomePage")),
                              Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
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
    EXPECT_EQ(opened(), std::vector<std::string>{LinkAddress(Link::Home)});
}

} // namespace
} // namespace kovrel::test
