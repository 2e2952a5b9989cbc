#include "ui/CommandColumn.h"

#include "ui/WidgetLook.h"

#include <QVBoxLayout>

namespace tunbox {
namespace {

QGroupBox* Group(QWidget* parent, QVBoxLayout* column, const char* name) {
    auto* group = Named(new QGroupBox(parent), name);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->setSpacing(4);
    column->addWidget(group);
    return group;
}

QPushButton* Button(QGroupBox* group, const char* name, bool enabled) {
    auto* button = Named(new QPushButton(group), name);
    button->setEnabled(enabled);
    group->layout()->addWidget(button);
    return button;
}

} // namespace

CommandColumn::CommandColumn(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(6);

    portGroup_ = Group(this, column, "GroupBox1");
    portGroup_->setEnabled(false);
    usbPort_ = Named(new QCheckBox(portGroup_), "CheckBox1");
    usbPort_->setChecked(true);
    SetTextColor(usbPort_, WarningRed);
    portGroup_->layout()->addWidget(usbPort_);

    operModeGroup_ = Group(this, column, "OperModeGrB");
    operMode_ = Named(new QComboBox(operModeGroup_), "OperModeCmB");
    operMode_->addItems({QString(), QString()});
    operModeGroup_->layout()->addWidget(operMode_);

    linkGroup_ = Group(this, column, "GroupBox39");
    connect_ = Button(linkGroup_, "ConnectButton", true);
    disconnect_ = Button(linkGroup_, "DisconnectButton", false);

    unitGroup_ = Group(this, column, "GroupBox40");
    write_ = Button(unitGroup_, "WriteButton", false);
    read_ = Button(unitGroup_, "ReadButton", false);

    fileGroup_ = Group(this, column, "GroupBox41");
    save_ = Button(fileGroup_, "SaveButton", false);
    load_ = Button(fileGroup_, "LoadButton", false);

    otherGroup_ = Group(this, column, "GroupBox42");
    defaultSettings_ = Button(otherGroup_, "DefaultSettingsButton", false);
    help_ = Button(otherGroup_, "Help", true);

    column->addStretch();
    RetranslateUi();
}

void CommandColumn::RetranslateUi() {
    const auto caption = [](QWidget* widget, const QString& text, const QString& hint = {}) {
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(text);
        SetCaptionNames(widget, text, hint);
    };
    caption(portGroup_, tr("Порт связи"));
    caption(usbPort_, tr("USB-порт"));
    caption(operModeGroup_, tr("Режим работы:"));
    operMode_->setItemText(DemoItem, tr("демо"));
    operMode_->setItemText(OnLineItem, tr("on-line"));
    operMode_->setAccessibleName(tr("Режим работы"));
    caption(linkGroup_, tr("Связь"));
    caption(connect_, tr("Установить"), tr("Устанавливает связь с прибором"));
    caption(disconnect_, tr("Разорвать"), tr("Разрывает связь с прибором"));
    caption(unitGroup_, tr("Прибор"));
    caption(write_, tr("Записать"), tr("Записывает настройки в прибор"));
    caption(read_, tr("Считать"), tr("Считывает настройки из прибора"));
    caption(fileGroup_, tr("Файл"));
    caption(save_, tr("Сохранить"), tr("Записывает настройки в файл"));
    caption(load_, tr("Загрузить"), tr("Считывает настройки из файла"));
    caption(otherGroup_, tr("Прочее"));
    caption(defaultSettings_, tr("Завод. настройки"), tr("Выставление заводских настроек"));
    caption(help_, tr("Help  "), tr("Вызов справки по программе"));
}

} // namespace tunbox
