#include "app/Calculation.h"

#include "app/EntryValidation.h"
#include "app/TimeZoneCatalog.h"

namespace kovrel {

Result<Reading> RunCalculation(const EntryForm& entry, Session& session) {
    if (Result<> valid = ValidateInput(entry); !valid) {
        return valid.fault();
    }
    LoadBuiltInTables();
    session.birth = CopyEntry(entry, session.birth);
    if (FindZoneRow(entry.zoneIndex)) {
        session.zoneRow = entry.zoneIndex;
    }
    static_cast<CalculatedReading&>(session) =
        CalculateReading(session.birth, session.zoneRow, session.positions, session.reading);
    return session.reading;
}

CalculatedReading CalculateReading(const BirthDetails& birth, int zoneRow, PositionsChoice choice,
                                   const Reading& previous) {
    return InPositions(birth, zoneRow, choice, ComputeReading(birth, previous),
                       PreciseSkyOf(birth, choice.ayanamsa));
}

void ChoosePositions(Session& session, PositionsChoice choice) {
    session.positions = choice;
    // Before the first calculation there is no birth to work out again.
    if (session.sky) {
        static_cast<CalculatedReading&>(session) =
            CalculateReading(session.birth, session.zoneRow, choice, session.reading);
    }
}

} // namespace kovrel
