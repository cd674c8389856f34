#pragma once

// Window cases: a script (support/Script.h) over a recording hub and one tool window,
// driven as a person drives it. Besides the core commands:
// Set-up:   open ScreenEd|TSATable|StrTable|TileTable|EnemEd (made, refreshed and shown as the
//           main window opens it; the calls so far dropped) | strtable (a Structure Table
//           stand-in shown beside it, recording "StrTable.CurStrSet(1)")
// Gestures: press/release NAME BUTTON X Y | drag NAME BUTTONS X Y (left, right, middle or
//           left+right) | type NAME TEXT (over the field's text) | paste NAME TEXT
//           | spin NAME STEPS (+2: the up button twice) | click NAME | choose NAME N (a click
//           on list item N) | key NAME KEY [shift] [ctrl] [alt] | slider NAME step/min/max
//           | set tile|block|str ROW COL (the user's choice) | refresh METHOD ARGS (the hub
//           calls the window's METHOD; "PCEvent C": a pick of colour C in the Palette Chart)
//           | recolour NAME SLOT RGB
//           (a colour of the picture's bitmap, changed without showing it) | focus NAME (the
//           window active, the control with the keyboard) | paint NAME X Y SLOT (a pixel of
//           the picture's bitmap set, as a mark)
// Expect:   calls CALLS (the hub calls since the last "calls", none when empty)
//           | message TEXT (the one message since the last, containing TEXT) | text NAME TEXT
//           | row NAME N (a list's current row) | checked/visible/enabled NAME 0/1
//           | fill NAME RGB (the control's background colour)
//           | below NAME OTHER (NAME lies below OTHER) | uptodate (every picture shows its
//           bitmap, and a full redraw would draw the same; "uptodate no": not yet shown)
//           | colour NAME SLOT RGB (as the picture shows it) | redrawn NAME yes/no (pixels
//           drawn since its "recolour") | pixel NAME X Y [not] SLOT (of the picture's bitmap)
//           | editor tile|block|str|prev ROW COL (the user's choices) | editor palanim N

#include "gui/support/Harness.h"
#include "support/Script.h"

namespace orvane {

class ToolWindow;

void runWindowScript(const QString& file, int mode);

} // namespace orvane
