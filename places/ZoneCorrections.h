#pragma once

#include <array>
#include <string_view>

namespace kovrel {

// The atlas data dates from 2015. These regions and cities have had a zone of their own in the
// IANA database since then. A zone is split off because the place's clocks differed from the old
// zone's at some time since 1970, and the new zone holds the place's own history, so it is the
// right one for every date.
struct ZoneCorrection {
    std::string_view countryCode; // ISO 3166 two-letter code
    std::string_view admin1Code;  // GeoNames first-level division code
    std::string_view asciiName;   // GeoNames ASCII name of the city; empty: the whole division
    std::string_view fromZone;    // the zone the 2015 data gives
    std::string_view toZone;
};

inline constexpr std::array<ZoneCorrection, 16> kZoneCorrections = {{
    {"RU", "67", "", "Europe/Volgograd", "Europe/Saratov"},   // Saratov oblast, tzdata 2016j
    {"RU", "81", "", "Europe/Moscow", "Europe/Ulyanovsk"},    // Ulyanovsk oblast, tzdata 2016b
    {"RU", "07", "", "Europe/Volgograd", "Europe/Astrakhan"}, // Astrakhan oblast, tzdata 2016b
    {"RU", "33", "", "Europe/Volgograd", "Europe/Kirov"},     // Kirov oblast, tzdata 2016d
    {"RU", "75", "", "Asia/Novosibirsk", "Asia/Tomsk"},       // Tomsk oblast, tzdata 2016d
    {"RU", "04", "", "Asia/Omsk", "Asia/Barnaul"},            // Altai Krai, tzdata 2016b
    {"RU", "03", "", "Asia/Omsk", "Asia/Barnaul"},            // Altai Republic, tzdata 2016b
    {"RU", "93", "", "Asia/Yakutsk", "Asia/Chita"},           // Zabaykalsky Krai, tzdata 2014f
    {"KZ", "13", "", "Asia/Qyzylorda", "Asia/Qostanay"},      // Kostanay region, tzdata 2018h
    // Arkalyk, the one city of the region the file puts on Almaty: an hour ahead of the region's
    // clocks from 1924 to 2004 (zdump).
    {"KZ", "13", "", "Asia/Almaty", "Asia/Qostanay"},
    {"KZ", "06", "", "Asia/Oral", "Asia/Atyrau"},                 // Atyrau region, tzdata 2017a
    {"CL", "10", "", "America/Santiago", "America/Punta_Arenas"}, // Magallanes, tzdata 2017a
    {"CL", "02", "", "America/Santiago", "America/Coyhaique"},    // Aysen, tzdata 2025b
    {"MX", "06", "Ciudad Juarez", "America/Ojinaga", "America/Ciudad_Juarez"}, // tzdata 2022g
    {"CY", "01", "Famagusta", "Asia/Nicosia", "Asia/Famagusta"}, // Northern Cyprus, tzdata 2016i
    {"CY", "02", "Kyrenia", "Asia/Nicosia", "Asia/Famagusta"},   // Northern Cyprus, tzdata 2016i
}};

// The zone a city of the 2015 data is in today's database.
constexpr std::string_view CorrectedZone(std::string_view countryCode, std::string_view admin1Code,
                                         std::string_view asciiName, std::string_view zone) {
    for (const ZoneCorrection& c : kZoneCorrections) {
        if (c.countryCode == countryCode && c.admin1Code == admin1Code && c.fromZone == zone &&
            (c.asciiName.empty() || c.asciiName == asciiName)) {
            return c.toZone;
        }
    }
    return zone;
}

} // namespace kovrel
