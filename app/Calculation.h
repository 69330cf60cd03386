#pragma once

#include "app/EntryForm.h"
#include "app/Reading.h"
#include "common/BirthDetails.h"
#include "common/Result.h"

#include <string>

namespace kovrel {

// The values that live for a whole run: the last calculated reading (birth, zone row and
// reading) and the path of the last save. Owned by the main window (or the command-line tool);
// the reading is written only by RunCalculation, LastSavePath only by saving.
struct Session : CalculatedReading {
    std::string LastSavePath;
};

// The one road from an entry to a reading, for the window and the tool alike: the entry is
// validated; on its first fault the session is left as it was and the fault is the result.
// Otherwise the entry is copied into the session's birth details (a field whose text does not
// convert keeps its value; a zone row outside the catalogue keeps the four zone fields), the
// reading is computed in its fixed order, stored in the session and returned.
Result<Reading> RunCalculation(const EntryForm& entry, Session& session);

} // namespace kovrel
