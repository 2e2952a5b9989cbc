#include "ui/settings/ControlProjection.h"

#include "model/TimeLists.h"
#include "ui/settings/OutputControls.h"
#include "ui/widgets/ButtonChoice.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace tunbox {

void ShowCheck(QCheckBox* box, const CheckState& state) {
    box->setChecked(state.checked);
    box->setEnabled(state.enabled);
    box->setVisible(state.visible);
}

namespace {

// The inversion items are captions of the page, not catalogue texts.
constexpr const char* kInversionItems[] = {
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Нет "),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Да"),
};

QStringList ItemsOf(ListKind kind, int output, const MessageLookup& lookup) {
    if (kind == ListKind::Inversion)
        return {SettingsText(kInversionItems[0]), SettingsText(kInversionItems[1])};
    return ListTexts(kind, output, lookup);
}

} // namespace

void ShowList(QComboBox* list, ListKind& shownKind, const ListState& state, int output,
              const MessageLookup& lookup, bool refill) {
    if (refill || shownKind != state.kind) {
        list->clear();
        list->addItems(ItemsOf(state.kind, output, lookup));
        shownKind = state.kind;
    }
    list->setCurrentIndex(state.index >= 0 && state.index < list->count() ? state.index : -1);
    list->setEnabled(state.enabled);
}

void ShowOutput(OutputControls& controls, const OutputState& state, const MessageLookup& lookup,
                bool refillLists) {
    ShowChoice(controls.modeButtons, state.mode);
    for (size_t e = 0; e < controls.events.size(); ++e)
        ShowCheck(controls.events[e], state.events[e]);
    for (size_t n = 0; n < controls.bindings.size(); ++n) {
        ShowCheck(controls.bindings[n], state.bindings[n]);
        controls.bindingNumbers[n]->setEnabled(state.bindings[n].enabled);
    }
    const auto lists = controls.Lists();
    for (size_t l = 0; l < lists.size(); ++l)
        ShowList(lists[l], controls.shownKinds[l], state.lists[l], controls.output, lookup,
                 refillLists);
}

} // namespace tunbox
