#include "ui/settings/RtrSettingsPage.h"

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

// Captions are marked for the translation tools and translated when shown.
const OutputTabDesign kDesign = {
    {"Rele1TabSh", "Rele2TabSh", "OK1TabSh"},
    "ReleWorkMode",
    nullptr, // the entries of a mode group carry no names of their own
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы реле:"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Режим работы выхода ОК:"),
    0x7Fu,
    "privrele",
    PartitionCount,
    4,
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Привязки к разделам:"),
    QT_TRANSLATE_NOOP("tunbox::SettingsPages", "раздел"),
    {{
        // The order of RtrEvent.
        {"AlarmEvent", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Тревога/пожар (разделы)"), true,
         true},
        {"BoxDamage", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие (разделы)"), false,
         true},
        {"OnOffLine",
         QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по одному/Снятие по всем "), true,
         true},
        {"OnOffAllLine",
         QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Взятие по всем/Снятие по одному"), true, true},
        {"ErrorFire", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность (разделы)"), true,
         true},
        {"NoConnect", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправность РК (разделы)"),
         false, true},
        {"ErrorPower", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправ. питания (разделы)"),
         false, true},
        {"RadioChanBlck", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Блокирование РК (оборуд-е)"),
         true, true},
        {"DamageCD", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Вскрытие (оборуд-е)"), true, true},
        {"SelfDamage", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Собственное вскрытие"), true,
         true},
        {"NoLine", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисп. линии связи (оборуд-е)"),
         true, true},
        {"PowerCD", QT_TRANSLATE_NOOP("tunbox::SettingsPages", "Неисправ. питания (оборуд-е)"),
         true, true},
    }},
    {"TimeRzmk", "TimeZmk", "TimePeriod", "InvRele", "ReleControl"},
};

} // namespace

RtrSettingsPage::RtrSettingsPage(QWidget* parent) : RtrSettingsPage(*new RtrPageModel, parent) {
    model_->setParent(this);
}

RtrSettingsPage::RtrSettingsPage(RtrPageModel& model, QWidget* parent)
    : QWidget(parent), model_(&model), lookup_([](int id) { return Msg(id); }) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ReleOKPageC"));
    layout->addWidget(tabs_);
    for (int o = 1; o <= 3; ++o) {
        tabs_->addTab(BuildOutputTab(outputs_[static_cast<size_t>(o - 1)], kDesign, o), QString());
        ConnectOutput(o);
    }
    connect(model_, &RtrPageModel::StateChanged, this, [this] { Refresh(); });
    RetranslateUi();
}

void RtrSettingsPage::SetContextSource(std::function<UnitContext()> source) {
    model_->SetContextSource(std::move(source));
}

void RtrSettingsPage::SetMessageLookup(MessageLookup lookup) {
    lookup_ = std::move(lookup);
    RefreshTexts();
}

void RtrSettingsPage::RefreshTexts() {
    Refresh(true);
}

void RtrSettingsPage::RetranslateUi() {
    for (OutputControls& controls : outputs_) {
        RetranslateOutputTab(controls, kDesign);
        tabs_->setTabText(controls.output - 1, OutputTitle(controls.output));
    }
    AlignModeGroups(outputs_);
    RefreshTexts();
}

UnpackResult RtrSettingsPage::UnpackReleImage(std::span<const quint32> block, ProcessEnd& end) {
    return model_->Unpack(block, end);
}

bool RtrSettingsPage::PackReleImage(std::span<quint32> block) const {
    return model_->Pack(block);
}

void RtrSettingsPage::ApplyFactoryDefaults() {
    model_->ApplyFactoryDefaults();
}

const OutputControls& RtrSettingsPage::Output(int output) const {
    return outputs_.at(static_cast<size_t>(output - 1));
}

void RtrSettingsPage::ReleWorkMode1Click(QObject* sender) {
    if (!sender)
        return;
    for (const OutputControls& controls : outputs_) {
        if (sender->objectName() != QStringLiteral("ReleWorkMode%1").arg(controls.output))
            continue;
        const int mode = controls.modeButtons->checkedId();
        if (mode < 0 || mode > 6)
            return;
        if (!model_->SetMode(controls.output, mode))
            Refresh();
        return;
    }
}

void RtrSettingsPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        AlignModeGroups(outputs_);
}

void RtrSettingsPage::ConnectOutput(int output) {
    const OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    // A click on the entry already selected is no change of mode and keeps the
    // output's other settings; the rule runs only when the entry changes.
    connect(controls.modeButtons, &QButtonGroup::idClicked, this, [this, output](int mode) {
        if (mode != model_->State().Output(output).mode)
            ReleWorkMode1Click(outputs_[static_cast<size_t>(output - 1)].modeGroup);
    });
    ConnectOutputActs<RtrEvent>(this, controls, *model_, RtrEventCount, PartitionCount,
                                [this] { Refresh(); });
}

void RtrSettingsPage::Refresh(bool refillLists) {
    for (OutputControls& controls : outputs_) {
        const RtrOutputState& state = model_->State().Output(controls.output);
        ShowOutput(controls, state, state.partitions, lookup_, refillLists);
    }
}

} // namespace tunbox
