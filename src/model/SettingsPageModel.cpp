#include "model/SettingsPageModel.h"

#include "model/FactoryDefaults.h"
#include "model/PageActs.h"

namespace tunbox {

SettingsPageModel::SettingsPageModel(const PageRules& rules, QObject* parent)
    : QObject(parent), rules_(rules), state_(InitialState(rules)) {}

void SettingsPageModel::SetContextSource(std::function<UnitContext()> source) {
    context_ = std::move(source);
}

UnitContext SettingsPageModel::Context() const {
    return context_ ? context_() : UnitContext{};
}

bool SettingsPageModel::SetMode(int output, int mode) {
    if (!rules_.modeOffered(mode))
        return false;
    return ForceMode(output, mode);
}

bool SettingsPageModel::ForceMode(int output, int mode) {
    if (!IsOutput(output) || mode < 0 || mode >= ModeCount)
        return false;
    state_.Output(output).mode = mode;
    rules_.applyMode(state_, output, Context());
    emit StateChanged();
    return true;
}

bool SettingsPageModel::SetEventChecked(int output, int event, bool checked) {
    if (!IsOutput(output) || event < 0 || event >= EventCount)
        return false;
    return Settle(ClickBox(state_.Output(output).events[event], checked, /*mustBeVisible=*/true),
                  [this] { emit StateChanged(); });
}

bool SettingsPageModel::SetListIndex(int output, OptionList list, int index) {
    const int l = static_cast<int>(list);
    if (!IsOutput(output) || l < 0 || l >= OptionListCount)
        return false;
    return Settle(ChooseItem(state_.Output(output).List(list), index),
                  [this] { emit StateChanged(); });
}

bool SettingsPageModel::SetBindingChecked(int output, int n, bool checked) {
    if (!IsOutput(output))
        return false;
    std::vector<CheckState>& bindings = state_.Output(output).bindings;
    if (n < 1 || n > static_cast<int>(bindings.size()))
        return false;
    return Settle(ClickBox(bindings[n - 1], checked, /*mustBeVisible=*/false),
                  [this] { emit StateChanged(); });
}

UnpackResult SettingsPageModel::Unpack(std::span<const quint32> block, ProcessEnd& end) {
    const UnpackResult result = rules_.unpack(state_, block, Context(), end);
    // A failed unpack leaves what it had applied; the view shows it either way.
    if (result != UnpackResult::ShortBlock)
        emit StateChanged();
    return result;
}

bool SettingsPageModel::Pack(std::span<quint32> block) const {
    return rules_.pack(state_, block);
}

void SettingsPageModel::ApplyFactoryDefaults() {
    DefaultsNeverFail end;
    Unpack(FactoryDefaults(), end);
}

void SettingsPageModel::SetState(const PageState& state) {
    state_ = state;
    emit StateChanged();
}

} // namespace tunbox
