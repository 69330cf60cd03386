#pragma once

// The birth as a reader sees it on a chart or a printed page: one text per detail.

#include "common/BirthDetails.h"
#include "common/Words.h"

#include <string>

namespace kovrel {

// "15 March 1990"; a month outside 1..12 is written as its number.
std::string BirthDateText(const BirthDetails& birth, const Words& words = English());
// "08:30", the local clock time as entered.
std::string BirthTimeText(const BirthDetails& birth);
// "New Delhi, Delhi, India": the place parts that are not empty.
std::string BirthPlaceText(const BirthDetails& birth);
// "28° 36' N" and "77° 12' E".
std::string LatitudeText(const BirthDetails& birth, const Words& words = English());
std::string LongitudeText(const BirthDetails& birth, const Words& words = English());
// "Yes" or "No".
std::string DaylightSavingText(const BirthDetails& birth, const Words& words = English());
// "-23.724420°", as the command-line tool writes it.
std::string AyanamsaText(double ayanamsa);

} // namespace kovrel
