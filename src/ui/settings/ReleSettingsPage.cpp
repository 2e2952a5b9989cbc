#include "ui/settings/ReleSettingsPage.h"

#include "model/RelePageState.h"

#include <QButtonGroup>
#include <QGroupBox>

namespace tunbox {

namespace {

// Captions are marked for the translation tools and translated when shown.
const SettingsPageDesign kDesign = {
    "ReleOKPageC",
    {
        {"Rele1TabSh", "Rele2TabSh", "OK1TabSh"},
        "ReleWorkMode",
        nullptr, // the entries of a mode group carry no names of their own
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы реле:"),
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы выхода ОК:"),
        "privrele",
        PartitionCount,
        4,
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Привязки к разделам:"),
        QT_TRANSLATE_NOOP("tunbox::SettingsPages", "раздел"),
        {{
            // The order of ReleEvent.
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Тревога/пожар (разделы)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие (разделы)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по одному/Снятие по всем "),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по всем/Снятие по одному"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность (разделы)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность РК (разделы)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправ. питания (разделы)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Блокирование РК (оборуд-е)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие (оборуд-е)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Собственное вскрытие"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисп. линии связи (оборуд-е)"),
            QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправ. питания (оборуд-е)"),
        }},
        "",
    },
    ReleRules(),
};

} // namespace

ReleSettingsPage::ReleSettingsPage(QWidget* parent) : OutputSettingsPage(kDesign, parent) {}

void ReleSettingsPage::ReleWorkMode1Click(QObject* sender) {
    if (!sender)
        return;
    for (int o = 1; o <= OutputCount; ++o) {
        if (sender->objectName() != QStringLiteral("ReleWorkMode%1").arg(o))
            continue;
        const int mode = Output(o).modeButtons->checkedId();
        if (mode < 0 || mode >= ModeCount)
            return;
        if (!Model().SetMode(o, mode))
            Refresh();
        return;
    }
}

void ReleSettingsPage::ModeEntryClicked(int output, int /*mode*/) {
    ReleWorkMode1Click(Output(output).modeGroup);
}

} // namespace tunbox
