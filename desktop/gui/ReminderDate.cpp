#include "desktop/gui/ReminderDate.h"

#include "common/TextCodec.h"

#include <QDate>
#include <QLocale>

#include <array>
#include <cstdlib>

namespace kovrel {

namespace {

// ScrambleText raises every code by 85 and drops what would pass 255.
constexpr char16_t kHighestScramblableCode = 255 - 85;

bool SurvivesScrambling(const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() > kHighestScramblableCode) {
            return false;
        }
    }
    return true;
}

bool HasTwoDigitYear(const QString& format) {
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

// The candidate nearest to `today`; an invalid date when none is valid.
QDate Nearest(const std::array<QDate, 3>& candidates, const QDate& today) {
    QDate best;
    for (const QDate& candidate : candidates) {
        if (candidate.isValid() && (!best.isValid() || std::llabs(today.daysTo(candidate)) <
                                                           std::llabs(today.daysTo(best)))) {
            best = candidate;
        }
    }
    return best;
}

// A two-digit year parses into 1900..1999; move it to the century nearest to today.
QDate InNearestCentury(const QDate& parsed, const QDate& today) {
    const int twoDigits = parsed.year() % 100;
    const int century = today.year() / 100 * 100;
    return Nearest({QDate(century - 100 + twoDigits, parsed.month(), parsed.day()),
                    QDate(century + twoDigits, parsed.month(), parsed.day()),
                    QDate(century + 100 + twoDigits, parsed.month(), parsed.day())},
                   today);
}

// 29 February of a year ending in 00 does not parse with a two-digit year, because the parser
// places it in 1900, which has no leap day. Only the leap centuries can have written it.
QDate LeapDayOfCentury(const QString& text, const QLocale& locale, const QDate& today) {
    const int century = today.year() / 100 * 100;
    std::array<QDate, 3> candidates;
    for (int i = 0; i < 3; ++i) {
        const QDate leapDay(century + (i - 1) * 100, 2, 29);
        if (leapDay.isValid() && locale.toString(leapDay, QLocale::ShortFormat) == text) {
            candidates[static_cast<std::size_t>(i)] = leapDay;
        }
    }
    return Nearest(candidates, today);
}

} // namespace

QString ReminderSection() {
    return QStringLiteral("Settings");
}

QString ReminderKey() {
    return QString::fromLatin1(ScrambleText("Duration"));
}

QString ReminderDateText(const QDate& date, const QLocale& locale) {
    const QString text = locale.toString(date, QLocale::ShortFormat);
    // Some locales write their short dates with native digits or non-Latin letters; scrambled
    // they would come back as nothing, and the reminder would never be shown. Those get the
    // one form every locale reads the same.
    if (!text.isEmpty() && SurvivesScrambling(text)) {
        return text;
    }
    return date.toString(Qt::ISODate);
}

QDate ReadReminderDate(const QString& text, const QLocale& locale, const QDate& today) {
    if (text.isEmpty()) {
        return {};
    }
    // The ISO form first: no locale's short form is a different date written as yyyy-MM-dd.
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid() && iso.toString(Qt::ISODate) == text) {
        return iso;
    }
    const QDate parsed = locale.toDate(text, QLocale::ShortFormat);
    if (!HasTwoDigitYear(locale.dateFormat(QLocale::ShortFormat))) {
        return parsed;
    }
    if (parsed.isValid()) {
        return InNearestCentury(parsed, today);
    }
    return LeapDayOfCentury(text, locale, today);
}

QString ScrambleSetting(const QString& plain) {
    return QString::fromLatin1(ScrambleText(plain.toLatin1().toStdString()));
}

QString UnscrambleSetting(const QString& stored) {
    return QString::fromLatin1(UnscrambleText(stored.toLatin1().toStdString()));
}

} // namespace kovrel
