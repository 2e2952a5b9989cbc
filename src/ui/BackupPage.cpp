#include "ui/BackupPage.h"

#include "ui/widgets/WidgetLook.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tunbox {
namespace {

QLabel* Label(QWidget* parent, const char* name) {
    return Named(new QLabel(parent), name);
}

} // namespace

BackupPage::BackupPage(QWidget* parent) : QWidget(parent) {
    Label125 = Label(this, "Label125");
    Label125->setWordWrap(true);
    SetTextColor(Label125, HeadingBlue);
    MakeBold(Label125);

    RegistBackupGrB = Named(new QGroupBox(this), "RegistBackupGrB");
    Dev2TypeLabel = Label(RegistBackupGrB, "Dev2TypeLabel");
    Dev2TypeLabel2 = Label(RegistBackupGrB, "Dev2TypeLabel2");
    auto* unitGrid = new QGridLayout(RegistBackupGrB);
    unitGrid->setColumnStretch(1, 1);
    AddLabelPair(unitGrid, 0, Dev2TypeLabel, Dev2TypeLabel2);

    RegistBackupModeGrB = Named(new QGroupBox(this), "RegistBackupModeGrB");
    RegBackupCreateButton = Named(new QPushButton(RegistBackupModeGrB), "RegBackupCreateButton");
    RegBackupRestoreButton = Named(new QPushButton(RegistBackupModeGrB), "RegBackupRestoreButton");
    RegBackupDeleteButton = Named(new QPushButton(RegistBackupModeGrB), "RegBackupDeleteButton");
    RegBackupCreateButton->setEnabled(false);
    RegBackupRestoreButton->setEnabled(false);
    auto* actions = new QHBoxLayout(RegistBackupModeGrB);
    for (QPushButton* button :
         {RegBackupCreateButton, RegBackupRestoreButton, RegBackupDeleteButton}) {
        button->setMinimumWidth(120);
        actions->addWidget(button);
    }
    actions->addStretch();

    RegistBackupParamsGrB = Named(new QGroupBox(this), "RegistBackupParamsGrB");
    RPU_RTRRadioGr = Named(new RadioGroup(RegistBackupParamsGrB), "RPU_RTRRadioGr");
    RPU_RTRRadioGr->SetItems({QString(), QString()});
    RPU_RTRRadioGr->setEnabled(false);
    ObjNumLabel = Label(RegistBackupParamsGrB, "ObjNumLabel");
    ObjNumEdit = Named(new QLineEdit(RegistBackupParamsGrB), "ObjNumEdit");
    ObjNumEdit->setEnabled(false);
    ModuleNumLabel = Label(RegistBackupParamsGrB, "ModuleNumLabel");
    ModuleNumCmB = Named(new QComboBox(RegistBackupParamsGrB), "ModuleNumCmB");
    ModuleNumCmB->setEditable(true);
    ModuleNumCmB->setMaxVisibleItems(10);
    ModuleNumCmB->setInsertPolicy(QComboBox::NoInsert);
    ModuleNumCmB->setEnabled(false);
    RegFNameLabel = Label(RegistBackupParamsGrB, "RegFNameLabel");
    RegFNameLabel2 = Label(RegistBackupParamsGrB, "RegFNameLabel2");
    ConfCodeLabel = Label(RegistBackupParamsGrB, "ConfCodeLabel");
    ConfCodeLabel2 = Label(RegistBackupParamsGrB, "ConfCodeLabel2");

    auto* params = new QGridLayout(RegistBackupParamsGrB);
    params->setColumnStretch(2, 1);
    params->addWidget(RPU_RTRRadioGr, 0, 0, 1, 2);
    params->addWidget(ObjNumLabel, 1, 0);
    params->addWidget(ObjNumEdit, 1, 1);
    params->addWidget(ModuleNumLabel, 2, 0);
    params->addWidget(ModuleNumCmB, 2, 1);
    auto* names = new QGridLayout;
    names->setColumnStretch(1, 1);
    AddLabelPair(names, 0, RegFNameLabel, RegFNameLabel2);
    AddLabelPair(names, 1, ConfCodeLabel, ConfCodeLabel2);
    params->addLayout(names, 3, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(Label125);
    layout->addWidget(RegistBackupGrB);
    layout->addWidget(RegistBackupModeGrB);
    layout->addWidget(RegistBackupParamsGrB);
    layout->addStretch();

    RetranslateUi();
}

void BackupPage::RetranslateUi() {
    Label125->setText(
        tr("Создание файла, восстановление из файла или удаление файла резервной копии памяти "
           "регистрации"));
    Label125->setAccessibleName(Label125->text());
    RegistBackupGrB->setTitle(tr("Сведения о приборе:"));
    SetPairCaption(Dev2TypeLabel, Dev2TypeLabel2, tr("Тип подключенного прибора: "));
    RegistBackupModeGrB->setTitle(tr("Действия с резервной копией:"));
    RegBackupCreateButton->setText(tr("Создать"));
    RegBackupRestoreButton->setText(tr("Восстановить"));
    RegBackupDeleteButton->setText(tr("Удалить"));
    RegistBackupParamsGrB->setTitle(tr("Параметры:"));
    RPU_RTRRadioGr->setTitle(tr("Режим работы в системе:"));
    RPU_RTRRadioGr->SetItemTexts({tr("РПУ"), tr("РТР")});
    ObjNumLabel->setText(tr("Номер объекта(системы): "));
    ObjNumEdit->setAccessibleName(AccessibleFromCaption(ObjNumLabel->text()));
    ModuleNumLabel->setText(tr("Адрес прибора в системе:"));
    ModuleNumCmB->setAccessibleName(AccessibleFromCaption(ModuleNumLabel->text()));
    SetPairCaption(RegFNameLabel, RegFNameLabel2, tr("Имя файла резервной копии:"));
    SetPairCaption(ConfCodeLabel, ConfCodeLabel2, tr("Код конфигурации:"));

    for (QGroupBox* group : {RegistBackupGrB, RegistBackupModeGrB, RegistBackupParamsGrB,
                             static_cast<QGroupBox*>(RPU_RTRRadioGr)})
        SetCaptionNames(group, group->title());
    for (QPushButton* button :
         {RegBackupCreateButton, RegBackupRestoreButton, RegBackupDeleteButton})
        SetCaptionNames(button, button->text());
    for (QLabel* label : {ObjNumLabel, ModuleNumLabel})
        SetCaptionNames(label, label->text());
}

} // namespace tunbox
