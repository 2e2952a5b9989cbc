#pragma once

#include "model/MessageText.h"
#include "model/PageControls.h"

#include <QStringList>

namespace tunbox {

// Items of the time lists. Every text comes from the message catalogue through
// lookup (ids 10074..10081); "%.1f" items use the decimal separator of the
// current default QLocale. Output 3 is the open-collector output, whose open and
// close lists carry their own texts at the ends.

// 256 items: "---", 0.5 с. .. 127.0 с., then "пост." (output 3: "пост./ 1 c.").
QStringList FillOpenTimeList(int output, const MessageLookup& lookup);
// 256 items: "---" (output 3: "---/ 1 c."), 0.5 с. .. 127.0 с., then "пост.".
QStringList FillCloseTimeList(int output, const MessageLookup& lookup);
// Appends the 254 half-second items 0.5 с. .. 127.0 с.
void AddHalfSecondItems(QStringList& list, const MessageLookup& lookup);
// 256 items: "---", then 5 с. steps up to 21 мин. 10 с., then "пост.".
QStringList FillDurationList(const MessageLookup& lookup);
// 246 items: 10 мин. .. 254 мин., then "пост.".
QStringList FillMinuteDurationList(const MessageLookup& lookup);

// The items of a list of the given kind for output (1..3). Inversion gives the
// page's own two items "Нет " and "Да"; Empty gives none.
QStringList ListTexts(ListKind kind, int output, const MessageLookup& lookup);
// Number of items of a list of that kind (0, 256, 246 or 2).
int ListItemCount(ListKind kind);

// Minute duration list: a code of 10 or more selects index code - 10, a smaller
// code selects index 0; the code of index i is i + 10.
int MinuteIndexFromCode(quint32 code);
quint32 MinuteCodeFromIndex(int index);

} // namespace tunbox
