#include "model/PageState.h"

namespace tunbox {

void SetBindingChecks(PageState& page, int output, bool checked) {
    if (!IsOutput(output))
        return;
    for (CheckState& box : page.Output(output).bindings)
        box.checked = checked;
}

void EnableBindingChecks(PageState& page, int output, bool enabled) {
    if (!IsOutput(output))
        return;
    for (CheckState& box : page.Output(output).bindings)
        box.enabled = enabled;
}

} // namespace tunbox
