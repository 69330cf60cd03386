#include "chart/gui/PositionsStrip.h"

#include "common/gui/Translation.h"

#include "chart/BirthTexts.h"
#include "chart/ChartLayout.h"
#include "chart/PositionNotes.h"
#include "common/gui/QtText.h"
#include "sky/SkyTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kovrel {

namespace {

// Two rows, Sun to Venus then Mars to Saturn and the ascendant, so the strip fits the width of
// the window.
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
    : QFrame(parent), readingOf_(SelectableLabel(this, QStringLiteral("lblReadingOf"))),
      caption_(SelectableLabel(this, QStringLiteral("lblPositionsCaption"))),
      ascendant_(SelectableLabel(this, QStringLiteral("lblAscendant"))) {
    setObjectName(QStringLiteral("fraPositions"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    QFont bold = readingOf_->font();
    bold.setBold(true);
    readingOf_->setFont(bold);
    auto* heading = new QHBoxLayout;
    heading->addWidget(readingOf_);
    heading->addStretch(1);
    heading->addWidget(caption_);
    caption_->hide();
    grid->addLayout(heading, 0, 0, 1, kColumns);
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        auto* label = SelectableLabel(this, QStringLiteral("lblPosition_%1").arg(planet));
        placements_[static_cast<std::size_t>(planet)] = label;
        grid->addWidget(label, 1 + planet / kColumns, planet % kColumns);
    }
    grid->addWidget(ascendant_, 1 + kPlanetCount / kColumns, kPlanetCount % kColumns);
}

void PositionsStrip::showReading(const CalculatedReading& calculated) {
    const BirthDetails& birth = calculated.birth;
    const Reading& reading = calculated.reading;
    const Words& words = WindowWords();
    QStringList who;
    for (const std::string& part :
         {birth.Name, BirthDateText(birth, words) + " " + BirthTimeText(birth),
          BirthPlaceText(birth)}) {
        if (!part.empty()) {
            who << QString::fromStdString(part);
        }
    }
    readingOf_->setText(who.join(QStringLiteral(" - ")));
    const std::string caption = PositionsCaption(calculated.positions, words);
    caption_->setText(Text(caption));
    caption_->setVisible(!caption.empty());
    for (const Planet planet : kPlanets) {
        const Placement& placement = reading.PlanetPlacements[Index(planet)];
        QLabel* label = placements_[Index(planet)];
        QString text = Text(PlanetName(planet, words)) + QLatin1Char(' ') +
                       Text(PlacementText(placement, words));
        QStringList tip;
        for (const std::string& line :
             {SignNameOf(placement, words), DignityTextOf(calculated, planet, words)}) {
            if (!line.empty()) {
                tip << Text(line);
            }
        }
        QString toolTip = tip.join(QStringLiteral(", "));
        if (const std::string opinion = SecondOpinionText(calculated, planet, words);
            !opinion.empty()) {
            text += QLatin1Char(' ') + Text(kSecondOpinionMark);
            toolTip += QLatin1Char('\n') + Text(opinion);
        }
        label->setText(text);
        label->setToolTip(toolTip);
    }
    const std::optional<Placement> rising = AscendantPlacement(calculated);
    ascendant_->setText(rising ? Say(kAscendantName) + QLatin1Char(' ') +
                                     Text(PlacementText(*rising, words))
                               : QString());
    ascendant_->setToolTip(rising ? Text(SignNameOf(*rising, words)) : QString());
}

} // namespace kovrel
