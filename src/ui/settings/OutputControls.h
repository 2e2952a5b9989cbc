#pragma once

#include "model/PageControls.h"

#include <QString>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace tunbox {

// One event check box of an output tab: its name prefix (the output digit is
// appended), caption and the state the page starts with.
struct EventBoxSpec {
    const char* prefix;
    const char* caption;
    bool enabled;
    bool visible;
};

// The widgets of one output tab, the same shape on both settings pages.
// Pointers are owned by the Qt parent chain of the tab.
struct OutputControls {
    int output = 0;                 // 1, 2 or 3
    QGroupBox* modeGroup = nullptr; // the working-mode frame
    QButtonGroup* modeButtons = nullptr; // ids 0..6 = mode index
    std::vector<QCheckBox*> bindings;    // partition or source n at [n - 1]
    std::vector<QLabel*> bindingNumbers; // the number label beside each binding box
    std::vector<QCheckBox*> events;      // in the order of the page's event table
    QComboBox* openTime = nullptr;
    QComboBox* closeTime = nullptr;
    QComboBox* duration = nullptr;
    QComboBox* inversion = nullptr;
    QComboBox* control = nullptr;   // kept for the layout, hidden and never used
    QLabel* controlLabel = nullptr;

    // The four lists in OptionList order, and which items each one holds now.
    std::array<QComboBox*, OptionListCount> Lists() const
    {
        return {openTime, closeTime, duration, inversion};
    }
    std::array<ListKind, OptionListCount> shownKinds = {ListKind::Empty, ListKind::Empty,
                                                        ListKind::Empty, ListKind::Inversion};
};

// Name prefixes of the four lists of the "Дополнительно:" group and the hidden
// control list, e.g. {"TimeRzmk", "TimeZmk", "TimePeriod", "InvRele", "ReleControl"}.
struct ExtrasNames {
    const char* openTime;
    const char* closeTime;
    const char* duration;
    const char* inversion;
    const char* control;
};

// "Реле №1", "Реле №2" or "Выход ОК №1".
QString OutputTitle(int output);

// The seven working-mode texts, index = mode.
const std::array<const char*, 7>& ModeTexts();

// Working-mode frame named `groupName` with seven radio buttons, one per mode.
// With a `buttonPrefix` each button is named `<buttonPrefix><o><m>`, m = 1..7;
// `enabledModes` has bit m set for each mode index m the user may choose.
QGroupBox* BuildModeGroup(OutputControls& controls, const QString& groupName,
                          const QString& title, const char* buttonPrefix,
                          unsigned enabledModes, QWidget* parent);

// Group of caption-less binding boxes `<prefix><o><n>`, n = 1..count, each beside
// its number label, in columns of `rows` numbered top to bottom.
QGroupBox* BuildBindingGroup(OutputControls& controls, const QString& title,
                             const char* prefix, int count, int rows,
                             const QString& accessibleWord, QWidget* parent);

// Group "Обрабатываемые извещения:" with the boxes of `specs` in two columns of
// six (left column first).
QGroupBox* BuildEventGroup(OutputControls& controls,
                           const std::array<EventBoxSpec, 12>& specs, QWidget* parent);

// Group "Дополнительно:" with the three time lists and the inversion list, each
// with its label on the left, and the hidden, disabled control list.
QGroupBox* BuildExtrasGroup(OutputControls& controls, const ExtrasNames& names,
                            QWidget* parent);

// Gives the mode frames of all tabs the width of the widest, so the groups
// beside them do not move when the user switches tabs.
void AlignModeGroups(std::array<OutputControls, 3>& outputs);

// Lays the four groups out on an output tab: the mode and the events on top,
// the bindings and the lists below.
void ArrangeOutputTab(QWidget* tab, QGroupBox* mode, QGroupBox* events, QGroupBox* bindings,
                      QGroupBox* extras);

} // namespace tunbox
