#pragma once

#include "model/PageControls.h"
#include "model/PageRules.h"

#include <QString>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace tunbox {

// Translation context of every caption on the two settings pages.
inline constexpr char SettingsPagesContext[] = "tunbox::SettingsPages";

// A caption of the settings pages in the current language.
QString SettingsText(const char* source);

// What tells the output tabs of the two pages apart.
struct OutputTabDesign {
    std::array<const char*, 3> tabNames;
    const char* modeGroupPrefix;  // output digit appended
    const char* modeButtonPrefix; // output digit and m = 1..7 appended; null: unnamed
    const char* relayModeTitle;   // outputs 1 and 2
    const char* okModeTitle;      // output 3
    const char* bindingPrefix;    // output digit and n appended
    int bindingCount;
    int bindingRows; // boxes per column
    const char* bindingTitle;
    const char* bindingWord; // spoken with the number: "раздел 5"
    // Captions of the event boxes in page order (left column top to bottom, then
    // right); their names and states come from the page's rules and model.
    std::array<const char*, EventCount> eventCaptions;
    // Appended to the list names TimeRzmk, TimeZmk, TimePeriod, InvRele and
    // ReleControl before the output digit.
    const char* listSuffix;
};

// The widgets of one output tab, the same shape on both settings pages.
// Pointers are owned by the Qt parent chain of the tab.
struct OutputControls {
    int output = 0; // 1, 2 or 3
    QGroupBox* modeGroup = nullptr;
    QButtonGroup* modeButtons = nullptr; // ids 0..6 = mode index
    QGroupBox* bindingGroup = nullptr;
    std::vector<QCheckBox*> bindings;    // partition or source n at [n - 1]
    std::vector<QLabel*> bindingNumbers; // the number label beside each binding box
    QGroupBox* eventGroup = nullptr;
    std::vector<QCheckBox*> events; // in the order of the design's event table
    QGroupBox* extrasGroup = nullptr;
    std::array<QComboBox*, 5> lists{}; // open, close, duration, inversion, control
    std::array<QLabel*, 5> listLabels{};

    // The four lists of the model in OptionList order, and which items each holds.
    std::array<QComboBox*, OptionListCount> Lists() const {
        return {lists[0], lists[1], lists[2], lists[3]};
    }
    std::array<ListKind, OptionListCount> shownKinds = {ListKind::Empty, ListKind::Empty,
                                                        ListKind::Empty, ListKind::Empty};
};

// "Реле №1", "Реле №2" or "Выход ОК №1" in the current language.
QString OutputTitle(int output);

// Builds the tab of output (1..3) with its four groups: the mode and the events
// on top, the bindings and the lists below; the event box names and which mode
// entries can be clicked come from rules. Captions are set by RetranslateOutputTab.
QWidget* BuildOutputTab(OutputControls& controls, const OutputTabDesign& design,
                        const PageRules& rules, int output);

// Sets every caption, item text and accessible name of the tab in the current
// language (the items of the time lists excepted: they come from the model).
void RetranslateOutputTab(OutputControls& controls, const OutputTabDesign& design);

// Gives the mode frames of all tabs the width of the widest, so the groups
// beside them do not move when the user switches tabs.
void AlignModeGroups(std::array<OutputControls, 3>& outputs);

} // namespace tunbox
