#pragma once

#include "desktop/gui/ReminderDate.h"

#include <QString>

class QDate;
class QSettings;

namespace kovrel {

class Dialogs;

// At start-up: asks whether to look for an update when the last reminder lies more than 14 days
// away from `today`. The settings store and today's date are passed in so tests can set both.
void UpdateReminder(QSettings& settings, const QDate& today, Dialogs& dialogs);

inline constexpr int kReminderQuietDays = 14;

} // namespace kovrel
