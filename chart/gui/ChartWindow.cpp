#include "chart/gui/ChartWindow.h"

#include "chart/ReadingDocument.h"
#include "chart/gui/ChartPainter.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

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
    constexpr int kWidth = 520;
    return {kWidth, static_cast<int>(std::lround(kWidth * ChartAspect(layout_.style)))};
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    PaintChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), layout_);
}

ChartWindow::ChartWindow(QWidget* parent, QSettings* settings)
    : QWidget(parent, Qt::Window), settings_(settings), view_(new ChartView),
      styleChoice_(new QComboBox), style_(StoredChartStyle(settings)) {
    setObjectName(QStringLiteral("frmChart"));
    styleChoice_->setObjectName(QStringLiteral("cboChartStyle"));
    SetAccessibleName(styleChoice_, KOVREL_WORD("ChartWindow", "Chart style"));
    for (const ChartStyle style : kChartStyles) {
        styleChoice_->addItem(Say(ChartStyleName(style)), static_cast<int>(style));
    }
    styleChoice_->setCurrentIndex(static_cast<int>(style_));
    auto* label = new QLabel;
    SetText(label, KOVREL_WORD("ChartWindow", "Chart &style:"));
    label->setBuddy(styleChoice_);
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(label);
    choiceRow->addWidget(styleChoice_);
    choiceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* controls = new QWidget;
    controls->setLayout(choiceRow);
    layout->addWidget(controls);
    layout->addWidget(view_, 1);
    sayTexts();
    connect(styleChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        setChartStyle(static_cast<ChartStyle>(styleChoice_->itemData(index).toInt()));
    });
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

// The window's own texts and the chart's, in the program's language.
void ChartWindow::sayTexts() {
    setWindowTitle(Text(kWindowCaption) + QStringLiteral(" - ") + Say(kChartTitle));
    for (int i = 0; i < styleChoice_->count(); ++i) {
        styleChoice_->setItemText(i,
                                  Say(ChartStyleName(kChartStyles[static_cast<std::size_t>(i)])));
    }
    view_->setLayoutData(ChartOf(shown_, style_, WindowWords()));
}

void ChartWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate(this);
        sayTexts();
    }
    QWidget::changeEvent(event);
}

QString ChartWindow::ChartStyleKey() {
    return QStringLiteral("Chart/Style");
}

ChartStyle ChartWindow::StoredChartStyle(const QSettings* settings) {
    if (settings == nullptr) {
        return ChartStyle::South;
    }
    const QString word = settings->value(ChartStyleKey()).toString();
    return ChartStyleOfWord(word.toStdString()).value_or(ChartStyle::South);
}

void ChartWindow::setChartStyle(ChartStyle style) {
    if (styleChoice_->currentIndex() != static_cast<int>(style)) {
        styleChoice_->setCurrentIndex(static_cast<int>(style)); // comes back here
        return;
    }
    if (style == style_) {
        return;
    }
    style_ = style;
    if (settings_ != nullptr) {
        settings_->setValue(ChartStyleKey(), Text(ChartStyleWord(style)));
        settings_->sync();
    }
    view_->setLayoutData(ChartOf(shown_, style_, WindowWords()));
}

void ChartWindow::showReading(const CalculatedReading& calculated) {
    shown_ = calculated;
    view_->setLayoutData(ChartOf(shown_, style_, WindowWords()));
}

} // namespace kovrel
