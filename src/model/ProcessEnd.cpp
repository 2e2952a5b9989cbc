#include "model/ProcessEnd.h"

namespace tunbox {

QString BadDataMessage(const MessageLookup& lookup, int byteNumber, quint32 value) {
    return FormatMessage(lookup(BadDataMessageId), {byteNumber, static_cast<qint32>(value)});
}

} // namespace tunbox
