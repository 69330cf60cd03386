#include "places/gui/PlaceCompleter.h"

#include "common/gui/QtText.h"
#include "places/Atlas.h"
#include "places/PlaceEntry.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

namespace kovrel {

namespace {

constexpr int kCityNameRole = Qt::UserRole;
constexpr int kAtlasIndexRole = Qt::UserRole + 1;

} // namespace

PlaceCompleter::PlaceCompleter(QLineEdit* edit)
    : QObject(edit), edit_(edit), model_(new QStandardItemModel(this)),
      completer_(new QCompleter(model_, this)) {
    // The atlas has already chosen and ordered the entries; the completer only shows them.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kCityNameRole);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kMaximumEntries);
    // Attached with setWidget, not QLineEdit::setCompleter, so that choosing an entry puts the
    // city's name in the box rather than the whole entry text.
    completer_->setWidget(edit_);
    connect(edit_, &QLineEdit::textEdited, this, &PlaceCompleter::offerPlaces);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceCompleter::choose);
}

void PlaceCompleter::offerPlaces(const QString& typed) {
    model_->clear();
    const auto [state, country] = readNarrowing_ ? readNarrowing_() : std::pair<QString, QString>{};
    const std::string prefix = Utf8(typed);
    const std::string stateText = Utf8(state);
    const std::string countryText = Utf8(country);
    const auto places =
        FindPlaces(SuggestionSearch(prefix, stateText, countryText, kMaximumEntries));
    if (places.empty()) {
        completer_->popup()->hide();
        return;
    }
    for (const AtlasCity& city : places) {
        auto* item = new QStandardItem(Text(ShownPlaceLabel(city)));
        item->setData(Text(city.name), kCityNameRole);
        item->setData(city.index, kAtlasIndexRole);
        // Places of one name, state and country differ by where they lie.
        item->setToolTip(Text(LatitudeText(city.latitudeE5) + " " +
                              LongitudeText(city.longitudeE5) + ", " + std::string(city.ianaZone)));
        item->setEditable(false);
        model_->appendRow(item);
    }
    completer_->setCompletionPrefix(typed);
    // Left-aligned under the box, and wide enough for "City, State, Country" whole.
    completer_->complete(QRect(0, 0, popupWidth(), edit_->height()));
}

int PlaceCompleter::popupWidth() const {
    QAbstractItemView* popup = completer_->popup();
    int width = popup->sizeHintForColumn(0) + 2 * popup->frameWidth();
    if (model_->rowCount() > completer_->maxVisibleItems()) {
        width += popup->verticalScrollBar()->sizeHint().width();
    }
    return std::max(width, edit_->width());
}

void PlaceCompleter::choose(const QModelIndex& index) {
    const QVariant atlasIndex = index.data(kAtlasIndexRole);
    if (!atlasIndex.isValid()) {
        return;
    }
    completer_->popup()->hide();
    edit_->setText(index.data(kCityNameRole).toString());
    emit placeChosen(atlasIndex.toInt());
}

} // namespace kovrel
