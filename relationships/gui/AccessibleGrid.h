#pragma once

#include <QList>

class QLabel;
class QWidget;

namespace kovrel {

// Lets screen readers read a grid of labels as a table: `grid` becomes a table of
// rowHeadings.size() rows and columnHeadings.size() columns whose cell (r, c) is
// cells[r * columns + c], each cell with its row and column heading. The labels keep being
// what they are on screen; the readers read their current texts.
void MakeAccessibleGrid(QWidget* grid, const QList<QLabel*>& rowHeadings,
                        const QList<QLabel*>& columnHeadings, const QList<QLabel*>& cells);

} // namespace kovrel
