#pragma once

#include "app/Dialogs.h"
#include "links/Links.h"

class QDate;
class QSettings;
class QWidget;

namespace kovrel {

// Opens the page of a link in the browser, through the dialogs seam.
void OpenLink(Link link, Dialogs& dialogs);

// The modal about box over `parent`; returns when it is closed. Its links open through `dialogs`.
void ShowAboutBox(QWidget* parent, Dialogs& dialogs);

// At start-up: asks whether to look for an update when the last reminder lies more than 14 days
// away from `today`. The settings store and today's date are passed in so tests can set both.
void UpdateReminder(QSettings& settings, const QDate& today, Dialogs& dialogs);

} // namespace kovrel
