#include "places/gui/PlaceAssistant.h"

#include "common/gui/QtText.h"
#include "places/Atlas.h"
#include "places/PlaceEntry.h"
#include "places/gui/PlaceCompleter.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace kovrel {

PlaceAssistant::PlaceAssistant(QLineEdit* city, QLabel* note, ReadForm read, WriteForm write,
                               QObject* parent)
    : QObject(parent), completer_(new PlaceCompleter(city)), note_(note), read_(std::move(read)),
      write_(std::move(write)) {
    connect(completer_, &PlaceCompleter::placeChosen, this, &PlaceAssistant::placeChosen);
    completer_->setNarrowing([this] {
        const EntryForm form = read_();
        return std::pair{Text(form.state), Text(form.country)};
    });
}

void PlaceAssistant::zoneChosenByHand() {
    zoneChosenByHand_ = true;
}

void PlaceAssistant::dateOrTimeChanged() {
    if (!placeZone_.empty() && !zoneChosenByHand_ && !filling_) {
        show(RechooseZone(placeZone_, read_()));
    }
}

void PlaceAssistant::placeChosen(int atlasIndex) {
    const AtlasCity city = AtlasCityAt(atlasIndex);
    const PlaceFill fill = FillEntryFromCity(city, read_());
    placeZone_ = std::string(city.ianaZone);
    zoneChosenByHand_ = false;
    show(fill);
}

void PlaceAssistant::show(const PlaceFill& fill) {
    filling_ = true;
    write_(fill.entry);
    filling_ = false;
    note_->setText(fill.zone ? Text(fill.zone->explanation) : Text(fill.zone.fault().message));
}

} // namespace kovrel
