#pragma once

#include "model/PageControls.h"
#include "model/SettingsLayout.h"

#include <array>
#include <vector>

namespace tunbox {

// Event boxes per output tab, the same number on both settings pages; each page
// names them with its own enum (ReleEvent, RpuEvent).
constexpr int EventCount = 12;

// One output tab of a settings page as plain values.
struct OutputState {
    int mode = -1; // selected working mode 0..6, -1 for none
    std::array<CheckState, EventCount> events{};
    std::array<ListState, OptionListCount> lists{};
    // Binding boxes: partition or information source n at [n - 1].
    std::vector<CheckState> bindings;

    template <typename E> CheckState& Event(E e) { return events[static_cast<int>(e)]; }
    template <typename E> const CheckState& Event(E e) const { return events[static_cast<int>(e)]; }
    ListState& List(OptionList l) { return lists[static_cast<int>(l)]; }
    const ListState& List(OptionList l) const { return lists[static_cast<int>(l)]; }

    bool operator==(const OutputState&) const = default;
};

// A settings page as plain values: its three output tabs.
struct PageState {
    std::array<OutputState, OutputCount> outputs;

    // output is 1..3 (callers check the range with IsOutput).
    OutputState& Output(int output) { return outputs[output - 1]; }
    const OutputState& Output(int output) const { return outputs[output - 1]; }

    bool operator==(const PageState&) const = default;
};

// Checked state of every binding box of output (1..3; any other changes nothing).
void SetBindingChecks(PageState& page, int output, bool checked);
// Enabled state of every binding box of output (1..3; any other changes nothing).
void EnableBindingChecks(PageState& page, int output, bool enabled);

} // namespace tunbox
