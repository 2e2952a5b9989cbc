#pragma once

namespace tunbox {

// The three mode radio buttons of the main page ("Выберите режим работы прибора: "),
// as the file rules read them; at most one is checked.
struct ModeButtons {
    bool rpu = false; // RPU_rb "Радиоприемное устройство (РПУ)"
    bool rtr = false; // RTR_rb "Ретранслятор + модуль реле (РТР)"
    bool mro = false; // MRO_rb "Модуль реле и оповещения (МРО)"
};

} // namespace tunbox
