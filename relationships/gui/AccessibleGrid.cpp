#include "relationships/gui/AccessibleGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>

namespace kovrel {

namespace {

// The shape of one grid, kept as a child of the grid widget so that it lives as long as it.
class GridShape : public QObject {
  public:
    using QObject::QObject;
    QList<QPointer<QLabel>> rows;
    QList<QPointer<QLabel>> columns;
    QList<QPointer<QLabel>> cells;

    QWidget* grid() const { return static_cast<QWidget*>(parent()); }
};

GridShape* ShapeOf(const QObject* grid) {
    if (grid == nullptr) {
        return nullptr;
    }
    // The shape carries no meta-object of its own, so it is told from other children by type.
    for (QObject* child : grid->children()) {
        if (auto* shape = dynamic_cast<GridShape*>(child)) {
            return shape;
        }
    }
    return nullptr;
}

QAccessibleInterface* Query(QObject* object) {
    return object != nullptr ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    GridAccessible(QWidget* grid, GridShape* shape)
        : QAccessibleWidget(grid, QAccessible::Table), shape_(shape) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* box = qobject_cast<const QGroupBox*>(widget())) {
                return box->title();
            }
        }
        return QAccessibleWidget::text(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        return Query(shape_->cells.value(row * columnCount() + column));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        const QLabel* heading = shape_->columns.value(column);
        return heading != nullptr ? heading->text() : QString();
    }
    QString rowDescription(int row) const override {
        const QLabel* heading = shape_->rows.value(row);
        return heading != nullptr ? heading->text() : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return static_cast<int>(shape_->columns.size()); }
    int rowCount() const override { return static_cast<int>(shape_->rows.size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The grid only shows: nothing in it can be selected.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    QPointer<GridShape> shape_;
};

// A label of the grid: a heading or a cell, named by its text.
class GridLabelAccessible : public QAccessibleWidget {
  public:
    GridLabelAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(type);
    }
};

class GridCellAccessible : public GridLabelAccessible, public QAccessibleTableCellInterface {
  public:
    GridCellAccessible(QLabel* label, GridShape* shape, int row, int column)
        : GridLabelAccessible(label, QAccessible::Cell), shape_(shape), row_(row), column_(column) {
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return GridLabelAccessible::interface_cast(type);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return Headings(shape_ ? shape_->columns.value(column_) : nullptr);
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return Headings(shape_ ? shape_->rows.value(row_) : nullptr);
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return shape_ ? Query(shape_->grid()) : nullptr;
    }

  private:
    static QList<QAccessibleInterface*> Headings(QLabel* heading) {
        QAccessibleInterface* found = Query(heading);
        return found != nullptr ? QList<QAccessibleInterface*>{found}
                                : QList<QAccessibleInterface*>{};
    }

    QPointer<GridShape> shape_;
    int row_;
    int column_;
};

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (GridShape* shape = ShapeOf(widget)) {
        return new GridAccessible(widget, shape);
    }
    auto* label = qobject_cast<QLabel*>(widget);
    GridShape* shape = label != nullptr ? ShapeOf(label->parentWidget()) : nullptr;
    if (shape == nullptr) {
        return nullptr;
    }
    if (const qsizetype at = shape->cells.indexOf(label); at >= 0) {
        const auto columns = shape->columns.size();
        return new GridCellAccessible(label, shape, static_cast<int>(at / columns),
                                      static_cast<int>(at % columns));
    }
    if (shape->rows.contains(label)) {
        return new GridLabelAccessible(label, QAccessible::RowHeader);
    }
    if (shape->columns.contains(label)) {
        return new GridLabelAccessible(label, QAccessible::ColumnHeader);
    }
    return nullptr;
}

} // namespace

void MakeAccessibleGrid(QWidget* grid, const QList<QLabel*>& rowHeadings,
                        const QList<QLabel*>& columnHeadings, const QList<QLabel*>& cells) {
    // Registered once for the whole program; it answers only for grids made here.
    static const bool registered = [] {
        QAccessible::installFactory(&GridFactory);
        return true;
    }();
    Q_UNUSED(registered);
    auto* shape = new GridShape(grid);
    for (QLabel* heading : rowHeadings) {
        shape->rows.append(heading);
    }
    for (QLabel* heading : columnHeadings) {
        shape->columns.append(heading);
    }
    for (QLabel* cell : cells) {
        shape->cells.append(cell);
    }
    // An interface made before the grid was known (a caption or text set while a reader
    // listens) would stay a plain group and plain labels: let the factory make them again.
    QList<QObject*> known = {grid};
    known += QList<QObject*>(rowHeadings.begin(), rowHeadings.end());
    known += QList<QObject*>(columnHeadings.begin(), columnHeadings.end());
    known += QList<QObject*>(cells.begin(), cells.end());
    for (QObject* object : known) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

} // namespace kovrel
