#pragma once

#include "model/PageControls.h"
#include "model/ProcessEnd.h"

namespace tunbox {

// The user acts both page models share, on one control of one output.
enum class ActOutcome { Refused, Unchanged, Changed };

// A click on a check box; refused while the box is disabled, or hidden when
// mustBeVisible is set.
ActOutcome ClickBox(CheckState& box, bool checked, bool mustBeVisible);
// A choice in a list; refused while the list is disabled or when index is no
// item of it.
ActOutcome ChooseItem(ListState& list, int index);

// Calls notify after a change; true unless the act was refused.
template <typename Notify> bool Settle(ActOutcome outcome, Notify notify) {
    if (outcome == ActOutcome::Changed)
        notify();
    return outcome != ActOutcome::Refused;
}

// The end for unpacking the factory defaults: they pass every range test, so
// it is never reached.
class DefaultsNeverFail : public ProcessEnd {
  public:
    void AbortOnBadData(int byteNumber, quint32 value) override;
};

} // namespace tunbox
