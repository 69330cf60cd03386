#include "desktop/gui/EntryAccessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace kovrel {

namespace {

struct Naming {
    const char* control;
    const char* name;
    const char* caption; // the label standing before it, if it has one of its own
};

constexpr Naming kNamings[] = {
    {"txtName", "Name", "lblName"},
    {"cboDate", "Day of birth", nullptr},
    {"cboMonth", "Month of birth", "lblDateOfBirth"},
    {"cboYear", "Year of birth", nullptr},
    {"cboHour", "Hour of birth", "lblTimeOfBirth"},
    {"cboMinute", "Minute of birth", nullptr},
    {"cboTimeZone", "Time Zone", "lblTimeZone"},
    {"txtLatDeg", "Latitude degrees", "lblLatitude"},
    {"txtLatMin", "Latitude minutes", nullptr},
    {"txtLonDeg", "Longitude degrees", "lblLongitude"},
    {"txtLonMin", "Longitude minutes", nullptr},
    {"txtCity", "City", "lblCity"},
    {"txtState", "State", "lblState"},
    {"txtCountry", "Country", "lblCountry"},
    {"Frame3", "Latitude hemisphere", nullptr},
    {"Frame4", "Longitude hemisphere", nullptr},
};

} // namespace

void NameEntryControls(QWidget* panel) {
    for (const Naming& naming : kNamings) {
        auto* control = panel->findChild<QWidget*>(QLatin1String(naming.control));
        if (control == nullptr) {
            continue;
        }
        control->setAccessibleName(QLatin1String(naming.name));
        // Qt's list boxes on Linux give their current item as their name and leave the caption
        // to a label's relation; the description carries it for the lists without a label.
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            control->setAccessibleDescription(QLatin1String(naming.name));
        }
        if (naming.caption != nullptr) {
            if (auto* caption = panel->findChild<QLabel*>(QLatin1String(naming.caption))) {
                caption->setBuddy(control);
            }
        }
    }
}

} // namespace kovrel
