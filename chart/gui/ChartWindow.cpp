#include "chart/gui/ChartWindow.h"

#include "chart/ReadingDocument.h"
#include "chart/gui/ChartPainter.h"
#include "common/gui/QtText.h"

#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

namespace kovrel {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartView"));
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setLayoutData(ChartLayout layout) {
    layout_ = std::move(layout);
    update();
}

QSize ChartView::sizeHint() const {
    return {520, 520};
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    PaintChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), layout_);
}

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window), view_(new ChartView) {
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(Text(kWindowCaption) + QStringLiteral(" - ") + Text(kChartTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // A window of its own closes as such windows do, with Escape or Ctrl+W (the platform's
    // Close key where it has one).
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W),
          QKeySequence(QKeySequence::Close)}) {
        if (!key.isEmpty()) {
            connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
        }
    }
}

void ChartWindow::showReading(const CalculatedReading& calculated) {
    view_->setLayoutData(SouthIndianChart(calculated));
}

} // namespace kovrel
