#include "model/PageControls.h"

namespace tunbox {

const char* OptionListPrefix(OptionList list) {
    switch (list) {
    case OptionList::TimeRzmk:
        return "TimeRzmk";
    case OptionList::TimeZmk:
        return "TimeZmk";
    case OptionList::TimePeriod:
        return "TimePeriod";
    case OptionList::InvRele:
        return "InvRele";
    }
    return "";
}

} // namespace tunbox
