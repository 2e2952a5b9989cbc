#include "ui/settings/RpuSettingsPage.h"

#include "app/MessageTable.h"
#include "ui/settings/ControlProjection.h"
#include "ui/settings/OutputWiring.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tunbox {

namespace {

// Only "Звуковой", "Тревога" and "Специальный" can be chosen on this page.
constexpr unsigned UsableModes() {
    unsigned modes = 0;
    for (int m = 0; m < ModeCount; ++m)
        if (RpuModeButtonEnabled(m))
            modes |= 1u << m;
    return modes;
}

// Captions are marked for the translation tools and translated when shown.
const OutputTabDesign kDesign = {
    {"TabSheet2", "TabSheet3", "TabSheet4"},
    "GrB_ReleWorkModeRPU",
    "RadioButton",
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы реле"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы выхода ОК"),
    UsableModes(),
    "privrelrpu",
    SourceCount,
    8,
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Привязка к источникам информации (ИИ) №:"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "источник"),
    {{
        // The order of RpuEvent.
        {"AlarmEventRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Тревога/пожар"), true, true},
        {"ErrorFireRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность (пожар ИИ)"),
         false, true},
        {"AhtungFireIIRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Внимание (пожар ИИ)"), true,
         true},
        {"OnOfLineRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по одному из ШС/Снятие"),
         true, true},
        {"OnAllLineRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по всем ШС/Снятие"),
         true, true},
        {"PowerCDRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность питания ИИ"),
         false, true},
        {"DamageIIRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие ИИ"), false, true},
        {"NoLinkRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Нет связи с ИИ"), true, true},
        {"RadioChanBlckRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Блокирование РК"), true,
         true},
        {"ErrorPowerRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность питания РПУ"),
         true, true},
        {"BoxDamageRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие РПУ"), true, true},
        {"SelfDamageRPU", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Собств. вскрытие"), false,
         false},
    }},
    {"TimeRzmkRPU", "TimeZmkRPU", "TimePeriodRPU", "InvReleRPU", "ReleControlRPU"},
};

} // namespace

RpuSettingsPage::RpuSettingsPage(QWidget* parent) : RpuSettingsPage(*new RpuPageModel, parent) {
    model_->setParent(this);
}

RpuSettingsPage::RpuSettingsPage(RpuPageModel& model, QWidget* parent)
    : QWidget(parent), model_(&model), lookup_([](int id) { return Msg(id); }) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ReleOKPageCRPU"));
    layout->addWidget(tabs_);
    for (int o = 1; o <= 3; ++o) {
        tabs_->addTab(BuildOutputTab(outputs_[static_cast<size_t>(o - 1)], kDesign, o), QString());
        ConnectOutput(o);
    }
    connect(model_, &RpuPageModel::StateChanged, this, [this] { Refresh(); });
    RetranslateUi();
}

void RpuSettingsPage::SetMessageLookup(MessageLookup lookup) {
    lookup_ = std::move(lookup);
    RefreshTexts();
}

void RpuSettingsPage::RefreshTexts() {
    Refresh(true);
}

void RpuSettingsPage::RetranslateUi() {
    for (OutputControls& controls : outputs_) {
        RetranslateOutputTab(controls, kDesign);
        tabs_->setTabText(controls.output - 1, OutputTitle(controls.output));
    }
    AlignModeGroups(outputs_);
    RefreshTexts();
}

UnpackResult RpuSettingsPage::UnpackRpuImage(std::span<const quint32> block, ProcessEnd& end) {
    return model_->Unpack(block, end);
}

bool RpuSettingsPage::PackRpuImage(std::span<quint32> block) const {
    return model_->Pack(block);
}

void RpuSettingsPage::ApplyFactoryDefaults() {
    model_->ApplyFactoryDefaults();
}

const OutputControls& RpuSettingsPage::Output(int output) const {
    return outputs_.at(static_cast<size_t>(output - 1));
}

void RpuSettingsPage::RadioButton_ReleWorkModeRPUClick(QObject* sender) {
    if (!sender)
        return;
    // The output is the digit after "RadioButton" in the sender's name; the
    // outputs are tried in order and the last match counts.
    int output = 0;
    for (int o = 1; o <= 3; ++o)
        if (sender->objectName().contains(QStringLiteral("RadioButton%1").arg(o)))
            output = o;
    if (output == 0)
        return;
    const OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    // The first checked button of the output, found by its name.
    for (int m = 1; m <= ModeCount; ++m) {
        auto* button = controls.modeGroup->findChild<QAbstractButton*>(
            QStringLiteral("RadioButton%1%2").arg(output).arg(m));
        if (button && button->isChecked()) {
            // Code may check a button the user cannot; the page then shows that
            // mode, so the model records it too (its rule does nothing for it).
            if (!model_->ForceMode(output, m - 1))
                Refresh();
            return;
        }
    }
}

void RpuSettingsPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        AlignModeGroups(outputs_);
}

void RpuSettingsPage::ConnectOutput(int output) {
    const OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    // A click on the button already checked is no change of mode and keeps the
    // output's other settings; the rule runs only when the mode changes.
    connect(controls.modeButtons, &QButtonGroup::idClicked, this, [this, output](int mode) {
        if (mode != model_->State().Output(output).mode)
            RadioButton_ReleWorkModeRPUClick(
                outputs_[static_cast<size_t>(output - 1)].modeButtons->button(mode));
    });
    ConnectOutputActs<RpuEvent>(this, controls, *model_, RpuEventCount, SourceCount,
                                [this] { Refresh(); });
}

void RpuSettingsPage::Refresh(bool refillLists) {
    for (OutputControls& controls : outputs_) {
        const RpuOutputState& state = model_->State().Output(controls.output);
        ShowOutput(controls, state, state.sources, lookup_, refillLists);
    }
}

} // namespace tunbox
