#pragma once

#include "model/MessageText.h"
#include "model/PageControls.h"
#include "model/PageState.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace tunbox {

struct OutputControls;

// Small steps that make a widget show one value of a page state. None of them
// emits a user-act signal (clicked, activated), so a refresh never loops back
// into the model.

void ShowCheck(QCheckBox* box, const CheckState& state);

// Refills list when its items are of another kind than shownKind (or refill is
// set, e.g. after a change of language), then selects state.index (-1: none) and
// sets the enabled state.
void ShowList(QComboBox* list, ListKind& shownKind, const ListState& state, int output,
              const MessageLookup& lookup, bool refill);

// Makes the widgets of one output tab show its state.
void ShowOutput(OutputControls& controls, const OutputState& state, const MessageLookup& lookup,
                bool refillLists);

} // namespace tunbox
