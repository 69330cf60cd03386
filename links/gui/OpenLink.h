#pragma once

#include "common/gui/Dialogs.h"
#include "links/Links.h"

namespace kovrel {

// Opens the page of a link in the browser, through the dialogs seam.
void OpenLink(Link link, Dialogs& dialogs);

} // namespace kovrel
