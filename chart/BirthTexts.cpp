#include "chart/BirthTexts.h"

#include "app/TimeZoneCatalog.h"
#include "common/Calendar.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace kovrel {

namespace {

std::string AngleText(int degrees, int minutes, const std::string& hemisphere) {
    char text[40];
    std::snprintf(text, sizeof text, "%d\u00B0 %02d' ", degrees, minutes);
    return text + hemisphere;
}

} // namespace

std::string BirthDateText(const BirthDetails& birth, const Words& words) {
    return DateText(birth.Year, birth.Month, birth.Day, words);
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

// The hemisphere letters after a latitude or longitude.
std::string LatitudeText(const BirthDetails& birth, const Words& words) {
    return AngleText(birth.LatDegrees, birth.LatMinutes,
                     words.Say(birth.SouthFlag ? KOVREL_WORD("Hemispheres", "S")
                                               : KOVREL_WORD("Hemispheres", "N")));
}

std::string LongitudeText(const BirthDetails& birth, const Words& words) {
    return AngleText(birth.LonDegrees, birth.LonMinutes,
                     words.Say(birth.EastFlag ? KOVREL_WORD("Hemispheres", "E")
                                              : KOVREL_WORD("Hemispheres", "W")));
}

std::string DaylightSavingText(const BirthDetails& birth, const Words& words) {
    return words.Say(birth.DstFlag ? KOVREL_WORD("Reading", "Yes") : KOVREL_WORD("Reading", "No"));
}

std::string AyanamsaText(double ayanamsa) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f\u00B0", ayanamsa);
    return text;
}

} // namespace kovrel
