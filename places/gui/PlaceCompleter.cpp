#include "places/gui/PlaceCompleter.h"

#include "places/Atlas.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

namespace kovrel {

namespace {

constexpr int kCityNameRole = Qt::UserRole;
constexpr int kAtlasIndexRole = Qt::UserRole + 1;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    const QByteArray prefix = typed.toUtf8();
    const auto places =
        FindPlaces({std::string_view(prefix.constData(), static_cast<std::size_t>(prefix.size())),
                    "", "", kMaximumEntries});
    if (places.empty()) {
        completer_->popup()->hide();
        return;
    }
    for (const AtlasCity& city : places) {
        auto* item = new QStandardItem(QString::fromStdString(PlaceLabel(city)));
        item->setData(FromView(city.name), kCityNameRole);
        item->setData(city.index, kAtlasIndexRole);
        item->setEditable(false);
        model_->appendRow(item);
    }
    completer_->setCompletionPrefix(typed);
    completer_->complete();
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
