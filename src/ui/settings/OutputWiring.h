#pragma once

#include "model/MessageText.h"
#include "model/PageControls.h"
#include "ui/settings/ControlProjection.h"
#include "ui/settings/OutputControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QObject>

#include <span>

namespace tunbox {

// The wiring both settings pages share: every event box, binding box and list
// of one output sends the user's act to the page model (Event is the model's
// event enum); refresh runs when the model refuses the act, so the widget shows
// the model's value again.
template <typename Event, typename Model, typename Refresh>
void ConnectOutputActs(QObject* page, const OutputControls& controls, Model& model, int eventCount,
                       int bindingCount, Refresh refresh) {
    const int output = controls.output;
    for (int e = 0; e < eventCount; ++e) {
        QObject::connect(controls.events[static_cast<size_t>(e)], &QCheckBox::clicked, page,
                         [&model, output, e, refresh](bool checked) {
                             if (!model.SetEventChecked(output, static_cast<Event>(e), checked))
                                 refresh();
                         });
    }
    for (int n = 1; n <= bindingCount; ++n) {
        QObject::connect(controls.bindings[static_cast<size_t>(n - 1)], &QCheckBox::clicked, page,
                         [&model, output, n, refresh](bool checked) {
                             if (!model.SetBindingChecked(output, n, checked))
                                 refresh();
                         });
    }
    const auto lists = controls.Lists();
    for (int l = 0; l < OptionListCount; ++l) {
        QObject::connect(lists[static_cast<size_t>(l)], &QComboBox::activated, page,
                         [&model, output, l, refresh](int index) {
                             if (!model.SetListIndex(output, static_cast<OptionList>(l), index))
                                 refresh();
                         });
    }
}

// Makes the widgets of one output show its state; bindings are the state's
// partition or source boxes.
template <typename OutputState>
void ShowOutput(OutputControls& controls, const OutputState& state,
                std::span<const CheckState> bindings, const MessageLookup& lookup,
                bool refillLists) {
    ShowMode(controls.modeButtons, state.mode);
    for (size_t e = 0; e < controls.events.size(); ++e)
        ShowCheck(controls.events[e], state.events[e]);
    for (size_t n = 0; n < controls.bindings.size(); ++n) {
        ShowCheck(controls.bindings[n], bindings[n]);
        controls.bindingNumbers[n]->setEnabled(bindings[n].enabled);
    }
    const auto lists = controls.Lists();
    for (size_t l = 0; l < lists.size(); ++l)
        ShowList(lists[l], controls.shownKinds[l], state.lists[l], controls.output, lookup,
                 refillLists);
}

} // namespace tunbox
