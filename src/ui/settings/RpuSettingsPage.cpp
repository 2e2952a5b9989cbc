#include "ui/settings/RpuSettingsPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tunbox {

namespace {

// Event boxes of an output tab: left column top to bottom, then the right one.
constexpr std::array<EventBoxSpec, 12> kEventBoxes = {{
    {"AlarmEventRPU", "Тревога/пожар", true, true},
    {"ErrorFireRPU", "Неисправность (пожар ИИ)", false, true},
    {"AhtungFireIIRPU", "Внимание (пожар ИИ)", true, true},
    {"OnOfLineRPU", "Взятие по одному из ШС/Снятие", true, true},
    {"OnAllLineRPU", "Взятие по всем ШС/Снятие", true, true},
    {"PowerCDRPU", "Неисправность питания ИИ", false, true},
    {"DamageIIRPU", "Вскрытие ИИ", false, true},
    {"NoLinkRPU", "Нет связи с ИИ", true, true},
    {"RadioChanBlckRPU", "Блокирование РК", true, true},
    {"ErrorPowerRPU", "Неисправность питания РПУ", true, true},
    {"BoxDamageRPU", "Вскрытие РПУ", true, true},
    {"SelfDamageRPU", "Собств. вскрытие", false, false},
}};

constexpr ExtrasNames kExtrasNames = {"TimeRzmkRPU", "TimeZmkRPU", "TimePeriodRPU",
                                      "InvReleRPU", "ReleControlRPU"};

constexpr std::array<const char*, 3> kTabNames = {"TabSheet2", "TabSheet3", "TabSheet4"};

// Only "Звуковой", "Тревога" and "Специальный" can be chosen on this page.
constexpr unsigned kUsableModes = (1u << 3) | (1u << 4) | (1u << 6);

} // namespace

RpuSettingsPage::RpuSettingsPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ReleOKPageCRPU"));
    layout->addWidget(tabs_);
    for (int o = 1; o <= 3; ++o) {
        QWidget* tab = BuildOutputTab(o);
        tabs_->addTab(tab, OutputTitle(o));
    }
}

const OutputControls& RpuSettingsPage::Output(int output) const
{
    return outputs_.at(static_cast<size_t>(output - 1));
}

QWidget* RpuSettingsPage::BuildOutputTab(int output)
{
    OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    controls.output = output;

    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(kTabNames[static_cast<size_t>(output - 1)]));

    const QString modeTitle = output == 3 ? QStringLiteral("Режим работы выхода ОК")
                                          : QStringLiteral("Режим работы реле");
    QGroupBox* mode = BuildModeGroup(controls, QStringLiteral("GrB_ReleWorkModeRPU%1").arg(output),
                                     modeTitle, "RadioButton", kUsableModes, tab);

    QGroupBox* bindings =
        BuildBindingGroup(controls, QStringLiteral("Привязка к источникам информации (ИИ) №:"),
                          "privrelrpu", 48, 8, QStringLiteral("источник"), tab);
    QGroupBox* events = BuildEventGroup(controls, kEventBoxes, tab);
    QGroupBox* extras = BuildExtrasGroup(controls, kExtrasNames, tab);

    ArrangeOutputTab(tab, mode, events, bindings, extras);
    return tab;
}

} // namespace tunbox
