#pragma once

#include "model/MessageText.h"

#include <QString>

namespace tunbox {

constexpr int BadDataMessageId = 10082; // "Ошибка в данных, считанных с прибора (Байт №%d=%d). ..."
constexpr int ErrorCaptionId = 10001; // "Ошибка!"
constexpr int BadDataExitCode = 1;

// The one place that ends the program when settings data fails its range test.
// Unpacking calls AbortOnBadData once, for the first failing cell in test order,
// and then stops without touching any further control, whether or not the call
// returns.
//
// The program's form shows BadDataMessage(...) in a box with caption 10001 and the
// error icon, waits for OK, closes the unit's pipes if open and ends the process
// with BadDataExitCode, without the exit question and without saving or sending
// anything. Test forms record the call and return.
class ProcessEnd {
  public:
    virtual ~ProcessEnd() = default;

    // byteNumber: position of the cell within the settings block, counted from 0.
    // value: the cell as found; a settings file's negative number arrives in
    // two's complement (-1 as 0xFFFFFFFF) and is shown signed.
    virtual void AbortOnBadData(int byteNumber, quint32 value) = 0;
};

// Message 10082 filled with the byte number and the value, both as signed
// decimal numbers (0xFFFFFFFF shows as -1).
QString BadDataMessage(const MessageLookup& lookup, int byteNumber, quint32 value);

} // namespace tunbox
