#include "model/RejectedCell.h"

#include "model/ReleImage.h"
#include "model/RpuImage.h"

namespace tunbox {
namespace {

// Keeps the first report; unpacking stops after it anyway.
class FirstReport : public ProcessEnd {
  public:
    void AbortOnBadData(int byteNumber, quint32 value) override {
        if (!cell)
            cell = RejectedCell{byteNumber, value};
    }

    std::optional<RejectedCell> cell;
};

} // namespace

std::optional<RejectedCell> FirstRejectedReleCell(std::span<const quint32> block) {
    PageState scratch = ReleInitialState();
    FirstReport report;
    UnpackReleImage(scratch, block, UnitContext{}, report);
    return report.cell;
}

std::optional<RejectedCell> FirstRejectedRpuCell(std::span<const quint32> block) {
    PageState scratch = RpuInitialState();
    FirstReport report;
    UnpackRpuImage(scratch, block, report);
    return report.cell;
}

} // namespace tunbox
