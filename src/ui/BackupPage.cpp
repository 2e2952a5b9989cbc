#include "ui/BackupPage.h"

#include "ui/WidgetLook.h"

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
    header_ = Label(this, "Label125");
    header_->setWordWrap(true);
    SetTextColor(header_, HeadingBlue);
    MakeBold(header_);

    unitGroup_ = Named(new QGroupBox(this), "RegistBackupGrB");
    devType_ = Label(unitGroup_, "Dev2TypeLabel");
    devTypeValue_ = Label(unitGroup_, "Dev2TypeLabel2");
    auto* unitGrid = new QGridLayout(unitGroup_);
    unitGrid->setColumnStretch(1, 1);
    AddLabelPair(unitGrid, 0, devType_, devTypeValue_);

    actionsGroup_ = Named(new QGroupBox(this), "RegistBackupModeGrB");
    create_ = Named(new QPushButton(actionsGroup_), "RegBackupCreateButton");
    restore_ = Named(new QPushButton(actionsGroup_), "RegBackupRestoreButton");
    delete_ = Named(new QPushButton(actionsGroup_), "RegBackupDeleteButton");
    create_->setEnabled(false);
    restore_->setEnabled(false);
    auto* actions = new QHBoxLayout(actionsGroup_);
    for (QPushButton* button : {create_, restore_, delete_}) {
        button->setMinimumWidth(120);
        actions->addWidget(button);
    }
    actions->addStretch();

    paramsGroup_ = Named(new QGroupBox(this), "RegistBackupParamsGrB");
    systemMode_ = Named(new RadioGroup(paramsGroup_), "RPU_RTRRadioGr");
    systemMode_->SetItems({QString(), QString()});
    systemMode_->setEnabled(false);
    objectLabel_ = Label(paramsGroup_, "ObjNumLabel");
    objectNumber_ = Named(new QLineEdit(paramsGroup_), "ObjNumEdit");
    objectNumber_->setEnabled(false);
    moduleLabel_ = Label(paramsGroup_, "ModuleNumLabel");
    moduleNumber_ = Named(new QComboBox(paramsGroup_), "ModuleNumCmB");
    moduleNumber_->setEditable(true);
    moduleNumber_->setMaxVisibleItems(10);
    moduleNumber_->setInsertPolicy(QComboBox::NoInsert);
    moduleNumber_->setEnabled(false);
    fileName_ = Label(paramsGroup_, "RegFNameLabel");
    fileNameValue_ = Label(paramsGroup_, "RegFNameLabel2");
    confCode_ = Label(paramsGroup_, "ConfCodeLabel");
    confCodeValue_ = Label(paramsGroup_, "ConfCodeLabel2");

    auto* params = new QGridLayout(paramsGroup_);
    params->setColumnStretch(2, 1);
    params->addWidget(systemMode_, 0, 0, 1, 2);
    params->addWidget(objectLabel_, 1, 0);
    params->addWidget(objectNumber_, 1, 1);
    params->addWidget(moduleLabel_, 2, 0);
    params->addWidget(moduleNumber_, 2, 1);
    auto* names = new QGridLayout;
    names->setColumnStretch(1, 1);
    AddLabelPair(names, 0, fileName_, fileNameValue_);
    AddLabelPair(names, 1, confCode_, confCodeValue_);
    params->addLayout(names, 3, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(header_);
    layout->addWidget(unitGroup_);
    layout->addWidget(actionsGroup_);
    layout->addWidget(paramsGroup_);
    layout->addStretch();

    RetranslateUi();
}

void BackupPage::RetranslateUi() {
    header_->setText(
        tr("Создание файла, восстановление из файла или удаление файла резервной копии памяти "
           "регистрации"));
    header_->setAccessibleName(header_->text());
    unitGroup_->setTitle(tr("Сведения о приборе:"));
    SetPairCaption(devType_, devTypeValue_, tr("Тип подключенного прибора: "));
    actionsGroup_->setTitle(tr("Действия с резервной копией:"));
    create_->setText(tr("Создать"));
    restore_->setText(tr("Восстановить"));
    delete_->setText(tr("Удалить"));
    paramsGroup_->setTitle(tr("Параметры:"));
    systemMode_->setTitle(tr("Режим работы в системе:"));
    systemMode_->SetItemTexts({tr("РПУ"), tr("РТР")});
    objectLabel_->setText(tr("Номер объекта(системы): "));
    objectNumber_->setAccessibleName(AccessibleFromCaption(objectLabel_->text()));
    moduleLabel_->setText(tr("Адрес прибора в системе:"));
    moduleNumber_->setAccessibleName(AccessibleFromCaption(moduleLabel_->text()));
    SetPairCaption(fileName_, fileNameValue_, tr("Имя файла резервной копии:"));
    SetPairCaption(confCode_, confCodeValue_, tr("Код конфигурации:"));

    for (QGroupBox* group :
         {unitGroup_, actionsGroup_, paramsGroup_, static_cast<QGroupBox*>(systemMode_)})
        SetCaptionNames(group, group->title());
    for (QPushButton* button : {create_, restore_, delete_})
        SetCaptionNames(button, button->text());
    for (QLabel* label : {objectLabel_, moduleLabel_})
        SetCaptionNames(label, label->text());
}

} // namespace tunbox
