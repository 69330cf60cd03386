#pragma once

#include <QString>

class QDate;
class QLocale;

namespace kovrel {

// The pieces of the update reminder that depend on the locale, so they can be checked in any
// locale; UpdateReminder uses the system locale. Qt Core only, so the fuzz build can check them
// without a window system.

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

} // namespace kovrel
