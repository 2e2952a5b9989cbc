#pragma once

#include "model/PageRules.h"
#include "model/PageState.h"
#include "model/ProcessEnd.h"
#include "model/SettingsLayout.h"
#include "model/UnitContext.h"

#include <QObject>

#include <functional>
#include <span>
#include <type_traits>

namespace tunbox {

// A settings page as the window owns it: its state, and every act on it, each
// running the rules the page runs (ReleRules or RpuRules). The page widgets
// show State() and refresh on StateChanged(); every user act goes through a
// setter here. Acts on a disabled control, an unknown output or an index out of
// range are refused (false) and change nothing.
class SettingsPageModel : public QObject {
    Q_OBJECT
  public:
    explicit SettingsPageModel(const PageRules& rules, QObject* parent = nullptr);

    const PageRules& Rules() const { return rules_; }
    const PageState& State() const { return state_; }

    // Where the mode rules read DemoMode, DeviceMode and RTR_rb from; until set,
    // a page without a unit (all defaults of UnitContext).
    void SetContextSource(std::function<UnitContext()> source);
    UnitContext Context() const;

    // A user's click on mode entry mode (0..6) of output: selects it and runs the
    // mode rule. Modes the page does not offer are refused.
    bool SetMode(int output, int mode);
    // The same without the offer check: what a scripted click does on any entry.
    bool ForceMode(int output, int mode);
    // A click on event box event (0..11 in page order) of output.
    bool SetEventChecked(int output, int event, bool checked);
    template <typename Event>
    requires std::is_enum_v<Event>
    bool SetEventChecked(int output, Event event, bool checked) {
        return SetEventChecked(output, static_cast<int>(event), checked);
    }
    // A choice in one of the four lists; index must be an item of the list.
    bool SetListIndex(int output, OptionList list, int index);
    // A click on binding box n (partition or source, from 1) of output.
    bool SetBindingChecked(int output, int n, bool checked);

    // The page's bytes of block into the page; a bad cell goes to end.
    UnpackResult Unpack(std::span<const quint32> block, ProcessEnd& end);
    // The page added into the zero-filled block.
    bool Pack(std::span<quint32> block) const;
    // Unpacks FactoryDefaults() (cannot fail).
    void ApplyFactoryDefaults();

    // Replaces the whole state (for a view that restores or a test that presets).
    void SetState(const PageState& state);

  signals:
    // After every change of State().
    void StateChanged();

  private:
    const PageRules& rules_;
    PageState state_;
    std::function<UnitContext()> context_;
};

} // namespace tunbox
