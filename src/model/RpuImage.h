#pragma once

#include "model/ProcessEnd.h"
#include "model/RpuPageState.h"
#include "model/SettingsLayout.h"

#include <QtGlobal>

#include <span>

namespace tunbox {

// Applies bytes 49..95 of block to the page: clears every output's event and
// source boxes and disables its options, then tests and applies in this order
// source bindings (50..73, 0..0x77), modes (93..95, 0..7, running the mode rule),
// events and inversion (74..83, 0..7) and times (84..92, 0..255). Byte 49 is not
// read. The first failing cell goes to end.AbortOnBadData and unpacking stops
// (BadData). A block shorter than SettingsImageLength changes nothing (ShortBlock).
UnpackResult UnpackRpuImage(PageState& page, std::span<const quint32> block, ProcessEnd& end);

// Adds the page into block, which the caller has zero-filled: binding, event and
// inversion bits are added to bytes 50..83, bytes 84..95 are assigned, and byte 49
// becomes 0x5A when bytes 50..95 are all 0, else 0x55. Other bytes are left as
// they are. Returns false, writing nothing, when block is shorter than
// SettingsImageLength.
bool PackRpuImage(const PageState& page, std::span<quint32> block);

} // namespace tunbox
