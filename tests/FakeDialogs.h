#pragma once

#include "common/gui/Dialogs.h"

#include <QDialog>

#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for Qt texts in the window tests.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kovrel::test {

// Dialogs for window tests: answers from a script, and a record of everything shown.
class FakeDialogs final : public Dialogs {
  public:
    struct Message {
        QString text;
        MessageIcon icon;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* out) {
            *out << (m.icon == MessageIcon::Error ? "error " : "information ") << '"'
                 << m.text.toStdString() << '"';
        }
    };

    // What was shown and asked.
    std::vector<Message> messages;
    std::vector<QString> questions;
    std::vector<QString> saveInitialPaths;
    int openDialogs = 0;
    std::vector<QUrl> addresses;

    // Scripted answers. A question without a scripted answer is answered No; a file dialog
    // without one is cancelled.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> exportAnswers;
    std::vector<QString> exportSuggestions;
    std::vector<QString> modalTitles; // dialogs run through runModal, never shown
    // Looks into each dialog run through runModal while it exists.
    std::function<void(QDialog&)> onModal;
    // Whether a browser takes the addresses given to it.
    bool addressesOpen = true;

    void showMessage(const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    bool askYesNo(const QString& text) override {
        questions.push_back(text);
        return Next(yesNoAnswers).value_or(false);
    }
    std::optional<QString> chooseSaveFile(const QString& initialPath) override {
        saveInitialPaths.push_back(initialPath);
        return Next(saveAnswers).value_or(std::nullopt);
    }
    std::optional<QString> chooseOpenFile() override {
        ++openDialogs;
        return Next(openAnswers).value_or(std::nullopt);
    }
    std::optional<QString> chooseExportFile(const QString& suggestedPath) override {
        exportSuggestions.push_back(suggestedPath);
        return Next(exportAnswers).value_or(std::nullopt);
    }
    void runModal(QDialog& dialog) override {
        modalTitles.push_back(dialog.windowTitle());
        if (onModal) {
            onModal(dialog);
        }
    }
    void openAddress(const QUrl& address, std::function<void()> unopened) override {
        addresses.push_back(address);
        if (!addressesOpen) {
            unopened();
        }
    }

    // The pages opened, as address texts.
    std::vector<std::string> opened() const {
        std::vector<std::string> texts;
        for (const QUrl& address : addresses) {
            texts.push_back(address.toString().toStdString());
        }
        return texts;
    }

    void clear() {
        messages.clear();
        questions.clear();
        saveInitialPaths.clear();
        openDialogs = 0;
        addresses.clear();
    }

  private:
    template <typename T> static std::optional<T> Next(std::deque<T>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

inline FakeDialogs::Message Error(const QString& text) {
    return {text, MessageIcon::Error};
}
inline FakeDialogs::Message Information(const QString& text) {
    return {text, MessageIcon::Information};
}

} // namespace kovrel::test
