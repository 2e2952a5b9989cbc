#pragma once

class QButtonGroup;

namespace tunbox {

// Checks button id of an exclusive group; an id outside the group's ids leaves
// no button checked. Qt refuses to uncheck the checked button of an exclusive
// group, so this is the one way the program clears a choice of radio buttons.
void ShowChoice(QButtonGroup* group, int id);

} // namespace tunbox
