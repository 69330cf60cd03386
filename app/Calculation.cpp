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
    session.reading = ComputeReading(session.birth, session.reading);
    return session.reading;
}

} // namespace kovrel
