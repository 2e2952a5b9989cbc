#include "ui/settings/RpuSettingsPage.h"

#include "model/RpuPageState.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>

namespace tunbox {

namespace {

// Captions are marked for the translation tools and translated when shown.
const SettingsPageDesign kDesign = {
    "ReleOKPageCRPU",
    {
        {"TabSheet2", "TabSheet3", "TabSheet4"},
        "GrB_ReleWorkModeRPU",
        "RadioButton",
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы реле"),
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы выхода ОК"),
        "privrelrpu",
        SourceCount,
        8,
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Привязка к источникам информации (ИИ) №:"),
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "источник"),
        {{
            // The order of RpuEvent.
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Тревога/пожар"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность (пожар ИИ)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Внимание (пожар ИИ)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по одному из ШС/Снятие"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по всем ШС/Снятие"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность питания ИИ"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие ИИ"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Нет связи с ИИ"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Блокирование РК"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность питания РПУ"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие РПУ"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Собств. вскрытие"),
        }},
        "RPU",
    },
    RpuRules(),
};

} // namespace

RpuSettingsPage::RpuSettingsPage(QWidget* parent) : OutputSettingsPage(kDesign, parent) {}

void RpuSettingsPage::RadioButton_ReleWorkModeRPUClick(QObject* sender) {
    if (!sender)
        return;
    // The output is the digit after "RadioButton" in the sender's name; the
    // outputs are tried in order and the last match counts.
    int output = 0;
    for (int o = 1; o <= OutputCount; ++o)
        if (sender->objectName().contains(QStringLiteral("RadioButton%1").arg(o)))
            output = o;
    if (output == 0)
        return;
    // The first checked button of the output, found by its name.
    for (int m = 1; m <= ModeCount; ++m) {
        auto* button = Output(output).modeGroup->findChild<QAbstractButton*>(
            QStringLiteral("RadioButton%1%2").arg(output).arg(m));
        if (button && button->isChecked()) {
            // Code may check a button the user cannot; the page then shows that
            // mode, so the model records it too (its rule does nothing for it).
            if (!Model().ForceMode(output, m - 1))
                Refresh();
            return;
        }
    }
}

void RpuSettingsPage::ModeEntryClicked(int output, int mode) {
    RadioButton_ReleWorkModeRPUClick(Output(output).modeButtons->button(mode));
}

} // namespace tunbox
