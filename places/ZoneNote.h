#pragma once

// The note the place assistant shows under the entry form, in words for a person: the place, what
// its clocks showed at the entered date and time, and what the Time Zone and Daylight Saving Time
// boxes as they now stand make of it. No zone database names and no "UTC+5:21:10".

#include "app/EntryForm.h"
#include "places/ZoneChoice.h"

#include <string>

namespace kovrel {

// An offset east of UTC as hours and minutes from Greenwich: "5 h 30 min ahead of Greenwich",
// "4 h behind Greenwich", "Greenwich time". Seconds are rounded to the nearest minute and then
// say "about": 19270 s is "about 5 h 21 min ahead of Greenwich".
std::string GreenwichOffsetText(int offsetSeconds);

// A length of time the same way: "10 h 30 min", "2 h", "about 9 min", "under a minute".
std::string TimeSpanText(int seconds);

// The note for `form`, whose place the assistant filled, with `choice` the zone in force there
// at the form's date and time and the row the assistant would choose. The row and the box are
// read from the form as they stand, chosen by the assistant or by hand, and the moments the
// planets and the Moon are worked out for are compared with the birth. Daylight saving is only
// mentioned as the box says it.
std::string ZoneNote(const ZoneChoice& choice, const EntryForm& form);

} // namespace kovrel
