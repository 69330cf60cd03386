// kovrel-reading-pictures: the whole tool, with --pdf and --chart-svg painted by the window's own
// print and chart code. kovrel-reading, which loads no Qt, hands a run that asks for a picture
// over to this program with the same command line; it works on its own too.

#include "chart/gui/ReadingPrint.h"
#include "cli/ReadingCli.h"
#include "common/gui/Translation.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

bool Unset(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0';
}

// Scripts read the tool's standard error as its own messages. Qt's notes about the machine
// (no runtime folder on a server, missing fonts) are not those; its errors still are.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Qt is started only for a picture: a plain reading run here directly needs no display.
    // QPrinter, which the printed document shares with the window, wants a QApplication; Qt
    // gets only the program name, the tool reads its own flags.
    int qtArgc = argc > 0 ? 1 : 0;
    std::optional<QApplication> application;
    std::optional<kovrel::Translators> translators; // after the application, gone before it
    const auto startQt = [&] {
        if (application) {
            return;
        }
        // A script on a server has no display; the pictures need none.
        if (Unset("DISPLAY") && Unset("WAYLAND_DISPLAY") && Unset("QT_QPA_PLATFORM")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        qInstallMessageHandler(QtMessages);
        application.emplace(qtArgc, argv);
        translators.emplace();
    };
    const auto speak = [&](kovrel::Language language) {
        startQt();
        if (translators->language() != language) {
            translators->use(language);
        }
    };

    kovrel::ReadingExports exports;
    exports.pdf = [&](const std::string& path, const kovrel::Session& session,
                      kovrel::ChartStyle chartStyle, kovrel::Language language) {
        speak(language);
        return kovrel::WriteReadingPdf(path, session, kovrel::PaperSizeFor(QLocale()), chartStyle);
    };
    exports.svg = [&](const std::string& path, const kovrel::Session& session,
                      kovrel::ChartStyle chartStyle, kovrel::Language language) {
        speak(language);
        return kovrel::WriteChartSvg(path, session, chartStyle);
    };
    return kovrel::RunReadingCli(args, std::cout, std::cerr, exports);
}
