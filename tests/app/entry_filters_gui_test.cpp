// The keystroke filters of the eight text boxes, typed and pasted, on the real window.
#include "GuiFixture.h"

#include "app/FilteredLineEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

namespace kovrel::test {
namespace {

const FakeDialogs::Message kLetters{QStringLiteral("Please enter only letters"),
                                    MessageIcon::Error};
const FakeDialogs::Message kDigits{QStringLiteral("Please enter only numbers"), MessageIcon::Error};

class EntryFilterTest : public MainWindowFixture {
  protected:
    QLineEdit& box(const char* name) { return get<QLineEdit>(QLatin1String(name)); }
    QString focusName() const {
        return window->focusWidget() != nullptr ? window->focusWidget()->objectName() : QString();
    }
    void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    void paste(const char* name) { QTest::keyClick(&box(name), Qt::Key_V, Qt::ControlModifier); }
};

TEST_F(EntryFilterTest, LetterBoxesRefuseDigitsAndKeepTheFocus) {
    for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
        dialogs.clear();
        type(QLatin1String(name), QStringLiteral("New9 Delhi"));
        EXPECT_EQ(box(name).text(), QStringLiteral("New Delhi")) << name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(dialogs.messages[0], kLetters);
        EXPECT_EQ(focusName(), QLatin1String(name));
    }
}

TEST_F(EntryFilterTest, LetterBoxesRefusePunctuationAndLettersOutsideAToZ) {
    type(QStringLiteral("txtName"), QStringLiteral("O'Neil-Smith."));
    QTest::sendKeyEvent(QTest::Click, &box("txtName"), Qt::Key_Eacute, QStringLiteral("é"),
                        Qt::NoModifier);
    EXPECT_EQ(box("txtName").text(), QStringLiteral("ONeilSmith"));
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

TEST_F(EntryFilterTest, EnterInALetterBoxIsRefused) {
    type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
    QTest::keyClick(&box("txtCity"), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kLetters);
    EXPECT_EQ(box("txtCity").text(), QStringLiteral("Pune"));
}

TEST_F(EntryFilterTest, DigitBoxesRefuseLettersWithoutMovingTheFocus) {
    for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
        dialogs.clear();
        box("txtName").setFocus();
        QTest::keyClicks(&box(name), QStringLiteral("2a8"));
        EXPECT_EQ(box(name).text(), QStringLiteral("28")) << name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(dialogs.messages[0], kDigits);
        EXPECT_EQ(focusName(), QStringLiteral("txtName")) << name;
    }
}

TEST_F(EntryFilterTest, DigitBoxesTakeAtMostThreeCharacters) {
    type(QStringLiteral("txtLonDeg"), QStringLiteral("1234"));
    EXPECT_EQ(box("txtLonDeg").text(), QStringLiteral("123"));
    EXPECT_TRUE(dialogs.messages.empty());
    for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
        EXPECT_EQ(box(name).maxLength(), 3) << name;
    }
    EXPECT_GT(box("txtName").maxLength(), 3);
}

TEST_F(EntryFilterTest, EditingKeysWorkInEveryBox) {
    type(QStringLiteral("txtLatDeg"), QStringLiteral("95"));
    QTest::keyClick(&box("txtLatDeg"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtLatDeg").text(), QStringLiteral("9"));
    type(QStringLiteral("txtName"), QStringLiteral("Ann Lee"));
    QTest::keyClick(&box("txtName"), Qt::Key_Backspace);
    QTest::keyClick(&box("txtName"), Qt::Key_Home);
    QTest::keyClick(&box("txtName"), Qt::Key_Delete);
    QTest::keyClick(&box("txtName"), Qt::Key_Right);
    QTest::keyClick(&box("txtName"), Qt::Key_End);
    EXPECT_EQ(box("txtName").text(), QStringLiteral("nn Le"));
    // Select all, copy and undo are editing, not characters.
    QTest::keyClick(&box("txtName"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box("txtName"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("nn Le"));
    QTest::keyClick(&box("txtName"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(box("txtName").text().isEmpty());
    QTest::keyClick(&box("txtName"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box("txtName").text(), QStringLiteral("nn Le"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EntryFilterTest, PastedTextMustPassTheFilterAsAWhole) {
    setClipboard(QStringLiteral("New Delhi"));
    paste("txtCity");
    EXPECT_EQ(box("txtCity").text(), QStringLiteral("New Delhi"));
    EXPECT_TRUE(dialogs.messages.empty());

    setClipboard(QStringLiteral("Delhi 110001"));
    paste("txtState");
    EXPECT_TRUE(box("txtState").text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kLetters);

    setClipboard(QStringLiteral("28"));
    paste("txtLatDeg");
    EXPECT_EQ(box("txtLatDeg").text(), QStringLiteral("28"));
    setClipboard(QStringLiteral("2.5"));
    QTest::keyClick(&box("txtLatMin"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(box("txtLatMin").text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1], kDigits);

    // A line break never reaches a box.
    setClipboard(QStringLiteral("New\nDelhi"));
    paste("txtCountry");
    EXPECT_TRUE(box("txtCountry").text().isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(EntryFilterTest, ContextMenuPasteIsFilteredToo) {
    auto& city = get<FilteredLineEdit>(QStringLiteral("txtCity"));
    setClipboard(QStringLiteral("Pune 1"));
    std::unique_ptr<QMenu> menu(city.createFilteredContextMenu());
    QAction* pasteEntry = nullptr;
    for (QAction* entry : menu->actions()) {
        if (entry->objectName() == QLatin1String("edit-paste")) {
            pasteEntry = entry;
        }
    }
    ASSERT_NE(pasteEntry, nullptr);
    pasteEntry->trigger();
    EXPECT_TRUE(city.text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kLetters);

    setClipboard(QStringLiteral("Pune"));
    pasteEntry->trigger();
    EXPECT_EQ(city.text(), QStringLiteral("Pune"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(EntryFilterTest, DroppedTextMustPassTheFilter) {
    auto& minutes = box("txtLonMin");
    minutes.setText(QStringLiteral("1"));
    QMimeData data;
    data.setText(QStringLiteral("4x"));
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the box, as the drag machinery would deliver it over the box.
    static_cast<QObject&>(minutes).event(&drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(minutes.text(), QStringLiteral("1"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kDigits);
}

TEST_F(EntryFilterTest, InputMethodTextMustPassTheFilter) {
    auto& name = box("txtName");
    QInputMethodEvent refused;
    refused.setCommitString(QStringLiteral("Ann7"));
    QApplication::sendEvent(&name, &refused);
    EXPECT_TRUE(name.text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kLetters);

    QInputMethodEvent accepted;
    accepted.setCommitString(QStringLiteral("Ann"));
    QApplication::sendEvent(&name, &accepted);
    EXPECT_EQ(name.text(), QStringLiteral("Ann"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(EntryFilterTest, TextFromAFileIsNotRevertedByTheNextKeystroke) {
    // An opened reading may hold what the keyboard could not type; editing it goes on normally.
    auto& name = box("txtName");
    name.setText(QStringLiteral("Ann2"));
    name.setFocus();
    name.end(false);
    QTest::keyClicks(&name, QStringLiteral("b"));
    EXPECT_EQ(name.text(), QStringLiteral("Ann2b"));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace kovrel::test
