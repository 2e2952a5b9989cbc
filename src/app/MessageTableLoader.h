#pragma once

#include "app/MessageTable.h"
#include "model/MessageText.h"

namespace tunbox {

// The longest message text the catalogue keeps; longer texts are cut to it.
inline constexpr int MaxMessageLength = 254;

// Fills table from source: ids 10001, 10002, ... in order, each text cut to
// MaxMessageLength, until the first id whose text is empty or until the table is
// full. Slots after that stop keep what they held, so the catalogue is dense.
void FillMessageTable(MessageTable& table, const MessageLookup& source);

// Fills the program's catalogue (Messages()) for the recorded language
// (GetCurrentDefaultLocaleReg()): the program's own Russian texts for an empty code
// or exactly "RU" (the comparison is case-sensitive), else the texts of that
// language's module; when the module cannot be loaded, the own texts again. Called
// at start-up and after every language change.
void LoadMessageTable();

} // namespace tunbox
