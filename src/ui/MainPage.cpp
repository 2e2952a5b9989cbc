#include "ui/MainPage.h"

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

MainPage::MainPage(QWidget* parent) : QWidget(parent) {
    headerRpu_ = Label(this, "Label_maintabsh_header_rpu");
    headerZelk_ = Label(this, "Label_maintabsh_header_zelk");
    for (QLabel* header : {headerRpu_, headerZelk_}) {
        header->setWordWrap(true);
        SetTextColor(header, HeadingBlue);
        MakeBold(header);
    }
    headerZelk_->hide();

    unitGroup_ = Named(new QGroupBox(this), "SoftUpdateGrB2");
    devType_ = Label(unitGroup_, "DevTypeLabel");
    devTypeValue_ = Label(unitGroup_, "DevTypeLabel2");
    softVersion_ = Label(unitGroup_, "CurrentSoftVerLabel");
    softVersionValue_ = Label(unitGroup_, "CurrentSoftVerLabel2");
    auto* unitGrid = new QGridLayout(unitGroup_);
    unitGrid->setColumnStretch(1, 1);
    AddLabelPair(unitGrid, 0, devType_, devTypeValue_);
    AddLabelPair(unitGrid, 1, softVersion_, softVersionValue_);

    operModeGroup_ = Named(new QGroupBox(this), "DevOperModeGrB");
    rpu_ = Named(new QRadioButton(operModeGroup_), "RPU_rb");
    rtr_ = Named(new QRadioButton(operModeGroup_), "RTR_rb");
    mro_ = Named(new QRadioButton(operModeGroup_), "MRO_rb");
    auto* modes = new QVBoxLayout(operModeGroup_);
    for (QRadioButton* button : {rpu_, rtr_, mro_})
        modes->addWidget(button);

    filesGroup_ = Named(new QGroupBox(this), "SoftUpdatesGroupBox");
    files_ = Named(new QListWidget(filesGroup_), "SoftUpdatesListBox");
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* filesLayout = new QVBoxLayout(filesGroup_);
    filesLayout->addWidget(files_);

    writeFirmware_ = Named(new QPushButton(this), "WriteSWButton");
    writeFirmware_->setEnabled(false);

    fileGroup_ = Named(new QGroupBox(this), "SoftUpdateGrB");
    newVersion_ = Label(fileGroup_, "NewSoftVerLabel");
    newVersionValue_ = Label(fileGroup_, "NewSoftVerLabel2");
    fileName_ = Label(fileGroup_, "SoftFNameLabel");
    fileNameValue_ = Label(fileGroup_, "SoftFNameLabel2");
    fileType_ = Label(fileGroup_, "SoftFTypeLabel");
    fileTypeValue_ = Label(fileGroup_, "SoftFTypeLabel2");
    fileDate_ = Label(fileGroup_, "SoftFDateLabel");
    fileDateValue_ = Label(fileGroup_, "SoftFDateLabel2");
    fileSize_ = Label(fileGroup_, "SoftFSizeLabel");
    fileSizeValue_ = Label(fileGroup_, "SoftFSizeLabel2");
    auto* fileGrid = new QGridLayout(fileGroup_);
    fileGrid->setColumnStretch(1, 1);
    AddLabelPair(fileGrid, 0, newVersion_, newVersionValue_);
    AddLabelPair(fileGrid, 1, fileName_, fileNameValue_);
    AddLabelPair(fileGrid, 2, fileType_, fileTypeValue_);
    AddLabelPair(fileGrid, 3, fileDate_, fileDateValue_);
    AddLabelPair(fileGrid, 4, fileSize_, fileSizeValue_);
    fileGroup_->hide();

    // Working image of the last file or transfer operation; shown only by F5.
    workingList_ = Named(new QListWidget(this), "TempListB2");
    workingList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    workingList_->hide();
    memo_ = Named(new QPlainTextEdit(this), "Memo1");
    memo_->setPlainText(QStringLiteral("Memo1"));
    memo_->hide();

    // Left: the unit and its mode, then the chosen file's details.
    // Right: the firmware files and the update command, then the debug pair.
    auto* left = new QVBoxLayout;
    left->addWidget(unitGroup_);
    left->addWidget(operModeGroup_);
    left->addWidget(fileGroup_);
    left->addStretch();

    auto* debugPair = new QHBoxLayout;
    debugPair->addWidget(workingList_);
    debugPair->addWidget(memo_);

    auto* right = new QVBoxLayout;
    right->addWidget(filesGroup_, 1);
    right->addWidget(writeFirmware_);
    right->addLayout(debugPair, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 5);
    columns->addLayout(right, 4);

    auto* headers = new QGridLayout;
    headers->addWidget(headerRpu_, 0, 0);
    headers->addWidget(headerZelk_, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addLayout(headers);
    layout->addLayout(columns, 1);

    RetranslateUi();
}

void MainPage::RetranslateUi() {
    headerRpu_->setText(
        tr("Выбор режима работы, обновление или смена ПО подключенного радиоустройства"));
    headerZelk_->setText(tr("Обновление ПО подключенного радиоустройства"));
    for (QLabel* header : {headerRpu_, headerZelk_})
        header->setAccessibleName(header->text());

    unitGroup_->setTitle(tr("Сведения о приборе:"));
    SetPairCaption(devType_, devTypeValue_, tr("Тип подключенного прибора: "));
    SetPairCaption(softVersion_, softVersionValue_, tr("Текущая версия ПО: "));

    operModeGroup_->setTitle(tr("Выберите режим работы прибора: "));
    rpu_->setText(tr("Радиоприемное устройство (РПУ)"));
    rtr_->setText(tr("Ретранслятор + модуль реле (РТР)"));
    mro_->setText(tr("Модуль реле и оповещения (МРО)"));

    filesGroup_->setTitle(tr("Выберите файл ПО:"));
    files_->setAccessibleName(tr("Файлы ПО"));
    writeFirmware_->setText(tr("Обновить ПО устройства"));

    fileGroup_->setTitle(tr("Сведения о файле ПО:"));
    SetPairCaption(newVersion_, newVersionValue_, tr("Версия ПО: "));
    SetPairCaption(fileName_, fileNameValue_, tr("Имя файла: "));
    SetPairCaption(fileType_, fileTypeValue_, tr("Тип файла: "));
    SetPairCaption(fileDate_, fileDateValue_, tr("Дата создания файла: "));
    SetPairCaption(fileSize_, fileSizeValue_, tr("Размер файла (байт):"));

    workingList_->setAccessibleName(tr("Рабочий список"));
    memo_->setAccessibleName(tr("Отладочный текст"));

    for (QGroupBox* group : {unitGroup_, operModeGroup_, filesGroup_, fileGroup_})
        SetCaptionNames(group, group->title());
    for (QRadioButton* button : {rpu_, rtr_, mro_})
        SetCaptionNames(button, button->text());
    SetCaptionNames(writeFirmware_, writeFirmware_->text());
}

} // namespace tunbox
