#pragma once

#include "model/ProcessEnd.h"
#include "model/RtrPageState.h"
#include "model/SettingsLayout.h"
#include "model/UnitContext.h"

#include <QObject>

#include <functional>
#include <span>

namespace tunbox {

// The page "Режимы реле и выхода ОК" as the window owns it: its state, and every
// act on it, each running the rules the page runs. The page widgets show State()
// and refresh on StateChanged(); every user act goes through a setter here.
// Acts on a disabled control, an unknown output or an index out of range are
// refused (false) and change nothing.
class RtrPageModel : public QObject {
    Q_OBJECT
public:
    explicit RtrPageModel(QObject* parent = nullptr);

    const RtrPageState& State() const { return state_; }

    // Where the mode rules read DemoMode, DeviceMode and RTR_rb from; until set,
    // a page without a unit (all defaults of UnitContext).
    void SetContextSource(std::function<UnitContext()> source);
    UnitContext Context() const;

    // A click on entry mode (0..6) of ReleWorkMode<output>: selects it and runs
    // the mode rule (ReleWorkMode1Click).
    bool SetMode(int output, int mode);
    // A click on an event box.
    bool SetEventChecked(int output, RtrEvent event, bool checked);
    // A choice in one of the four lists; index must be an item of the list.
    bool SetListIndex(int output, OptionList list, int index);
    // A click on partition box privrele<output><partition>, partition 1..16.
    bool SetBindingChecked(int output, int partition, bool checked);

    // Bytes 0..44 of block into the page (see UnpackReleImage).
    UnpackResult Unpack(std::span<const quint32> block, ProcessEnd& end);
    // The page into the zero-filled block (see PackReleImage).
    bool Pack(std::span<quint32> block) const;
    // Unpacks FactoryDefaults() (cannot fail).
    void ApplyFactoryDefaults();

    // Replaces the whole state (for a view that restores or a test that presets).
    void SetState(const RtrPageState& state);

signals:
    // After every change of State().
    void StateChanged();

private:
    RtrPageState state_;
    std::function<UnitContext()> context_;
};

} // namespace tunbox
