#pragma once

#include <QIcon>

namespace kovrel {

// The program's icon: the SVG drawing built into the program, or the same picture painted here
// where no SVG support is installed.
QIcon ProgramIcon();

} // namespace kovrel
