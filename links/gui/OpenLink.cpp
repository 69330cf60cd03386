#include "links/gui/OpenLink.h"

#include <QString>
#include <QUrl>

namespace kovrel {

void OpenLink(Link link, Dialogs& dialogs) {
    const std::string address = LinkAddress(link);
    dialogs.openAddress(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

} // namespace kovrel
