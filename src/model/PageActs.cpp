#include "model/PageActs.h"

#include "model/TimeLists.h"

#include <QtGlobal>

namespace tunbox {

ActOutcome ClickBox(CheckState& box, bool checked, bool mustBeVisible) {
    if (!box.enabled || (mustBeVisible && !box.visible))
        return ActOutcome::Refused;
    if (box.checked == checked)
        return ActOutcome::Unchanged;
    box.checked = checked;
    return ActOutcome::Changed;
}

ActOutcome ChooseItem(ListState& list, int index) {
    if (!list.enabled || index < 0 || index >= ListItemCount(list.kind))
        return ActOutcome::Refused;
    if (list.index == index)
        return ActOutcome::Unchanged;
    list.index = index;
    return ActOutcome::Changed;
}

void DefaultsNeverFail::AbortOnBadData(int byteNumber, quint32 value) {
    qFatal("factory defaults failed at byte %d (value %u)", byteNumber, value);
}

} // namespace tunbox
