#pragma once

#include <QString>

class QDate;
class QLocale;
class QSettings;

namespace kovrel {

class Dialogs;

// At start-up: asks whether to look for an update when the last reminder lies more than 14 days
// away from `today`. The settings store and today's date are passed in so tests can set both.
void UpdateReminder(QSettings& settings, const QDate& today, Dialogs& dialogs);

// The pieces of the update reminder that depend on the locale, so they can be checked in any
// locale; UpdateReminder uses the system locale.

// The settings section and the value name: the word "Duration" scrambled.
QString ReminderSection();
QString ReminderKey();

// The text a reminder date is stored as, before scrambling: the locale's short date form, or
// the ISO form yyyy-MM-dd when the short form has characters the scrambling cannot carry.
QString ReminderDateText(const QDate& date, const QLocale& locale);

// The date a stored text stands for, or an invalid date when it does not read as one. A
// two-digit year is put in the century that brings the date nearest to `today`: the stored
// date is always a day on which the program ran, so that reading is the right one.
QDate ReadReminderDate(const QString& text, const QLocale& locale, const QDate& today);

// The scrambled form of a text as the settings store holds it, and back.
QString ScrambleSetting(const QString& plain);
QString UnscrambleSetting(const QString& stored);

inline constexpr int kReminderQuietDays = 14;

} // namespace kovrel
