#include "ui/settings/ControlProjection.h"

#include "model/TimeLists.h"
#include "ui/settings/OutputControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>

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

void ShowMode(QButtonGroup* group, int mode) {
    if (QAbstractButton* button = group->button(mode)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace tunbox
