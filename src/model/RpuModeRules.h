#pragma once

#include "model/RpuPageState.h"

namespace tunbox {

// Operations on one output of the autonomous receiver page. output is 1..3; any
// other output changes nothing.

// Enabled state of the twelve event boxes and of the four lists.
void EnableRpuOutputOptions(PageState& page, int output, bool enabled);
// Checked state of the twelve event boxes.
void SetRpuEventChecks(PageState& page, int output, bool checked);

// The mode rule (what RadioButton_ReleWorkModeRPUClick runs) for the output's
// checked mode button (page.Output(output).mode). Only modes 3 ("Звуковой"),
// 4 ("Тревога") and 6 ("Специальный") have a rule; for no checked button or any
// other mode nothing changes. The rule never changes a source box's checked
// state and gives the same state when run twice.
void ApplyRpuWorkMode(PageState& page, int output);

} // namespace tunbox
