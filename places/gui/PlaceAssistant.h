#pragma once

#include "app/EntryForm.h"
#include "places/ZoneInForce.h"

#include <QObject>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kovrel {

class PlaceCompleter;

// The place assistant of an entry form: it offers atlas places while the user types a city,
// fills the place and the zone row from the chosen one and says under the form what the boxes
// then mean, and chooses the zone again when the date or time changes, until the user picks a
// zone or the daylight-saving box by hand. It remembers only the place it filled, for as long as
// the place boxes hold it. The form stays with its owner, which the assistant reads and writes
// through `read` and `write`, and which tells it what changed.
class PlaceAssistant : public QObject {
    Q_OBJECT

  public:
    using ReadForm = std::function<EntryForm()>;
    using WriteForm = std::function<void(const EntryForm&)>;

    // Attaches a PlaceCompleter to `city`; its notes go into `note`. Neither is owned.
    PlaceAssistant(QLineEdit* city, QLabel* note, ReadForm read, WriteForm write,
                   QObject* parent = nullptr);

    PlaceCompleter* completer() const { return completer_; }

    // Anything on the form changed, typed by the user or written by the owner. Place boxes that
    // no longer hold the filled place make the assistant forget it; a new date or time has the
    // zone chosen again unless the user chose it; the note follows what the boxes now hold.
    void formChanged();
    // The user picked a zone or ticked or unticked the daylight-saving box: both stay as the user
    // left them until another place is chosen.
    void zoneChosenByHand();
    // The owner put other values into the boxes (a reading opened): the place is forgotten and
    // the note emptied, whatever the new values are.
    void forget();

  private:
    void placeChosen(int atlasIndex);
    void chooseZoneAgain(const EntryForm& form);
    void write(const EntryForm& form);
    void showNote(const EntryForm& form);

    PlaceCompleter* completer_;
    QLabel* note_;
    ReadForm read_;
    WriteForm write_;
    // The zone of the place the assistant filled; empty when it remembers none.
    std::string placeZone_;
    // The place boxes as the fill left them, every other field at its default.
    EntryForm filledPlace_;
    // The date and time the zone was last chosen for.
    LocalDateTime chosenFor_;
    bool zoneChosenByHand_ = false;
    // The assistant's own writes change the boxes and lists too; they are not the user's.
    bool filling_ = false;
};

} // namespace kovrel
