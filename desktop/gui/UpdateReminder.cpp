#include "desktop/gui/UpdateReminder.h"

#include "common/gui/Translation.h"

#include "links/gui/OpenLink.h"

#include <QDate>
#include <QLocale>
#include <QSettings>

namespace kovrel {

void UpdateReminder(QSettings& settings, const QDate& today, Dialogs& dialogs) {
    const QLocale locale = QLocale::system();
    const QString key = ReminderKey();

    settings.beginGroup(ReminderSection());
    const auto storeToday = [&] {
        settings.setValue(key, ScrambleSetting(ReminderDateText(today, locale)));
        settings.endGroup();
        // Written now rather than at exit, so a crash later in the run cannot lose it.
        settings.sync();
    };

    const QString dateText = UnscrambleSetting(settings.value(key).toString());
    // A value that does not read as a date is treated as a first start: store today, say
    // nothing; otherwise the user would be asked at every start.
    const QDate stored = ReadReminderDate(dateText, locale, today);
    if (!stored.isValid()) {
        storeToday();
        return;
    }
    const qint64 days = today.daysTo(stored);
    if (days >= -kReminderQuietDays && days <= kReminderQuietDays) {
        settings.endGroup();
        return;
    }

    const bool yes = dialogs.askYesNo(
        Say(KOVREL_WORD("UpdateReminder", "There maybe an update to this software available\rDo "
                                          "you want to check for an update?")));
    storeToday();
    if (yes) {
        OpenLink(Link::Update, dialogs);
    }
}

} // namespace kovrel
