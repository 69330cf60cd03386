#pragma once

#include "app/EntryForm.h"

#include <QObject>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kovrel {

class PlaceCompleter;
struct PlaceFill;

// The place assistant of an entry form: it offers atlas places while the user types a city,
// fills the place and the zone row from the chosen one and says why under the form, and
// chooses the zone again when the date or time changes, until the user picks a zone by hand.
// The form stays with its owner, which the assistant reads and writes through `read` and
// `write`, and which tells it what the user changed.
class PlaceAssistant : public QObject {
    Q_OBJECT

  public:
    using ReadForm = std::function<EntryForm()>;
    using WriteForm = std::function<void(const EntryForm&)>;

    // Attaches a PlaceCompleter to `city`; its notes go into `note`. Neither is owned.
    PlaceAssistant(QLineEdit* city, QLabel* note, ReadForm read, WriteForm write,
                   QObject* parent = nullptr);

    PlaceCompleter* completer() const { return completer_; }

    // A zone the user picks wins over the assistant until another place is chosen.
    void zoneChosenByHand();
    // The form's date or time changed, by the user or by the owner.
    void dateOrTimeChanged();

  private:
    void placeChosen(int atlasIndex);
    void show(const PlaceFill& fill);

    PlaceCompleter* completer_;
    QLabel* note_;
    ReadForm read_;
    WriteForm write_;
    // The zone of the place last chosen from the atlas; empty for a place typed by hand.
    std::string placeZone_;
    bool zoneChosenByHand_ = false;
    // The assistant's own writes change the date lists too; they must not choose again.
    bool filling_ = false;
};

} // namespace kovrel
