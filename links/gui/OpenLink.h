#pragma once

#include "common/Words.h"

#include "common/gui/Dialogs.h"
#include "links/Links.h"

#include <QUrl>

namespace kovrel {

// Opens the page of a link in the browser, through the dialogs seam.
void OpenLink(Link link, Dialogs& dialogs);

// Opens any web address the same way. When nothing can open it, a box says so and holds the
// address, selected, for the user to copy into a browser.
void OpenAddress(const QUrl& address, Dialogs& dialogs);

// What that box says above the address.
inline constexpr Word kUnopenedAddressMessage =
    KOVREL_WORD("OpenLink", "No web browser could be started for this page. You can copy its "
                            "address into a browser yourself:");

} // namespace kovrel
