#include "desktop/gui/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace kovrel {

namespace {

QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QString RecentFiles::SettingsKey() {
    return QStringLiteral("Desktop/RecentReadings");
}

RecentFiles::RecentFiles(QSettings* settings) : settings_(settings) {
    if (settings_ == nullptr) {
        return;
    }
    // Whatever the store holds, only texts naming files are taken, at most the limit.
    for (const QString& path : settings_->value(SettingsKey()).toStringList()) {
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < kLimit) {
            paths_.append(path);
        }
    }
}

void RecentFiles::add(const QString& path) {
    const QString absolute = Absolute(path);
    paths_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kLimit) {
        paths_.removeLast();
    }
    if (settings_ != nullptr) {
        settings_->setValue(SettingsKey(), paths_);
        settings_->sync();
    }
}

} // namespace kovrel
