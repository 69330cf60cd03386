#pragma once

// The rasi chart in a window of its own that follows the reading on screen.

#include "app/Reading.h"
#include "chart/ChartLayout.h"
#include "common/BirthDetails.h"

#include <QWidget>

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
    explicit ChartWindow(QWidget* parent = nullptr);
    // Shows the chart of this reading; called again whenever the reading on screen changes.
    void showReading(const CalculatedReading& calculated);
    const ChartLayout& chartLayout() const { return view_->layoutData(); }

  private:
    ChartView* view_;
};

} // namespace kovrel
