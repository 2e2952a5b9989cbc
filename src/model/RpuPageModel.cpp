#include "model/RpuPageModel.h"

#include "model/FactoryDefaults.h"
#include "model/RpuImage.h"
#include "model/RpuModeRules.h"
#include "model/TimeLists.h"

#include <QtGlobal>

namespace tunbox {
namespace {

// The defaults pass every range test, so this end is never reached.
class DefaultsNeverFail : public ProcessEnd {
public:
    void AbortOnBadData(int byteNumber, quint32 value) override
    {
        qFatal("factory defaults failed at byte %d (value %u)", byteNumber, value);
    }
};

} // namespace

RpuPageModel::RpuPageModel(QObject* parent)
    : QObject(parent)
{
}

bool RpuPageModel::SetMode(int output, int mode)
{
    if (!RpuModeButtonEnabled(mode))
        return false;
    return ForceMode(output, mode);
}

bool RpuPageModel::ForceMode(int output, int mode)
{
    if (!IsOutput(output) || mode < 0 || mode >= RpuModeCount)
        return false;
    state_.Output(output).mode = mode;
    ApplyRpuWorkMode(state_, output);
    emit StateChanged();
    return true;
}

bool RpuPageModel::SetEventChecked(int output, RpuEvent event, bool checked)
{
    const int e = static_cast<int>(event);
    if (!IsOutput(output) || e < 0 || e >= RpuEventCount)
        return false;
    CheckState& box = state_.Output(output).Event(event);
    if (!box.enabled || !box.visible)
        return false;
    if (box.checked != checked) {
        box.checked = checked;
        emit StateChanged();
    }
    return true;
}

bool RpuPageModel::SetListIndex(int output, OptionList list, int index)
{
    const int l = static_cast<int>(list);
    if (!IsOutput(output) || l < 0 || l >= OptionListCount)
        return false;
    ListState& state = state_.Output(output).List(list);
    if (!state.enabled || index < 0 || index >= ListItemCount(state.kind))
        return false;
    if (state.index != index) {
        state.index = index;
        emit StateChanged();
    }
    return true;
}

bool RpuPageModel::SetBindingChecked(int output, int source, bool checked)
{
    if (!IsOutput(output) || source < 1 || source > SourceCount)
        return false;
    CheckState& box = state_.Output(output).sources[source - 1];
    if (!box.enabled)
        return false;
    if (box.checked != checked) {
        box.checked = checked;
        emit StateChanged();
    }
    return true;
}

UnpackResult RpuPageModel::Unpack(std::span<const quint32> block, ProcessEnd& end)
{
    const UnpackResult result = UnpackRpuImage(state_, block, end);
    // A failed unpack leaves what it had applied; the view shows it either way.
    if (result != UnpackResult::ShortBlock)
        emit StateChanged();
    return result;
}

bool RpuPageModel::Pack(std::span<quint32> block) const
{
    return PackRpuImage(state_, block);
}

void RpuPageModel::ApplyFactoryDefaults()
{
    DefaultsNeverFail end;
    Unpack(FactoryDefaults(), end);
}

void RpuPageModel::SetState(const RpuPageState& state)
{
    state_ = state;
    emit StateChanged();
}

} // namespace tunbox
