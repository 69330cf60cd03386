#pragma once

#include <QObject>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

namespace kovrel {

// Offers atlas places in a popup while the user types in a line edit: at most a dozen,
// "Pune, Maharashtra, India", the most populous first, chosen with the keyboard or the mouse.
// Choosing one puts the city's name (letters only) into the line edit and emits placeChosen.
// The line edit keeps its own filters and limits; the completer only reads what was typed.
class PlaceCompleter : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMaximumEntries = 12;

    // Attaches to `edit`; owned by it.
    explicit PlaceCompleter(QLineEdit* edit);

    QCompleter* completer() const { return completer_; }

  signals:
    // The position of the chosen city in the atlas (AtlasCityAt).
    void placeChosen(int atlasIndex);

  private:
    void offerPlaces(const QString& typed);
    void choose(const QModelIndex& index);

    QLineEdit* edit_;
    QStandardItemModel* model_;
    QCompleter* completer_;
};

} // namespace kovrel
