#pragma once

#include "model/PageState.h"
#include "model/ProcessEnd.h"
#include "model/UnitContext.h"

#include <QtGlobal>

#include <array>
#include <span>

namespace tunbox {

// What tells the models of the two settings pages apart: the names of its event
// boxes, the state it starts in, which working modes its user may choose, its
// mode rule and the part of the settings block it unpacks and packs. Everything
// else a page model does is the same for both.
struct PageRules {
    // Object-name prefix of each event box, in page order; the output digit follows.
    std::array<const char*, EventCount> eventPrefixes;
    // Event boxes (bit e for event e) disabled as the page starts, and hidden.
    unsigned disabledEvents;
    unsigned hiddenEvents;
    // The working mode selected as the page starts, -1 for none.
    int initialMode;
    // Binding boxes (partitions or information sources) of each output.
    int bindingCount;
    // Whether the user may choose working mode 0..6 on this page.
    bool (*modeOffered)(int mode);
    // Runs the mode rule of output for its selected mode.
    void (*applyMode)(PageState& page, int output, const UnitContext& context);
    // The page's bytes of block into page; see UnpackReleImage, UnpackRpuImage.
    UnpackResult (*unpack)(PageState& page, std::span<const quint32> block,
                           const UnitContext& context, ProcessEnd& end);
    // The page added into the zero-filled block; see PackReleImage, PackRpuImage.
    bool (*pack)(const PageState& page, std::span<quint32> block);
};

// The page as the window first shows it: the initial mode selected but no mode
// rule run yet (time lists empty), the initial event states, inversion "Нет ".
PageState InitialState(const PageRules& rules);

// The page "Режимы реле и выхода ОК": repeater and relay-module units, bytes 0..44.
const PageRules& ReleRules();
// The page of the receiver in autonomous work: bytes 49..95.
const PageRules& RpuRules();

} // namespace tunbox
