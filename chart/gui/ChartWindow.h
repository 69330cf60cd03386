#pragma once

// The rasi chart in a window of its own that follows the reading on screen, in the style the
// user chose there.

#include "app/Reading.h"
#include "chart/ChartLayout.h"
#include "chart/ChartStyle.h"
#include "common/BirthDetails.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QSettings;

namespace kovrel {

// Paints the chart into the whole widget, so it scales with the window and the screen.
class ChartView : public QWidget {
  public:
    explicit ChartView(QWidget* parent = nullptr);
    void setLayoutData(ChartLayout layout);
    const ChartLayout& layoutData() const { return layout_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartLayout layout_;
};

class ChartWindow : public QWidget {
  public:
    // `settings` keeps the chosen style, and this window is the one that writes it; without
    // settings the choice lasts as long as the window.
    explicit ChartWindow(QWidget* parent = nullptr, QSettings* settings = nullptr);
    // Shows the chart of this reading; called again whenever the reading on screen changes.
    void showReading(const CalculatedReading& calculated);
    const ChartLayout& chartLayout() const { return view_->layoutData(); }

    ChartStyle chartStyle() const { return style_; }
    // As if the user chose it: the chart is drawn again and the choice kept.
    void setChartStyle(ChartStyle style);
    QComboBox* styleChoice() const { return styleChoice_; }

    // The style the settings hold: South Indian unless another was chosen.
    static ChartStyle StoredChartStyle(const QSettings* settings);
    static QString ChartStyleKey();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void sayTexts();

    QSettings* settings_;
    ChartView* view_;
    QComboBox* styleChoice_;
    ChartStyle style_;
    CalculatedReading shown_;
};

} // namespace kovrel
