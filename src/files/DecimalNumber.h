#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace tunbox {

// The integer a line of a settings or backup file holds: optional blanks (spaces, tabs), an
// optional "+" or "-", one or more digits 0..9, optional blanks, within the range
// of a signed 32-bit number. Anything else is not a number.
std::optional<qint32> ParseDecimalLine(QStringView text);

} // namespace tunbox
