#pragma once

#include "model/ProcessEnd.h"
#include "model/RelePageState.h"
#include "model/SettingsLayout.h"
#include "model/UnitContext.h"

#include <QtGlobal>

#include <span>

namespace tunbox {

// Applies bytes 0..44 of block to the page: clears every output's event and
// partition boxes and disables its options, then tests and applies in this order
// partitions (0..15), modes (42..44, running the mode rule with context), event
// masks (16, 17, 18, 19, 21, 23, 26, 27, 28), inversion (32) and times (33..41).
// Each cell is tested just before it is applied: masks and modes 0..7, times
// 0..255; bytes 20, 22, 24, 25, 29..31 are never read. The first failing cell
// goes to end.AbortOnBadData and unpacking stops (BadData). A block shorter than
// ReleImageLength changes nothing (ShortBlock).
UnpackResult UnpackReleImage(PageState& page, std::span<const quint32> block,
                             const UnitContext& context, ProcessEnd& end);

// Adds the page into block, which the caller has zero-filled: mask bits are added
// to bytes 0..19, 21, 23, 26..28 and 32; bytes 33..44 are assigned. Other bytes
// are left as they are. Returns false, writing nothing, when block is shorter
// than ReleImageLength.
bool PackReleImage(const PageState& page, std::span<quint32> block);

} // namespace tunbox
