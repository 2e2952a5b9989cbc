#include "ui/settings/RtrSettingsPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tunbox {

namespace {

// Event boxes of an output tab: left column top to bottom, then the right one.
constexpr std::array<EventBoxSpec, 12> kEventBoxes = {{
    {"AlarmEvent", "Тревога/пожар (разделы)", true, true},
    {"BoxDamage", "Вскрытие (разделы)", false, true},
    {"OnOffLine", "Взятие по одному/Снятие по всем ", true, true},
    {"OnOffAllLine", "Взятие по всем/Снятие по одному", true, true},
    {"ErrorFire", "Неисправность (разделы)", true, true},
    {"NoConnect", "Неисправность РК (разделы)", false, true},
    {"ErrorPower", "Неисправ. питания (разделы)", false, true},
    {"RadioChanBlck", "Блокирование РК (оборуд-е)", true, true},
    {"DamageCD", "Вскрытие (оборуд-е)", true, true},
    {"SelfDamage", "Собственное вскрытие", true, true},
    {"NoLine", "Неисп. линии связи (оборуд-е)", true, true},
    {"PowerCD", "Неисправ. питания (оборуд-е)", true, true},
}};

constexpr ExtrasNames kExtrasNames = {"TimeRzmk", "TimeZmk", "TimePeriod", "InvRele",
                                      "ReleControl"};

constexpr std::array<const char*, 3> kTabNames = {"Rele1TabSh", "Rele2TabSh", "OK1TabSh"};

} // namespace

RtrSettingsPage::RtrSettingsPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ReleOKPageC"));
    layout->addWidget(tabs_);
    for (int o = 1; o <= 3; ++o) {
        QWidget* tab = BuildOutputTab(o);
        tabs_->addTab(tab, OutputTitle(o));
    }
}

const OutputControls& RtrSettingsPage::Output(int output) const
{
    return outputs_.at(static_cast<size_t>(output - 1));
}

QWidget* RtrSettingsPage::BuildOutputTab(int output)
{
    OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    controls.output = output;

    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(kTabNames[static_cast<size_t>(output - 1)]));

    const QString modeTitle = output == 3 ? QStringLiteral("Режим работы выхода ОК:")
                                          : QStringLiteral("Режим работы реле:");
    QGroupBox* mode = BuildModeGroup(controls, QStringLiteral("ReleWorkMode%1").arg(output),
                                     modeTitle, nullptr, 0x7Fu, tab);
    controls.modeButtons->button(0)->setChecked(true);

    QGroupBox* bindings = BuildBindingGroup(controls, QStringLiteral("Привязки к разделам:"),
                                            "privrele", 16, 4, QStringLiteral("раздел"), tab);
    QGroupBox* events = BuildEventGroup(controls, kEventBoxes, tab);
    QGroupBox* extras = BuildExtrasGroup(controls, kExtrasNames, tab);

    ArrangeOutputTab(tab, mode, events, bindings, extras);
    return tab;
}

} // namespace tunbox
