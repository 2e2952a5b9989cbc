#include "app/MessageTable.h"

namespace tunbox {

QString MessageTable::Text(int id) const {
    const int slot = id - FirstId;
    if (slot < 0 || slot >= SlotCount)
        return {};
    return slots_[static_cast<size_t>(slot)];
}

void MessageTable::SetText(int id, const QString& text) {
    const int slot = id - FirstId;
    if (slot < 0 || slot >= SlotCount)
        return;
    slots_[static_cast<size_t>(slot)] = text;
}

void MessageTable::Clear() {
    slots_.fill(QString());
}

MessageTable& Messages() {
    static MessageTable table;
    return table;
}

QString Msg(int id) {
    return Messages().Text(id);
}

} // namespace tunbox
