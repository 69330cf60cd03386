#pragma once

// The two ways the rasi chart is drawn. The chart window offers them, the settings keep the
// choice and `--chart-style` names one.

#include "common/Words.h"

#include <array>
#include <optional>
#include <string_view>

namespace kovrel {

// South first: it is the style every chart had before the choice existed, and stays the default.
enum class ChartStyle : int { South, North };

inline constexpr std::array<ChartStyle, 2> kChartStyles = {ChartStyle::South, ChartStyle::North};

// What the chart window lists.
inline constexpr Word ChartStyleName(ChartStyle style) {
    return style == ChartStyle::North ? KOVREL_WORD("Chart", "North Indian")
                                      : KOVREL_WORD("Chart", "South Indian");
}

// The word `--chart-style` takes and the settings store.
inline constexpr std::string_view ChartStyleWord(ChartStyle style) {
    return style == ChartStyle::North ? "north" : "south";
}

inline constexpr std::optional<ChartStyle> ChartStyleOfWord(std::string_view word) {
    for (const ChartStyle style : kChartStyles) {
        if (ChartStyleWord(style) == word) {
            return style;
        }
    }
    return std::nullopt;
}

} // namespace kovrel
