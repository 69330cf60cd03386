#include "chart/BirthTexts.h"

#include "app/TimeZoneCatalog.h"
#include "common/Calendar.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace kovrel {

namespace {

std::string AngleText(int degrees, int minutes, char hemisphere) {
    char text[40];
    std::snprintf(text, sizeof text, "%d\u00B0 %02d' %c", degrees, minutes, hemisphere);
    return text;
}

} // namespace

std::string BirthDateText(const BirthDetails& birth) {
    return DateText(birth.Year, birth.Month, birth.Day);
}

std::string BirthTimeText(const BirthDetails& birth) {
    return ClockText(birth.Hour, birth.Minute);
}

std::string BirthPlaceText(const BirthDetails& birth) {
    std::string place;
    for (const std::string* part : {&birth.City, &birth.State, &birth.Country}) {
        if (part->empty()) {
            continue;
        }
        if (!place.empty()) {
            place += ", ";
        }
        place += *part;
    }
    return place;
}

std::string LatitudeText(const BirthDetails& birth) {
    return AngleText(birth.LatDegrees, birth.LatMinutes, birth.SouthFlag ? 'S' : 'N');
}

std::string LongitudeText(const BirthDetails& birth) {
    return AngleText(birth.LonDegrees, birth.LonMinutes, birth.EastFlag ? 'E' : 'W');
}

std::string DaylightSavingText(const BirthDetails& birth) {
    return birth.DstFlag ? "Yes" : "No";
}

std::string AyanamsaText(double ayanamsa) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f\u00B0", ayanamsa);
    return text;
}

} // namespace kovrel
