#include "chart/gui/PositionsStrip.h"

#include "chart/BirthTexts.h"
#include "chart/ChartLayout.h"

#include <QGridLayout>
#include <QLabel>

namespace kovrel {

namespace {

// Two rows, Sun to Venus then Mars to Saturn, so the strip fits the width of the window.
constexpr int kColumns = 4;

QLabel* SelectableLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

PositionsStrip::PositionsStrip(QWidget* parent)
    : QFrame(parent), readingOf_(SelectableLabel(this, QStringLiteral("lblReadingOf"))) {
    setObjectName(QStringLiteral("fraPositions"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    QFont bold = readingOf_->font();
    bold.setBold(true);
    readingOf_->setFont(bold);
    grid->addWidget(readingOf_, 0, 0, 1, kColumns);
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        auto* label = SelectableLabel(this, QStringLiteral("lblPosition_%1").arg(planet));
        placements_[static_cast<std::size_t>(planet)] = label;
        grid->addWidget(label, 1 + planet / kColumns, planet % kColumns);
    }
}

void PositionsStrip::showReading(const CalculatedReading& calculated) {
    const BirthDetails& birth = calculated.birth;
    const Reading& reading = calculated.reading;
    QStringList who;
    for (const std::string& part :
         {birth.Name, BirthDateText(birth) + " " + BirthTimeText(birth), BirthPlaceText(birth)}) {
        if (!part.empty()) {
            who << QString::fromStdString(part);
        }
    }
    readingOf_->setText(who.join(QStringLiteral(" - ")));
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const Placement& placement = reading.PlanetPlacements[planet];
        const std::string_view text = placement.text();
        QLabel* label = placements_[planet];
        label->setText(QString::fromUtf8(PlanetNames[planet].data(),
                                         static_cast<qsizetype>(PlanetNames[planet].size())) +
                       QLatin1Char(' ') +
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        const std::string_view sign = SignNameOf(placement);
        label->setToolTip(QString::fromUtf8(sign.data(), static_cast<qsizetype>(sign.size())));
    }
}

} // namespace kovrel
