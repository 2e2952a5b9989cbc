#include "ui/settings/OutputSettingsPage.h"

#include "app/MessageTable.h"
#include "ui/settings/ControlProjection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tunbox {

OutputSettingsPage::OutputSettingsPage(const SettingsPageDesign& design, QWidget* parent)
    : QWidget(parent), design_(design), model_(new SettingsPageModel(design.rules, this)),
      lookup_([](int id) { return Msg(id); }) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QLatin1String(design.tabsName));
    layout->addWidget(tabs_);
    for (int o = 1; o <= OutputCount; ++o) {
        tabs_->addTab(
            BuildOutputTab(outputs_[static_cast<size_t>(o - 1)], design.tab, design.rules, o),
            QString());
        ConnectOutput(o);
    }
    connect(model_, &SettingsPageModel::StateChanged, this, [this] { Refresh(); });
    RetranslateUi();
}

void OutputSettingsPage::SetContextSource(std::function<UnitContext()> source) {
    model_->SetContextSource(std::move(source));
}

void OutputSettingsPage::SetMessageLookup(MessageLookup lookup) {
    lookup_ = std::move(lookup);
    RefreshTexts();
}

void OutputSettingsPage::RefreshTexts() {
    Refresh(true);
}

void OutputSettingsPage::RetranslateUi() {
    for (OutputControls& controls : outputs_) {
        RetranslateOutputTab(controls, design_.tab);
        tabs_->setTabText(controls.output - 1, OutputTitle(controls.output));
    }
    AlignModeGroups(outputs_);
    RefreshTexts();
}

UnpackResult OutputSettingsPage::Unpack(std::span<const quint32> block, ProcessEnd& end) {
    return model_->Unpack(block, end);
}

bool OutputSettingsPage::Pack(std::span<quint32> block) const {
    return model_->Pack(block);
}

void OutputSettingsPage::ApplyFactoryDefaults() {
    model_->ApplyFactoryDefaults();
}

const OutputControls& OutputSettingsPage::Output(int output) const {
    return outputs_.at(static_cast<size_t>(output - 1));
}

void OutputSettingsPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        AlignModeGroups(outputs_);
}

// Every control of one output sends the user's act to the model; when the model
// refuses it, the widget shows the model's value again.
void OutputSettingsPage::ConnectOutput(int output) {
    const OutputControls& controls = outputs_[static_cast<size_t>(output - 1)];
    const auto refresh = [this] { Refresh(); };
    // A click on the entry already selected is no change of mode and keeps the
    // output's other settings; the rule runs only when the entry changes.
    connect(controls.modeButtons, &QButtonGroup::idClicked, this, [this, output](int mode) {
        if (mode != model_->State().Output(output).mode)
            ModeEntryClicked(output, mode);
    });
    for (int e = 0; e < static_cast<int>(controls.events.size()); ++e) {
        connect(controls.events[static_cast<size_t>(e)], &QCheckBox::clicked, this,
                [this, output, e, refresh](bool checked) {
                    if (!model_->SetEventChecked(output, e, checked))
                        refresh();
                });
    }
    for (int n = 1; n <= static_cast<int>(controls.bindings.size()); ++n) {
        connect(controls.bindings[static_cast<size_t>(n - 1)], &QCheckBox::clicked, this,
                [this, output, n, refresh](bool checked) {
                    if (!model_->SetBindingChecked(output, n, checked))
                        refresh();
                });
    }
    const auto lists = controls.Lists();
    for (int l = 0; l < OptionListCount; ++l) {
        connect(lists[static_cast<size_t>(l)], &QComboBox::activated, this,
                [this, output, l, refresh](int index) {
                    if (!model_->SetListIndex(output, static_cast<OptionList>(l), index))
                        refresh();
                });
    }
}

void OutputSettingsPage::Refresh(bool refillLists) {
    for (OutputControls& controls : outputs_)
        ShowOutput(controls, model_->State().Output(controls.output), lookup_, refillLists);
}

} // namespace tunbox
