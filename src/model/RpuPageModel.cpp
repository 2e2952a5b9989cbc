#include "model/RpuPageModel.h"

#include "model/FactoryDefaults.h"
#include "model/PageActs.h"
#include "model/RpuImage.h"
#include "model/RpuModeRules.h"

namespace tunbox {
RpuPageModel::RpuPageModel(QObject* parent) : QObject(parent) {}

bool RpuPageModel::SetMode(int output, int mode) {
    if (!RpuModeButtonEnabled(mode))
        return false;
    return ForceMode(output, mode);
}

bool RpuPageModel::ForceMode(int output, int mode) {
    if (!IsOutput(output) || mode < 0 || mode >= ModeCount)
        return false;
    state_.Output(output).mode = mode;
    ApplyRpuWorkMode(state_, output);
    emit StateChanged();
    return true;
}

bool RpuPageModel::SetEventChecked(int output, RpuEvent event, bool checked) {
    const int e = static_cast<int>(event);
    if (!IsOutput(output) || e < 0 || e >= RpuEventCount)
        return false;
    return Settle(ClickBox(state_.Output(output).Event(event), checked, /*mustBeVisible=*/true),
                  [this] { emit StateChanged(); });
}

bool RpuPageModel::SetListIndex(int output, OptionList list, int index) {
    const int l = static_cast<int>(list);
    if (!IsOutput(output) || l < 0 || l >= OptionListCount)
        return false;
    return Settle(ChooseItem(state_.Output(output).List(list), index),
                  [this] { emit StateChanged(); });
}

bool RpuPageModel::SetBindingChecked(int output, int source, bool checked) {
    if (!IsOutput(output) || source < 1 || source > SourceCount)
        return false;
    return Settle(
        ClickBox(state_.Output(output).sources[source - 1], checked, /*mustBeVisible=*/false),
        [this] { emit StateChanged(); });
}

UnpackResult RpuPageModel::Unpack(std::span<const quint32> block, ProcessEnd& end) {
    const UnpackResult result = UnpackRpuImage(state_, block, end);
    // A failed unpack leaves what it had applied; the view shows it either way.
    if (result != UnpackResult::ShortBlock)
        emit StateChanged();
    return result;
}

bool RpuPageModel::Pack(std::span<quint32> block) const {
    return PackRpuImage(state_, block);
}

void RpuPageModel::ApplyFactoryDefaults() {
    DefaultsNeverFail end;
    Unpack(FactoryDefaults(), end);
}

void RpuPageModel::SetState(const RpuPageState& state) {
    state_ = state;
    emit StateChanged();
}

} // namespace tunbox
