#pragma once

#include "model/RelePageState.h"
#include "model/UnitContext.h"

namespace tunbox {

// Operations on one output of the page "Режимы реле и выхода ОК". output is
// 1..3; any other output changes nothing.

// Enabled state of the eleven event boxes (all but ErrorPower) and of the four lists.
void EnableOutputOptions(PageState& page, int output, bool enabled);
// Checked state of the eleven event boxes (all but ErrorPower).
void SetEventChecks(PageState& page, int output, bool checked);

// The mode rule (what ReleWorkMode1Click runs): resets the output's options to
// what its selected mode (page.Output(output).mode) allows: enabled states,
// checked event boxes, the items and selection of the three time lists and the
// inversion. A mode outside 0..6 changes nothing. Running it twice gives the
// same state as running it once. In mode 3 ("Звуковой") the minute duration list
// is selectable (index 0) only when context.demoMode, or deviceMode 0 with
// rtrChecked, or deviceMode 1; otherwise it stays disabled with no selection.
void ApplyReleWorkMode(PageState& page, int output, const UnitContext& context);

} // namespace tunbox
