// Build step: turns the VSOP87 series files that KStars ships (Debian: kstars-data) into
// VsopData.cpp, a table compiled into the program, keeping only the terms that can matter to a
// geocentric longitude.
//
//   kovrel_make_vsop FOLDER OUTPUT
//
// FOLDER holds <body>.<L|B|R><0..5>.vsop, one term "A B C" a line. Those files are VSOP87B
// (Bretagnon & Francou 1988): heliocentric spherical coordinates referred to the dynamical
// ecliptic and equinox of J2000. The Earth's first longitude series of power one starts with
// 6283.07585 radians a millennium, the Earth's mean motion without precession (VSOP87D, of
// date, has 6283.31967 there), and its latitude series of power one reaches 0.0023 radians, the
// Earth's drift away from a fixed ecliptic. Rotated from that ecliptic to the equator, the
// Earth they give agrees with ERFA's eraEpv00 to 0.04 arc second over 1900-2050.
#include "sky/VsopTable.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace vsop = kovrel::vsop;

// A term stays when the largest change it can make to a geocentric longitude between 1900 and
// 2100 reaches this (radians; 0.02 arc second). The omitted terms then add up to a few
// hundredths of an arc second, well inside the arc second the route is held to.
constexpr double kSmallestEffect = 1e-7;
// The time argument stays within this many millennia of J2000 over those two centuries.
constexpr double kLargestTime = 0.1;

// How far an error in each heliocentric coordinate can grow in the longitude seen from the
// Earth: a longitude error by the body's largest distance from the Sun over its closest approach
// to the Earth, a distance error (au) by one over that approach, a latitude error by that
// longitude factor times the sine of the largest latitude (it moves the longitude only through
// the tilt). The Earth's own errors are seen most enlarged in Venus at inferior conjunction.
struct BodyFile {
    std::string_view name;
    double largestDistance; // au
    double closestApproach; // au, from the Earth (for the Earth: Venus' closest)
    double largestLatitude; // degrees
};
constexpr BodyFile kBodies[vsop::kBodyCount] = {
    {"mercury", 0.467, 0.52, 7.0}, {"venus", 0.728, 0.26, 3.4},  {"earth", 1.017, 0.26, 0.001},
    {"mars", 1.666, 0.37, 1.9},    {"jupiter", 5.46, 3.95, 1.4}, {"saturn", 10.1, 8.0, 2.6},
};

constexpr std::string_view kCoordinates = "LBR";

struct Term {
    std::string amplitude; // the published figures, as written
    std::string phase;
    std::string frequency;
};

bool ParseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

double Growth(const BodyFile& body, int coordinate) {
    const double longitude = body.largestDistance / body.closestApproach;
    constexpr double kDegree = 3.14159265358979323846 / 180.0;
    switch (coordinate) {
    case 0:
        return longitude;
    case 1:
        return longitude * std::sin(body.largestLatitude * kDegree);
    default:
        return 1.0 / body.closestApproach;
    }
}

bool ReadSeries(const std::string& path, const BodyFile& body, int coordinate, int power,
                std::vector<Term>& kept, std::size_t& published) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "kovrel_make_vsop: cannot read " << path << '\n';
        return false;
    }
    const double scale = std::pow(kLargestTime, power) * Growth(body, coordinate);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::istringstream fields(line);
        Term term;
        if (!(fields >> term.amplitude)) {
            continue; // a blank line
        }
        std::string extra;
        double a = 0.0;
        double b = 0.0;
        double c = 0.0;
        if (!(fields >> term.phase >> term.frequency) || (fields >> extra) ||
            !ParseNumber(term.amplitude, a) || !ParseNumber(term.phase, b) ||
            !ParseNumber(term.frequency, c)) {
            std::cerr << "kovrel_make_vsop: " << path << ":" << lineNumber
                      << ": not three numbers\n";
            return false;
        }
        if (std::fabs(a) * scale >= kSmallestEffect) {
            kept.push_back(term);
            ++published;
        }
    }
    while (kept.size() % vsop::kLanes != 0) {
        kept.push_back({"0.0", "0.0", "0.0"});
    }
    return true;
}

void WriteColumn(std::ostream& out, const std::string& name, const std::vector<Term>& terms,
                 std::string Term::*column) {
    out << "alignas(32) constexpr double " << name << "[] = {\n";
    for (std::size_t k = 0; k < terms.size(); k += vsop::kLanes) {
        out << "   ";
        for (std::size_t j = k; j < k + vsop::kLanes; ++j) {
            out << ' ' << terms[j].*column << ',';
        }
        out << '\n';
    }
    out << "};\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kovrel_make_vsop FOLDER OUTPUT\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::ostringstream out;
    out << "// Generated by kovrel_make_vsop from the VSOP87B series of Bretagnon & Francou "
           "(1988)\n"
           "// as distributed by the KStars project (Debian: kstars-data). Do not edit.\n"
           "#include \"sky/VsopTable.h\"\n\n"
           "namespace kovrel::vsop {\n\nnamespace {\n\n";
    std::ostringstream table;
    std::size_t planetTerms = 0;
    std::size_t earthTerms = 0;
    std::size_t padded = 0;
    for (int b = 0; b < vsop::kBodyCount; ++b) {
        const BodyFile& body = kBodies[b];
        std::vector<Term> terms;
        std::vector<std::size_t> start;
        std::size_t published = 0;
        for (int coordinate = 0; coordinate < vsop::kCoordinateCount; ++coordinate) {
            for (int power = 0; power < vsop::kPowerCount; ++power) {
                start.push_back(terms.size());
                const std::string path = folder + "/" + std::string(body.name) + "." +
                                         kCoordinates[coordinate] + std::to_string(power) + ".vsop";
                if (!ReadSeries(path, body, coordinate, power, terms, published)) {
                    return 1;
                }
            }
        }
        start.push_back(terms.size());
        if (terms.size() > 65535) {
            std::cerr << "kovrel_make_vsop: too many terms for " << body.name << '\n';
            return 1;
        }
        (body.name == "earth" ? earthTerms : planetTerms) += published;
        padded += terms.size() - published;
        const std::string stem = "k" + std::to_string(b);
        WriteColumn(out, stem + "Amplitude", terms, &Term::amplitude);
        WriteColumn(out, stem + "Phase", terms, &Term::phase);
        WriteColumn(out, stem + "Frequency", terms, &Term::frequency);
        out << '\n';
        table << "    BodySeries{" << stem << "Amplitude, " << stem << "Phase, " << stem
              << "Frequency, {";
        for (std::size_t k = 0; k < start.size(); ++k) {
            table << (k ? ", " : "") << start[k];
        }
        table << "}}, // " << body.name << '\n';
    }
    out << "constexpr std::array<BodySeries, kBodyCount> kSeries = {\n"
        << table.str() << "};\n\n} // namespace\n\n"
        << "const std::array<BodySeries, kBodyCount>& Series() {\n    return kSeries;\n}\n\n"
        << "} // namespace kovrel::vsop\n";

    std::ofstream file(argv[2], std::ios::binary);
    file << out.str();
    if (!file) {
        std::cerr << "kovrel_make_vsop: cannot write " << argv[2] << '\n';
        return 1;
    }
    std::cout << "kovrel_make_vsop: " << planetTerms << " terms for the five planets, "
              << earthTerms << " for the Earth, " << padded << " zero terms of padding\n";
    return 0;
}
