#pragma once

#include "model/PageControls.h"
#include "model/ProcessEnd.h"
#include "model/TimeLists.h"

#include <span>

namespace tunbox {

// Tests a cell of a settings block just before it is applied: true when the
// cell is above max, after reporting it to end. The first failure ends unpacking.
class CellTest {
  public:
    CellTest(std::span<const quint32> block, ProcessEnd& end) : block_(block), end_(end) {}

    bool operator()(int byte, quint32 max) const {
        if (block_[byte] <= max)
            return false;
        end_.AbortOnBadData(byte, block_[byte]);
        return true;
    }

  private:
    std::span<const quint32> block_;
    ProcessEnd& end_;
};

// Index a list takes for a stored code: the item of that number, or none when
// the list has no such item.
inline int IndexForCode(const ListState& list, quint32 code) {
    return code < static_cast<quint32>(ListItemCount(list.kind)) ? static_cast<int>(code) : -1;
}

// The code stored for a list: its item number, 0 when none is selected.
inline quint32 CodeOf(const ListState& list) {
    return list.index < 0 ? 0 : static_cast<quint32>(list.index);
}

} // namespace tunbox
