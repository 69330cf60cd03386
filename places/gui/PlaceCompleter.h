#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

namespace kovrel {

// Offers atlas places in a popup while the user types in a line edit: a dozen, "São Paulo,
// São Paulo, Brazil" with the real names, the places of the State and Country boxes first,
// then the most populous, and every place of exactly the typed name after them, so that each
// can be reached; chosen with the keyboard or the mouse. Names count as others spell them too
// ("Koeln", "St Louis") and by their alternate names ("Bombay"). The popup is as wide as its
// longest entry. Choosing one puts the city's name, letters only, into the line edit and emits
// placeChosen. The line edit keeps its own filters and limits; the completer only reads what
// was typed.
class PlaceCompleter : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMaximumEntries = 12;

    // The texts of the State and Country boxes, read at each keystroke.
    using ReadNarrowing = std::function<std::pair<QString, QString>()>;

    // Attaches to `edit`; owned by it.
    explicit PlaceCompleter(QLineEdit* edit);

    QCompleter* completer() const { return completer_; }

    void setNarrowing(ReadNarrowing read) { readNarrowing_ = std::move(read); }

  signals:
    // The position of the chosen city in the atlas (AtlasCityAt).
    void placeChosen(int atlasIndex);

  private:
    void offerPlaces(const QString& typed);
    void choose(const QModelIndex& index);
    int popupWidth() const;

    QLineEdit* edit_;
    QStandardItemModel* model_;
    QCompleter* completer_;
    ReadNarrowing readNarrowing_;
};

} // namespace kovrel
