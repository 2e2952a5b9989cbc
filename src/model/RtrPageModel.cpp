#include "model/RtrPageModel.h"

#include "model/FactoryDefaults.h"
#include "model/PageActs.h"
#include "model/ReleImage.h"
#include "model/RtrModeRules.h"

namespace tunbox {

RtrPageModel::RtrPageModel(QObject* parent) : QObject(parent) {}

void RtrPageModel::SetContextSource(std::function<UnitContext()> source) {
    context_ = std::move(source);
}

UnitContext RtrPageModel::Context() const {
    return context_ ? context_() : UnitContext{};
}

bool RtrPageModel::SetMode(int output, int mode) {
    if (!IsOutput(output) || mode < 0 || mode >= ModeCount)
        return false;
    state_.Output(output).mode = mode;
    ApplyReleWorkMode(state_, output, Context());
    emit StateChanged();
    return true;
}

bool RtrPageModel::SetEventChecked(int output, RtrEvent event, bool checked) {
    const int e = static_cast<int>(event);
    if (!IsOutput(output) || e < 0 || e >= RtrEventCount)
        return false;
    return Settle(ClickBox(state_.Output(output).Event(event), checked, /*mustBeVisible=*/true),
                  [this] { emit StateChanged(); });
}

bool RtrPageModel::SetListIndex(int output, OptionList list, int index) {
    const int l = static_cast<int>(list);
    if (!IsOutput(output) || l < 0 || l >= OptionListCount)
        return false;
    return Settle(ChooseItem(state_.Output(output).List(list), index),
                  [this] { emit StateChanged(); });
}

bool RtrPageModel::SetBindingChecked(int output, int partition, bool checked) {
    if (!IsOutput(output) || partition < 1 || partition > PartitionCount)
        return false;
    return Settle(
        ClickBox(state_.Output(output).partitions[partition - 1], checked, /*mustBeVisible=*/false),
        [this] { emit StateChanged(); });
}

UnpackResult RtrPageModel::Unpack(std::span<const quint32> block, ProcessEnd& end) {
    const UnpackResult result = UnpackReleImage(state_, block, Context(), end);
    // A failed unpack leaves what it had applied; the view shows it either way.
    if (result != UnpackResult::ShortBlock)
        emit StateChanged();
    return result;
}

bool RtrPageModel::Pack(std::span<quint32> block) const {
    return PackReleImage(state_, block);
}

void RtrPageModel::ApplyFactoryDefaults() {
    DefaultsNeverFail end;
    Unpack(FactoryDefaults(), end);
}

void RtrPageModel::SetState(const RtrPageState& state) {
    state_ = state;
    emit StateChanged();
}

} // namespace tunbox
