#pragma once

// The printed reading as data: what every page says, in order. The Qt side only lays it out,
// so a PDF, a print-out and a test read the same rows.

#include "app/Reading.h"
#include "chart/ChartLayout.h"
#include "common/BirthDetails.h"
#include "common/Version.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kovrel {

struct DocumentField {
    std::string label;
    std::string value;
};

struct DocumentTable {
    std::string title;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // each as long as headings
    // For the compound grid, the relations its cells after the first column name: they take
    // their background colour from them.
    std::optional<CompoundTable> compound;
};

struct ReadingDocument {
    std::string header; // the person's name, at the top of every page
    // Beside the name: "Precise positions, Lahiri ayanamsa"; empty for classic positions.
    std::string positionsCaption;
    std::string programName; // at the foot of every page, with the page number
    std::string heading;     // the first page's heading
    std::vector<DocumentField> birthDetails;
    ChartLayout chart;
    // The seven planets with their dignities, then the ascendant once one is computed.
    DocumentTable positions;
    // Below the positions: where a precise ephemeris puts a planet marked in the table.
    std::vector<std::string> positionNotes;
    // Natural, temporary and compound, as the three result tabs show them.
    std::array<DocumentTable, 3> relationships;
};

// The chart is drawn in `chartStyle`, as the chart window shows it.
// Every text is said in `words`; the person's own entries stay as they were typed.
ReadingDocument MakeReadingDocument(const CalculatedReading& calculated,
                                    ChartStyle chartStyle = ChartStyle::South,
                                    const Words& words = English());

// The relationship tables of the document, which the tool's text report prints too: a list
// panel's table (planet, friends, enemies, neutrals) and the compound grid.
DocumentTable ListTable(Word title, const RelationLists& lists, const Words& words = English());
DocumentTable CompoundGrid(const CompoundTable& compound, const Words& words = English());

// "Kovrel v1.15 - page 2 of 3".
std::string PageFooterText(const ReadingDocument& document, int page, int pageCount,
                           const Words& words = English());

// The person's name made fit for a file name ("Ann" -> "Ann"), "reading" when nothing is left.
std::string DocumentFileStem(const BirthDetails& birth);

} // namespace kovrel
