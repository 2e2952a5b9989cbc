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
[[maybe_unused]] constexpr const char* kInversionItems[] = {
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Нет "),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Да"),
};

} // namespace

void ShowList(QComboBox* list, ListKind& shownKind, const ListState& state, int output,
              const MessageLookup& lookup, bool refill) {
    if (refill || shownKind != state.kind) {
        QStringList items = ListTexts(state.kind, output, lookup);
        if (state.kind == ListKind::Inversion) {
            for (QString& item : items)
                item = SettingsText(item.toUtf8().constData());
        }
        list->clear();
        list->addItems(items);
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
