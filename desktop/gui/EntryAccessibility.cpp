#include "desktop/gui/EntryAccessibility.h"

#include "common/gui/Translation.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace kovrel {

namespace {

struct Naming {
    const char* control;
    Word name;
    const char* caption; // the label standing before it, if it has one of its own
};

constexpr Naming kNamings[] = {
    {"txtName", KOVREL_WORD("EntryAccessibility", "Name"), "lblName"},
    {"cboDate", KOVREL_WORD("EntryAccessibility", "Day of birth"), nullptr},
    {"cboMonth", KOVREL_WORD("EntryAccessibility", "Month of birth"), "lblDateOfBirth"},
    {"cboYear", KOVREL_WORD("EntryAccessibility", "Year of birth"), nullptr},
    {"cboHour", KOVREL_WORD("EntryAccessibility", "Hour of birth"), "lblTimeOfBirth"},
    {"cboMinute", KOVREL_WORD("EntryAccessibility", "Minute of birth"), nullptr},
    {"cboTimeZone", KOVREL_WORD("EntryAccessibility", "Time Zone"), "lblTimeZone"},
    {"txtLatDeg", KOVREL_WORD("EntryAccessibility", "Latitude degrees"), "lblLatitude"},
    {"txtLatMin", KOVREL_WORD("EntryAccessibility", "Latitude minutes"), nullptr},
    {"txtLonDeg", KOVREL_WORD("EntryAccessibility", "Longitude degrees"), "lblLongitude"},
    {"txtLonMin", KOVREL_WORD("EntryAccessibility", "Longitude minutes"), nullptr},
    {"txtCity", KOVREL_WORD("EntryAccessibility", "City"), "lblCity"},
    {"txtState", KOVREL_WORD("EntryAccessibility", "State"), "lblState"},
    {"txtCountry", KOVREL_WORD("EntryAccessibility", "Country"), "lblCountry"},
    {"Frame3", KOVREL_WORD("EntryAccessibility", "Latitude hemisphere"), nullptr},
    {"Frame4", KOVREL_WORD("EntryAccessibility", "Longitude hemisphere"), nullptr},
};

} // namespace

void NameEntryControls(QWidget* panel) {
    for (const Naming& naming : kNamings) {
        auto* control = panel->findChild<QWidget*>(QLatin1String(naming.control));
        if (control == nullptr) {
            continue;
        }
        SetAccessibleName(control, naming.name);
        // Qt's list boxes on Linux give their current item as their name and leave the caption
        // to a label's relation; the description carries it for the lists without a label.
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            SetAccessibleDescription(control, naming.name);
        }
        if (naming.caption != nullptr) {
            if (auto* caption = panel->findChild<QLabel*>(QLatin1String(naming.caption))) {
                caption->setBuddy(control);
            }
        }
    }
}

} // namespace kovrel
