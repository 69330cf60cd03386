#pragma once

#include <QString>

#include <iosfwd>
#include <memory>

class QSettings;
class QTemporaryDir;

namespace kovrel {

// The largest settings file that is read: the program's own is a few hundred bytes.
inline constexpr qint64 kLongestSettingsFile = qint64(1) << 20;

// The per-user settings file, where the settings store has always kept it.
QString UserSettingsPath(const QString& appName);

// Why the settings file at `path` may not be used, or empty when it may: it must be missing,
// or a plain file of at most kLongestSettingsFile bytes, reached directly or through links
// that end at one. A named pipe would stop the start for ever, a huge file would be read
// whole, and writing through a link to a device would replace the device.
QString SettingsFileProblem(const QString& path);

// The settings for this run. The file at `path` when it may be used, written where its links
// lead; otherwise the defaults, in a store that keeps nothing beyond the run, and a line on
// `err` that says which file and why. Checked before the store opens the file.
class SettingsStore {
  public:
    SettingsStore(const QString& path, std::ostream& err);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QSettings& settings() { return *settings_; }
    // Whether the user's file is used (false: the defaults, kept only for this run).
    bool usesFile() const { return scratch_ == nullptr; }

  private:
    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace kovrel
