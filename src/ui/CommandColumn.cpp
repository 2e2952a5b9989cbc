#include "ui/CommandColumn.h"

#include "ui/widgets/WidgetLook.h"

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

    GroupBox1 = Group(this, column, "GroupBox1");
    GroupBox1->setEnabled(false);
    CheckBox1 = Named(new QCheckBox(GroupBox1), "CheckBox1");
    CheckBox1->setChecked(true);
    SetTextColor(CheckBox1, WarningRed);
    GroupBox1->layout()->addWidget(CheckBox1);

    OperModeGrB = Group(this, column, "OperModeGrB");
    OperModeCmB = Named(new QComboBox(OperModeGrB), "OperModeCmB");
    OperModeCmB->addItems({QString(), QString()});
    OperModeGrB->layout()->addWidget(OperModeCmB);

    GroupBox39 = Group(this, column, "GroupBox39");
    ConnectButton = Button(GroupBox39, "ConnectButton", true);
    DisconnectButton = Button(GroupBox39, "DisconnectButton", false);

    GroupBox40 = Group(this, column, "GroupBox40");
    WriteButton = Button(GroupBox40, "WriteButton", false);
    ReadButton = Button(GroupBox40, "ReadButton", false);

    GroupBox41 = Group(this, column, "GroupBox41");
    SaveButton = Button(GroupBox41, "SaveButton", false);
    LoadButton = Button(GroupBox41, "LoadButton", false);

    GroupBox42 = Group(this, column, "GroupBox42");
    DefaultSettingsButton = Button(GroupBox42, "DefaultSettingsButton", false);
    Help = Button(GroupBox42, "Help", true);

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
    caption(GroupBox1, tr("Порт связи"));
    caption(CheckBox1, tr("USB-порт"));
    caption(OperModeGrB, tr("Режим работы:"));
    OperModeCmB->setItemText(DemoItem, tr("демо"));
    OperModeCmB->setItemText(OnLineItem, tr("on-line"));
    OperModeCmB->setAccessibleName(tr("Режим работы"));
    caption(GroupBox39, tr("Связь"));
    caption(ConnectButton, tr("Установить"), tr("Устанавливает связь с прибором"));
    caption(DisconnectButton, tr("Разорвать"), tr("Разрывает связь с прибором"));
    caption(GroupBox40, tr("Прибор"));
    caption(WriteButton, tr("Записать"), tr("Записывает настройки в прибор"));
    caption(ReadButton, tr("Считать"), tr("Считывает настройки из прибора"));
    caption(GroupBox41, tr("Файл"));
    caption(SaveButton, tr("Сохранить"), tr("Записывает настройки в файл"));
    caption(LoadButton, tr("Загрузить"), tr("Считывает настройки из файла"));
    caption(GroupBox42, tr("Прочее"));
    caption(DefaultSettingsButton, tr("Завод. настройки"), tr("Выставление заводских настроек"));
    caption(Help, tr("Help  "), tr("Вызов справки по программе"));
}

} // namespace tunbox
