#include "desktop/gui/AboutBox.h"

#include "common/ProgramText.h"
#include "common/gui/ProgramIcon.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"
#include "links/gui/OpenLink.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovrel {

namespace {

const QString kCaption = Text(kWindowCaption);
constexpr Word kHomePageText =
    KOVREL_WORD("AboutBox", "Visit us online for news, help and our discussion forum.");
constexpr Word kBrandingText =
    KOVREL_WORD("AboutBox", "Would you like this software to carry your own name, logo and web "
                            "address? Fully branded editions are available for web sites and "
                            "resellers.");
constexpr Word kCoBrandText = KOVREL_WORD("AboutBox", "Click here for more details.");

constexpr int kIconSize = 64;
// The wrapped texts are about this many average characters wide, whatever the font size.
constexpr int kTextColumns = 62;

QLabel* WrappedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Plain text keeps the texts exactly as written, the double blank included.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // A width in the label's own font keeps the lines as long at 16 pt as at 8 pt. The height is
    // fixed from it too: a fixed-size dialog lays out by size hints, which know nothing of the
    // height a wrapped text needs at a given width, and would cut the text off at large fonts.
    const int width = label->fontMetrics().averageCharWidth() * kTextColumns;
    label->setFixedSize(width, label->heightForWidth(width));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent, Dialogs& dialogs) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kCaption);
    setModal(true);
    const QIcon icon = ProgramIcon();
    setWindowIcon(icon);

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("imgIcon"));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    iconLabel->setPixmap(icon.pixmap(kIconSize, kIconSize));
    iconLabel->setFixedWidth(kIconSize);
    if (icon.isNull()) {
        // Without any icon the box does without the empty column.
        iconLabel->hide();
    }

    auto* title = new QLabel(kCaption, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0) {
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    }
    title->setFont(titleFont);

    auto* description = WrappedLabel(Say(kProgramDescription), "lblDescription", this);

    auto* homePage = new LinkLabel(Say(kHomePageText), this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    connect(homePage, &LinkLabel::clicked, this, [&dialogs] { OpenLink(Link::Home, dialogs); });

    auto* branding = WrappedLabel(Say(kBrandingText), "lblBranding", this);

    auto* coBrand = new LinkLabel(Say(kCoBrandText), this);
    coBrand->setObjectName(QStringLiteral("lblCoBrand"));
    connect(coBrand, &LinkLabel::clicked, this, [&dialogs] { OpenLink(Link::Branding, dialogs); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(Say(KOVREL_WORD("AboutBox", "OK")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    // Link labels take only the width of their text, so a click beside them does nothing.
    const auto linkRow = [](QWidget* link) {
        auto* row = new QHBoxLayout;
        row->addWidget(link);
        row->addStretch();
        return row;
    };

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addSpacing(6);
    texts->addWidget(description);
    texts->addSpacing(4);
    texts->addLayout(linkRow(homePage));
    texts->addSpacing(12);
    texts->addWidget(branding);
    texts->addLayout(linkRow(coBrand));
    texts->addSpacing(12);
    // The atlas is GeoNames data, which asks for this credit (CC BY 4.0).
    texts->addWidget(
        WrappedLabel(Say(KOVREL_WORD("AboutBox", "Place names, coordinates and time zones: "
                                                 "GeoNames (geonames.org), licensed CC BY 4.0.")),
                     "lblAtlasCredit", this));

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(iconLabel, 0, Qt::AlignTop);
    body->addLayout(texts);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ok->setFocus();
}

void ShowAboutBox(QWidget* parent, Dialogs& dialogs) {
    frmAbout box(parent, dialogs);
    box.exec();
}

} // namespace kovrel
