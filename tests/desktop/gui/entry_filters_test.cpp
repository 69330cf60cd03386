// The keystroke filters of the eight text boxes, typed, pasted, dropped and composed, on the real
// window.
#include "GuiFixture.h"

#include "desktop/gui/FilteredLineEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

namespace kovrel::test {
namespace {

const FakeDialogs::Message kLetters = Error("Please enter only letters");
const FakeDialogs::Message kDigits = Error("Please enter only numbers");
const char* const kLetterBoxes[] = {"txtName", "txtCity", "txtState", "txtCountry"};
const char* const kDigitBoxes[] = {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"};

class EntryFilterTest : public MainWindowFixture {
  protected:
    void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    void key(const char* name, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&box(name), Qt::Key(code), modifiers);
    }
};

TEST_F(EntryFilterTest, LetterBoxesRefuseDigitsAndKeepTheFocus) {
    for (const char* name : kLetterBoxes) {
        SCOPED_TRACE(name);
        dialogs.clear();
        type(name, "New9 Delhi");
        EXPECT_EQ(box(name).text(), "New Delhi");
        EXPECT_EQ(dialogs.messages, std::vector{kLetters});
        EXPECT_EQ(focusName(), name);
    }
}

TEST_F(EntryFilterTest, LetterBoxesRefusePunctuationEnterAndLettersOutsideAToZ) {
    type("txtName", "O'Neil-Smith.");
    QTest::sendKeyEvent(QTest::Click, &box("txtName"), Qt::Key_Eacute, QStringLiteral("é"),
                        Qt::NoModifier);
    key("txtName", Qt::Key_Return);
    EXPECT_EQ(box("txtName").text(), "ONeilSmith");
    EXPECT_EQ(dialogs.messages, std::vector(5, kLetters));
}

TEST_F(EntryFilterTest, DigitBoxesRefuseLettersWithoutMovingTheFocusAndTakeThreeCharacters) {
    for (const char* name : kDigitBoxes) {
        SCOPED_TRACE(name);
        dialogs.clear();
        box("txtName").setFocus();
        QTest::keyClicks(&box(name), "2a8");
        EXPECT_EQ(box(name).text(), "28");
        EXPECT_EQ(focusName(), "txtName");
        QTest::keyClicks(&box(name), "34");
        EXPECT_EQ(box(name).text(), "283") << "the fourth character is dropped silently";
        EXPECT_EQ(dialogs.messages, std::vector{kDigits});
    }
}

TEST_F(EntryFilterTest, EditingKeysWorkInEveryBox) {
    type("txtLatDeg", "95");
    key("txtLatDeg", Qt::Key_Backspace);
    EXPECT_EQ(box("txtLatDeg").text(), "9");
    type("txtName", "Ann Lee");
    for (const int k :
         {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete, Qt::Key_Right, Qt::Key_End}) {
        key("txtName", k);
    }
    EXPECT_EQ(box("txtName").text(), "nn Le");
    // Select all, copy, cut and undo are editing, not characters.
    key("txtName", Qt::Key_A, Qt::ControlModifier);
    key("txtName", Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "nn Le");
    key("txtName", Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(box("txtName").text().isEmpty());
    key("txtName", Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box("txtName").text(), "nn Le");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EntryFilterTest, PastedTextMustPassTheFilterAsAWhole) {
    const auto paste = [this](const char* name, const char* text, Qt::Key shortcut = Qt::Key_V,
                              Qt::KeyboardModifier modifier = Qt::ControlModifier) {
        setClipboard(text);
        QTest::keyClick(&box(name), shortcut, modifier);
        return box(name).text();
    };
    EXPECT_EQ(paste("txtCity", "New Delhi"), "New Delhi");
    EXPECT_EQ(paste("txtState", "Delhi 110001"), "");
    EXPECT_EQ(paste("txtLatDeg", "28"), "28");
    EXPECT_EQ(paste("txtLatMin", "2.5", Qt::Key_Insert, Qt::ShiftModifier), "");
    EXPECT_EQ(paste("txtCountry", "New\nDelhi"), "") << "a line break never reaches a box";
    EXPECT_EQ(dialogs.messages, (std::vector{kLetters, kDigits, kLetters}));
}

TEST_F(EntryFilterTest, ContextMenuPasteIsFilteredToo) {
    auto& city = get<FilteredLineEdit>("txtCity");
    setClipboard("Pune 1"); // the menu offers Paste only while the clipboard holds text
    std::unique_ptr<QMenu> menu(city.createFilteredContextMenu());
    QAction* pasteEntry = nullptr;
    for (QAction* entry : menu->actions()) {
        if (entry->objectName() == "edit-paste") {
            pasteEntry = entry;
        }
    }
    ASSERT_NE(pasteEntry, nullptr);
    pasteEntry->trigger();
    EXPECT_TRUE(city.text().isEmpty());
    setClipboard("Pune");
    pasteEntry->trigger();
    EXPECT_EQ(city.text(), "Pune");
    EXPECT_EQ(dialogs.messages, std::vector{kLetters});
}

TEST_F(EntryFilterTest, DroppedTextMustPassTheFilter) {
    auto& minutes = box("txtLonMin");
    minutes.setText("1");
    QMimeData data;
    data.setText("4x");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the box, as the drag machinery would deliver it over the box.
    static_cast<QObject&>(minutes).event(&drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(minutes.text(), "1");
    EXPECT_EQ(dialogs.messages, std::vector{kDigits});
}

TEST_F(EntryFilterTest, InputMethodTextMustPassTheFilter) {
    for (const char* commit : {"Ann7", "Ann"}) {
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(&box("txtName"), &event);
    }
    EXPECT_EQ(box("txtName").text(), "Ann") << "the refused text left nothing behind";
    EXPECT_EQ(dialogs.messages, std::vector{kLetters});
}

TEST_F(EntryFilterTest, TextFromAFileIsNotRevertedByTheNextKeystroke) {
    // An opened reading may hold what the keyboard could not type; editing it goes on normally.
    auto& name = box("txtName");
    name.setText("Ann2");
    name.setFocus();
    name.end(false);
    QTest::keyClicks(&name, "b");
    EXPECT_EQ(name.text(), "Ann2b");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EntryFilterTest, TextFromAFileIsNotCutAndTypingStillStopsAtThreeCharacters) {
    EntryForm form = window->entry();
    form.lonDeg = "1234";
    form.latDeg = " 77 ";
    form.latMin = "12.5";
    form.name = "O'Brien";
    window->setEntry(form);
    EXPECT_EQ(box("txtLonDeg").text(), "1234");
    EXPECT_EQ(box("txtLatDeg").text(), " 77 ");
    EXPECT_EQ(box("txtLatMin").text(), "12.5");
    EXPECT_EQ(box("txtName").text(), "O'Brien");
    EXPECT_EQ(window->entry(), form);

    // A box that holds more than typing could put there takes no more keys, but shrinks.
    auto& degrees = box("txtLonDeg");
    degrees.setFocus();
    degrees.end(false);
    QTest::keyClicks(&degrees, "5");
    EXPECT_EQ(degrees.text(), "1234");
    key("txtLonDeg", Qt::Key_Backspace);
    key("txtLonDeg", Qt::Key_Backspace);
    QTest::keyClicks(&degrees, "56");
    EXPECT_EQ(degrees.text(), "125");
    // Typing over a selection counts what stays.
    key("txtLonDeg", Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&degrees, "9876");
    EXPECT_EQ(degrees.text(), "987");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EntryFilterTest, PastedDroppedAndComposedDigitsStopAtThreeCharacters) {
    setClipboard("12345");
    QTest::keyClick(&box("txtLatMin"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtLatMin").text(), "123");
    QTest::keyClick(&box("txtLatMin"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtLatMin").text(), "123") << "a full box takes nothing";

    auto& minutes = box("txtLonMin");
    minutes.setText("1");
    QMimeData data;
    data.setText("4567");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(minutes).event(&drop);
    EXPECT_EQ(minutes.text().size(), 3);
    EXPECT_TRUE(minutes.text().contains('1')) << minutes.text().toStdString();

    QInputMethodEvent event;
    event.setCommitString("98765");
    QApplication::sendEvent(&box("txtLatDeg"), &event);
    EXPECT_EQ(box("txtLatDeg").text(), "987");
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace kovrel::test
