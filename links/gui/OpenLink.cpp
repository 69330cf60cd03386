#include "links/gui/OpenLink.h"

#include "common/gui/Translation.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStyle>

#include <algorithm>

namespace kovrel {

namespace {

// The address box is as wide as its address, within these bounds, in average characters.
constexpr int kLeastAddressColumns = 48;
constexpr int kMostAddressColumns = 72;

// A warning box whose address stands in a read-only line, where it can be selected and copied;
// a message box's text cannot be copied everywhere.
class UnopenedAddressBox : public QDialog {
  public:
    UnopenedAddressBox(const QUrl& address, QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("frmUnopenedAddress"));
        setWindowTitle(kApplicationTitle);
        auto* icon = new QLabel(this);
        const int iconSide = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()
                            ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                            .pixmap(iconSide, iconSide));
        auto* message = new QLabel(Say(kUnopenedAddressMessage), this);
        message->setObjectName(QStringLiteral("lblUnopenedAddress"));
        message->setWordWrap(true);
        auto* field = new QLineEdit(address.toString(QUrl::FullyEncoded), this);
        field->setObjectName(QStringLiteral("txtAddress"));
        field->setAccessibleName(Say(KOVREL_WORD("OpenLink", "Address")));
        field->setReadOnly(true);
        const QFontMetrics metrics = field->fontMetrics();
        field->setMinimumWidth(
            std::clamp(metrics.horizontalAdvance(field->text()) + metrics.averageCharWidth() * 2,
                       metrics.averageCharWidth() * kLeastAddressColumns,
                       metrics.averageCharWidth() * kMostAddressColumns));
        field->setCursorPosition(0);
        // Selected and in focus, so that Ctrl+C copies it at once.
        field->selectAll();
        field->setFocus();
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

        auto* grid = new QGridLayout(this);
        grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
        grid->addWidget(message, 0, 1);
        grid->addWidget(field, 1, 1);
        grid->addWidget(buttons, 2, 0, 1, 2);
        grid->setSizeConstraint(QLayout::SetFixedSize);
    }
};

} // namespace

void OpenLink(Link link, Dialogs& dialogs) {
    const std::string address = LinkAddress(link);
    OpenAddress(QUrl(QString::fromStdString(address), QUrl::StrictMode), dialogs);
}

void OpenAddress(const QUrl& address, Dialogs& dialogs) {
    // The dialogs outlive every window that opens a link, so the report may come late.
    dialogs.openAddress(address, [address, &dialogs] {
        // Over the window the link was in.
        UnopenedAddressBox box(address, QApplication::activeWindow());
        dialogs.runModal(box);
    });
}

} // namespace kovrel
