#pragma once

#include <QString>

namespace tunbox {

// Language code of the program's own texts: they are Russian and need no module.
inline constexpr char BuiltInLanguage[] = "RU";

// Ids of the program's own (Russian) message texts: 10001 .. 10101, without gaps.
inline constexpr int FirstBuiltInMessageId = 10001;
inline constexpr int LastBuiltInMessageId = 10101;

// The program's own Russian text of message id, exactly as the program shows it;
// empty when the program defines no text for id. These texts are used whenever the
// language code is empty or "RU", and whenever a language module cannot be loaded.
QString BuiltInMessage(int id);

} // namespace tunbox
