#pragma once

class QWidget;

namespace kovrel {

// Gives every text box and list of the entry panel the name a screen reader announces, its
// caption (the degree boxes and the date and time lists say which part they hold), and ties
// each caption label to the control it names. Without this every box inside the frame would
// be announced by the frame's title.
void NameEntryControls(QWidget* panel);

} // namespace kovrel
