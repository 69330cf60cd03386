#pragma once

#include "app/EntryForm.h"
#include "app/Reading.h"
#include "common/BirthDetails.h"
#include "common/Result.h"

#include <string>

namespace kovrel {

// The values that live for a whole run: the last calculated reading (birth, zone row and
// reading), the positions it is shown in, and the path of the last save. Owned by the main
// window (or the command-line tool); the reading is written only by RunCalculation and
// ChoosePositions, the positions choice only by ChoosePositions, LastSavePath only by saving.
struct Session : CalculatedReading {
    std::string LastSavePath;
};

// The one road from an entry to a reading, for the window and the tool alike: the entry is
// validated; on its first fault the session is left as it was and the fault is the result.
// Otherwise the entry is copied into the session's birth details (a field whose text does not
// convert keeps its value; a zone row outside the catalogue keeps the four zone fields), the
// reading is computed in its fixed order, then in the session's positions (the precise sky
// beside it), stored in the session and returned.
Result<Reading> RunCalculation(const EntryForm& entry, Session& session);

// The reading of `birth` in the positions of `choice`: the classic reading (a step that cannot be
// formed keeps the value of `previous`), the precise sky beside it, and what InPositions makes of
// the two.
CalculatedReading CalculateReading(const BirthDetails& birth, int zoneRow, PositionsChoice choice,
                                   const Reading& previous = {});

// Shows the session's readings in `choice` from now on; a birth already calculated is worked
// out again in it, so the reading on screen follows at once.
void ChoosePositions(Session& session, PositionsChoice choice);

} // namespace kovrel
