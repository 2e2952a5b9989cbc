#pragma once

namespace tunbox {

// Which items a drop-down list of a settings page currently holds. The three
// 256-item time lists take index = time code; the minute duration list takes
// code = index + 10 (see TimeLists.h).
enum class ListKind {
    Empty = 0,          // no items (a time list no mode rule has filled yet)
    OpenTime = 1,       // FillOpenTimeList, 256 items, depends on the output
    CloseTime = 2,      // FillCloseTimeList, 256 items, depends on the output
    Duration = 3,       // FillDurationList, 256 items in 5-second steps
    MinuteDuration = 4, // FillMinuteDurationList, 246 items (10 мин. .. пост.)
    Inversion = 5,      // "Нет ", "Да"
};

// The four drop-down lists of each output, in the same order on both pages:
// TimeRzmk<o> / TimeRzmkRPU<o>, TimeZmk<o> / TimeZmkRPU<o>,
// TimePeriod<o> / TimePeriodRPU<o>, InvRele<o> / InvReleRPU<o>.
enum class OptionList {
    TimeRzmk = 0,
    TimeZmk = 1,
    TimePeriod = 2,
    InvRele = 3,
};
constexpr int OptionListCount = 4;

// A check box (event box or binding box) as the page shows it.
struct CheckState {
    bool checked = false;
    bool enabled = true;
    bool visible = true;

    bool operator==(const CheckState&) const = default;
};

// A drop-down list as the page shows it. index is the selected item, -1 for none;
// it is always -1 or a valid item index for kind.
struct ListState {
    ListKind kind = ListKind::Empty;
    int index = -1;
    bool enabled = true;

    bool operator==(const ListState&) const = default;
};

// Object-name prefix of a list; the receiver page appends "RPU"
// (then the output digit follows).
const char* OptionListPrefix(OptionList list);

} // namespace tunbox
