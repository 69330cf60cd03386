#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace kovrel {

// The readings opened or saved last, newest first, kept in the settings store under a key of
// their own (the update reminder's value beside it is never touched).
class RecentFiles {
  public:
    static constexpr qsizetype kLimit = 8;
    static QString SettingsKey();

    // Reads the list from `settings`; without a store the list lasts for this run only.
    explicit RecentFiles(QSettings* settings);

    const QStringList& paths() const { return paths_; }
    // Puts `path` first, once, and forgets what falls beyond the limit.
    void add(const QString& path);

  private:
    QSettings* settings_;
    QStringList paths_;
};

} // namespace kovrel
