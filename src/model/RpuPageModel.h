#pragma once

#include "model/ProcessEnd.h"
#include "model/RpuPageState.h"
#include "model/SettingsLayout.h"

#include <QObject>

#include <span>

namespace tunbox {

// The page "Режимы реле и выхода ОК (РПУ в автономном режиме)" as the window owns
// it: its state, and every act on it, each running the rules the page runs. The
// page widgets show State() and refresh on StateChanged(); every user act goes
// through a setter here. Acts on a disabled control, an unknown output or an
// index out of range are refused (false) and change nothing.
class RpuPageModel : public QObject {
    Q_OBJECT
public:
    explicit RpuPageModel(QObject* parent = nullptr);

    const RpuPageState& State() const { return state_; }

    // A click on mode button RadioButton<output><mode+1> (mode 0..6): checks it
    // and runs the mode rule (RadioButton_ReleWorkModeRPUClick). Buttons the page
    // does not offer (RpuModeButtonEnabled false) are refused.
    bool SetMode(int output, int mode);
    // The same without the offer check: what a scripted click does on any button.
    bool ForceMode(int output, int mode);
    // A click on an event box.
    bool SetEventChecked(int output, RpuEvent event, bool checked);
    // A choice in one of the four lists; index must be an item of the list.
    bool SetListIndex(int output, OptionList list, int index);
    // A click on source box privrelrpu<output><source>, source 1..48.
    bool SetBindingChecked(int output, int source, bool checked);

    // Bytes 49..95 of block into the page (see UnpackRpuImage).
    UnpackResult Unpack(std::span<const quint32> block, ProcessEnd& end);
    // The page into the zero-filled block (see PackRpuImage).
    bool Pack(std::span<quint32> block) const;
    // Unpacks FactoryDefaults() (cannot fail).
    void ApplyFactoryDefaults();

    // Replaces the whole state (for a view that restores or a test that presets).
    void SetState(const RpuPageState& state);

signals:
    // After every change of State().
    void StateChanged();

private:
    RpuPageState state_;
};

} // namespace tunbox
