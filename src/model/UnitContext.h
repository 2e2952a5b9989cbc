#pragma once

namespace tunbox {

// What the mode rules read from outside the settings pages.
struct UnitContext {
    bool demoMode = false; // DemoMode: the window works without a unit
    int deviceMode =
        -1; // DeviceMode: -1 none, 0 receiver/repeater, 1 relay module, 2 partner receiver
    bool rtrChecked = false; // whether RTR_rb ("Ретранслятор + модуль реле (РТР)") is checked
};

} // namespace tunbox
