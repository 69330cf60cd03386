#include "places/gui/PlaceAssistant.h"

#include "common/gui/QtText.h"
#include "places/Atlas.h"
#include "places/PlaceEntry.h"
#include "places/ZoneNote.h"
#include "places/gui/PlaceCompleter.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace kovrel {

namespace {

// The boxes and options the assistant fills for a place: city, state, country, latitude and
// longitude with their hemispheres.
EntryForm PlacePart(const EntryForm& form) {
    EntryForm place;
    place.city = form.city;
    place.state = form.state;
    place.country = form.country;
    place.latDeg = form.latDeg;
    place.latMin = form.latMin;
    place.lonDeg = form.lonDeg;
    place.lonMin = form.lonMin;
    place.latitude = form.latitude;
    place.longitude = form.longitude;
    return place;
}

} // namespace

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

void PlaceAssistant::formChanged() {
    if (filling_ || placeZone_.empty()) {
        return;
    }
    const EntryForm form = read_();
    if (PlacePart(form) != filledPlace_) {
        forget();
        return;
    }
    if (!zoneChosenByHand_ && FormDateTime(form) != chosenFor_) {
        chooseZoneAgain(form);
    }
    showNote(read_());
}

void PlaceAssistant::zoneChosenByHand() {
    zoneChosenByHand_ = true;
}

void PlaceAssistant::forget() {
    placeZone_.clear();
    zoneChosenByHand_ = false;
    note_->clear();
}

void PlaceAssistant::placeChosen(int atlasIndex) {
    const AtlasCity city = AtlasCityAt(atlasIndex);
    write(FillEntryFromCity(city, read_()).entry);
    // What the boxes took, which is what they must go on holding.
    const EntryForm form = read_();
    placeZone_ = std::string(city.ianaZone);
    filledPlace_ = PlacePart(form);
    chosenFor_ = FormDateTime(form);
    zoneChosenByHand_ = false;
    showNote(form);
}

void PlaceAssistant::chooseZoneAgain(const EntryForm& form) {
    chosenFor_ = FormDateTime(form);
    const PlaceFill fill = RechooseZone(placeZone_, form);
    if (fill.zone && fill.entry != form) {
        write(fill.entry);
    }
}

void PlaceAssistant::write(const EntryForm& form) {
    filling_ = true;
    write_(form);
    filling_ = false;
}

void PlaceAssistant::showNote(const EntryForm& form) {
    const Result<ZoneChoice> choice =
        ChooseZoneRow(placeZone_, FormDateTime(form), LongitudeCountsEast(form));
    note_->setText(choice ? Text(ZoneNote(*choice, form)) : Text(choice.fault().message));
}

} // namespace kovrel
