// The reminder's stored date as the settings store may hold it, in a range of locales and on
// any day: reading it must never crash, and a date it reads must be one it would write again.
#include "desktop/gui/ReminderDate.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Short forms with two- and four-digit years, day or month first, other digits and scripts.
const std::array<const char*, 12> kLocales = {"C",     "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP",
                                              "ar_EG", "hi_IN", "fa_IR", "zh_CN", "nl_NL", "ko_KR"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return -1;
    }
    const QLocale locale(QString::fromLatin1(kLocales[data[0] % kLocales.size()]));
    // Any day from 1910 to 2089: the days a program of this era may run on.
    const QDate today = QDate(1910, 1, 1).addDays((data[1] << 8 | data[2]) % 65536);
    const QByteArray stored(reinterpret_cast<const char*>(data + 3),
                            static_cast<qsizetype>(size - 3));

    // As the settings store hands it back (a scrambled single-byte text), and as plain text.
    for (const QString& text :
         {kovrel::UnscrambleSetting(QString::fromLatin1(stored)), QString::fromUtf8(stored)}) {
        const QDate read = kovrel::ReadReminderDate(text, locale, today);
        if (!read.isValid()) {
            continue;
        }
        // Within a lifetime of the day it is read on, a date reads back as itself.
        if (std::abs(today.daysTo(read)) < 40 * 365) {
            const QString written = kovrel::ReminderDateText(read, locale);
            Require(kovrel::ReadReminderDate(
                        kovrel::UnscrambleSetting(kovrel::ScrambleSetting(written)), locale,
                        today) == read);
        }
    }
    return 0;
}
