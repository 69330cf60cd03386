#include "desktop/gui/SettingsFile.h"

#include "app/SafeFile.h"
#include "common/Text.h"
#include "common/gui/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace kovrel {

namespace {

// The file at the end of the links from `path`, or empty when they go round in circles.
QString LinkEnd(const QString& path) {
    QString end = path;
    // The same bound on links followed as the kernel's own.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(QFile::encodeName(end).constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return end;
        }
        const QString target = QFileInfo(end).symLinkTarget();
        if (target.isEmpty()) {
            return {};
        }
        end = target;
    }
    return {};
}

} // namespace

QString UserSettingsPath(const QString& appName) {
    // As QSettings places an IniFormat file of the user scope, organisation and application
    // both named after the program.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + appName +
           '/' + appName + QStringLiteral(".ini");
}

QString SettingsFileProblem(const QString& path) {
    const QString end = LinkEnd(path);
    if (end.isEmpty()) {
        return QString::fromStdString(SystemReason(ELOOP));
    }
    struct stat status {};
    if (::stat(QFile::encodeName(end).constData(), &status) != 0) {
        // Missing: made when something is stored. Anything else, the store reports itself.
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        return end == path
                   ? QStringLiteral("It is not a plain file.")
                   : QStringLiteral("It leads to \"%1\", which is not a plain file.").arg(end);
    }
    if (status.st_size > kLongestSettingsFile) {
        return QStringLiteral("It holds %1 bytes, more than the %2 a settings file may hold.")
            .arg(status.st_size)
            .arg(kLongestSettingsFile);
    }
    return {};
}

SettingsStore::SettingsStore(const QString& path, std::ostream& err) {
    if (const QString problem = SettingsFileProblem(path); !problem.isEmpty()) {
        // One line, whatever the path holds.
        err << MaskControlCharacters(Utf8(QCoreApplication::applicationName() +
                                          QStringLiteral(": the settings file \"") + path +
                                          QStringLiteral("\" is not used. ") + problem +
                                          QStringLiteral(" The program starts with the default "
                                                         "settings and keeps none of this run.")))
            << '\n';
        scratch_ = std::make_unique<QTemporaryDir>();
        settings_ = std::make_unique<QSettings>(scratch_->filePath(QStringLiteral("settings.ini")),
                                                QSettings::IniFormat);
        return;
    }
    // Opened where the links lead, so the store's own replacing of the file writes there.
    const QString end = LinkEnd(path);
    settings_ = std::make_unique<QSettings>(end, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

} // namespace kovrel
