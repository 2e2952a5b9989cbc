#include "ui/settings/RtrSettingsPage.h"

#include "app/MessageTable.h"
#include "ui/settings/ControlProjection.h"

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

#define PAGE_TEXT(text) QT_TRANSLATE_NOOP("tunbox::SettingsPages", text)

const OutputTabSpec kSpec = {
    {"Rele1TabSh", "Rele2TabSh", "OK1TabSh"},
    "ReleWorkMode",
    nullptr, // the entries of a mode group carry no names of their own
    PAGE_TEXT("Режим работы реле:"),
    PAGE_TEXT("Режим работы выхода ОК:"),
    0x7Fu,
    "privrele",
    PartitionCount,
    4,
    PAGE_TEXT("Привязки к разделам:"),
    PAGE_TEXT("раздел"),
    {{
        // The order of RtrEvent.
        {"AlarmEvent", PAGE_TEXT("Тревога/пожар (разделы)"), true, true},
        {"BoxDamage", PAGE_TEXT("Вскрытие (разделы)"), false, true},
        {"OnOffLine", PAGE_TEXT("Взятие по одному/Снятие по всем "), true, true},
        {"OnOffAllLine", PAGE_TEXT("Взятие по всем/Снятие по одному"), true, true},
        {"ErrorFire", PAGE_TEXT("Неисправность (разделы)"), true, true},
        {"NoConnect", PAGE_TEXT("Неисправность РК (разделы)"), false, true},
        {"ErrorPower", PAGE_TEXT("Неисправ. питания (разделы)"), false, true},
        {"RadioChanBlck", PAGE_TEXT("Блокирование РК (оборуд-е)"), true, true},
        {"DamageCD", PAGE_TEXT("Вскрытие (оборуд-е)"), true, true},
        {"SelfDamage", PAGE_TEXT("Собственное вскрытие"), true, true},
        {"NoLine", PAGE_TEXT("Неисп. линии связи (оборуд-е)"), true, true},
        {"PowerCD", PAGE_TEXT("Неисправ. питания (оборуд-е)"), true, true},
    }},
    {"TimeRzmk", "TimeZmk", "TimePeriod", "InvRele", "ReleControl"},
};

#undef PAGE_TEXT

} // namespace

RtrSettingsPage::RtrSettingsPage(QWidget* parent)
    : RtrSettingsPage(*new RtrPageModel, parent)
{
    model_->setParent(this);
}

RtrSettingsPage::RtrSettingsPage(RtrPageModel& model, QWidget* parent)
    : QWidget(parent), model_(&model), lookup_([](int id) { return Msg(id); })
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("ReleOKPageC"));
    layout->addWidget(tabs_);
    for (int o = 1; o <= 3; ++o) {
        tabs_->addTab(BuildOutputTab(outputs_[static_cast<size_t>(o - 1)], kSpec, o), QString());
        ConnectOutput(o);
    }
    connect(model_, &RtrPageModel::StateChanged, this, [this] { Refresh(); });
    RetranslateUi();
}

void RtrSettingsPage::SetContextSource(std::function<UnitContext()> source)
{
    model_->SetContextSource(std::move(source));
}

void RtrSettingsPage::SetMessageLookup(MessageLookup lookup)
{
    lookup_ = std::move(lookup);
    RefreshTexts();
}

void RtrSettingsPage::RefreshTexts()
{
    Refresh(true);
}

void RtrSettingsPage::RetranslateUi()
{
    for (OutputControls& controls : outputs_) {
        RetranslateOutputTab(controls, kSpec);
        tabs_->setTabText(controls.output - 1, OutputTitle(controls.output));
    }
    AlignModeGroups(outputs_);
    RefreshTexts();
}

UnpackResult RtrSettingsPage::UnpackReleImage(std::span<const quint32> block, ProcessEnd& end)
{
    return model_->Unpack(block, end);
}

bool RtrSettingsPage::PackReleImage(std::span<quint32> block) const
{
    return model_->Pack(block);
}

void RtrSettingsPage::ApplyFactoryDefaults()
{
    model_->ApplyFactoryDefaults();
}

const OutputControls& RtrSettingsPage::Output(int output) const
{
    return outputs_.at(static_cast<size_t>(output - 1));
}

void RtrSettingsPage::ReleWorkMode1Click(QObject* sender)
{
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

void RtrSettingsPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        AlignModeGroups(outputs_);
}

void RtrSettingsPage::ConnectOutput(int output)
{
    const OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    // A click on the entry already selected is no change of mode and keeps the
    // output's other settings; the rule runs only when the entry changes.
    connect(controls.modeButtons, &QButtonGroup::idClicked, this, [this, output](int mode) {
        if (mode != model_->State().Output(output).mode)
            ReleWorkMode1Click(outputs_[static_cast<size_t>(output - 1)].modeGroup);
    });
    for (int e = 0; e < RtrEventCount; ++e) {
        connect(controls.events[static_cast<size_t>(e)], &QCheckBox::clicked, this,
                [this, output, e](bool checked) {
                    if (!model_->SetEventChecked(output, static_cast<RtrEvent>(e), checked))
                        Refresh();
                });
    }
    for (int p = 1; p <= PartitionCount; ++p) {
        connect(controls.bindings[static_cast<size_t>(p - 1)], &QCheckBox::clicked, this,
                [this, output, p](bool checked) {
                    if (!model_->SetBindingChecked(output, p, checked))
                        Refresh();
                });
    }
    const auto lists = controls.Lists();
    for (int l = 0; l < OptionListCount; ++l) {
        connect(lists[static_cast<size_t>(l)], &QComboBox::activated, this,
                [this, output, l](int index) {
                    if (!model_->SetListIndex(output, static_cast<OptionList>(l), index))
                        Refresh();
                });
    }
}

void RtrSettingsPage::Refresh(bool refillLists)
{
    for (OutputControls& controls : outputs_) {
        const RtrOutputState& state = model_->State().Output(controls.output);
        ShowMode(controls.modeButtons, state.mode);
        for (size_t e = 0; e < controls.events.size(); ++e)
            ShowCheck(controls.events[e], state.events[e]);
        for (size_t p = 0; p < controls.bindings.size(); ++p) {
            ShowCheck(controls.bindings[p], state.partitions[p]);
            controls.bindingNumbers[p]->setEnabled(state.partitions[p].enabled);
        }
        const auto lists = controls.Lists();
        for (size_t l = 0; l < lists.size(); ++l)
            ShowList(lists[l], controls.shownKinds[l], state.lists[l], controls.output, lookup_,
                     refillLists);
    }
}

} // namespace tunbox
