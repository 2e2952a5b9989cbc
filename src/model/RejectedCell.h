#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

namespace tunbox {

// A cell of a settings block that a page's unpacking refuses: its position within
// the block (counted from 0) and the value found there.
struct RejectedCell {
    int byte = 0;
    quint32 value = 0;

    bool operator==(const RejectedCell&) const = default;
};

// The cell UnpackReleImage would report first for block, or none when it would
// accept every cell. The answer comes from unpacking into a scratch page, so the
// ranges and their order are exactly those of the page itself. A block shorter
// than the layout has no rejected cell (unpacking refuses it as a whole).
std::optional<RejectedCell> FirstRejectedReleCell(std::span<const quint32> block);

// The same for UnpackRpuImage.
std::optional<RejectedCell> FirstRejectedRpuCell(std::span<const quint32> block);

} // namespace tunbox
