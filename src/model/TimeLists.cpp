#include "model/TimeLists.h"

namespace tunbox {
namespace {

constexpr int MinutesId = 10074;        // "%d мин."
constexpr int ConstantId = 10075;       // "пост."
constexpr int SecondsId = 10076;        // "%d с."
constexpr int MinutesSecondsId = 10077; // "%d мин. %d с."
constexpr int HalfSecondsId = 10078;    // "%.1f с."
constexpr int ConstantOkOpenId = 10079; // "пост./ 1 c."
constexpr int NoneOkCloseId = 10080;    // "---/ 1 c."
constexpr int NoneId = 10081;           // "---"

constexpr int TimeListItems = 256;
constexpr int MinuteListItems = 246;
constexpr int MinuteCodeOffset = 10;
constexpr int OkOutput = 3;

} // namespace

void AddHalfSecondItems(QStringList& list, const MessageLookup& lookup) {
    const QString pattern = lookup(HalfSecondsId);
    // k halves for k = 1..254: every value is exact in binary, no rounding.
    for (int k = 1; k <= 254; ++k)
        list.append(FormatMessage(pattern, {k * 0.5}));
}

QStringList FillOpenTimeList(int output, const MessageLookup& lookup) {
    QStringList list;
    list.reserve(TimeListItems);
    list.append(lookup(NoneId));
    AddHalfSecondItems(list, lookup);
    list.append(lookup(output == OkOutput ? ConstantOkOpenId : ConstantId));
    return list;
}

QStringList FillCloseTimeList(int output, const MessageLookup& lookup) {
    QStringList list;
    list.reserve(TimeListItems);
    list.append(lookup(output == OkOutput ? NoneOkCloseId : NoneId));
    AddHalfSecondItems(list, lookup);
    list.append(lookup(ConstantId));
    return list;
}

QStringList FillDurationList(const MessageLookup& lookup) {
    const QString minutes = lookup(MinutesId);
    const QString seconds = lookup(SecondsId);
    const QString both = lookup(MinutesSecondsId);
    QStringList list;
    list.reserve(TimeListItems);
    list.append(lookup(NoneId));
    for (int k = 1; k <= 254; ++k) {
        const int m = (5 * k) / 60;
        const int s = (5 * k) % 60;
        if (m == 0)
            list.append(FormatMessage(seconds, {s}));
        else if (s == 0)
            list.append(FormatMessage(minutes, {m}));
        else
            list.append(FormatMessage(both, {m, s}));
    }
    list.append(lookup(ConstantId));
    return list;
}

QStringList FillMinuteDurationList(const MessageLookup& lookup) {
    const QString minutes = lookup(MinutesId);
    QStringList list;
    list.reserve(MinuteListItems);
    for (int i = 0; i < MinuteListItems - 1; ++i)
        list.append(FormatMessage(minutes, {i + MinuteCodeOffset}));
    list.append(lookup(ConstantId));
    return list;
}

QStringList ListTexts(ListKind kind, int output, const MessageLookup& lookup) {
    switch (kind) {
    case ListKind::Empty:
        return {};
    case ListKind::OpenTime:
        return FillOpenTimeList(output, lookup);
    case ListKind::CloseTime:
        return FillCloseTimeList(output, lookup);
    case ListKind::Duration:
        return FillDurationList(lookup);
    case ListKind::MinuteDuration:
        return FillMinuteDurationList(lookup);
    case ListKind::Inversion:
        return {QStringLiteral("Нет "), QStringLiteral("Да")};
    }
    return {};
}

int ListItemCount(ListKind kind) {
    switch (kind) {
    case ListKind::Empty:
        return 0;
    case ListKind::OpenTime:
    case ListKind::CloseTime:
    case ListKind::Duration:
        return TimeListItems;
    case ListKind::MinuteDuration:
        return MinuteListItems;
    case ListKind::Inversion:
        return 2;
    }
    return 0;
}

int MinuteIndexFromCode(quint32 code) {
    return code >= MinuteCodeOffset ? static_cast<int>(code - MinuteCodeOffset) : 0;
}

quint32 MinuteCodeFromIndex(int index) {
    return static_cast<quint32>(index + MinuteCodeOffset);
}

} // namespace tunbox
