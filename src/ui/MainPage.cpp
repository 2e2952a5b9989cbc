#include "ui/MainPage.h"

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

MainPage::MainPage(QWidget* parent) : QWidget(parent) {
    Label_maintabsh_header_rpu = Label(this, "Label_maintabsh_header_rpu");
    Label_maintabsh_header_zelk = Label(this, "Label_maintabsh_header_zelk");
    for (QLabel* header : {Label_maintabsh_header_rpu, Label_maintabsh_header_zelk}) {
        header->setWordWrap(true);
        SetTextColor(header, HeadingBlue);
        MakeBold(header);
    }
    Label_maintabsh_header_zelk->hide();

    SoftUpdateGrB2 = Named(new QGroupBox(this), "SoftUpdateGrB2");
    DevTypeLabel = Label(SoftUpdateGrB2, "DevTypeLabel");
    DevTypeLabel2 = Label(SoftUpdateGrB2, "DevTypeLabel2");
    CurrentSoftVerLabel = Label(SoftUpdateGrB2, "CurrentSoftVerLabel");
    CurrentSoftVerLabel2 = Label(SoftUpdateGrB2, "CurrentSoftVerLabel2");
    auto* unitGrid = new QGridLayout(SoftUpdateGrB2);
    unitGrid->setColumnStretch(1, 1);
    AddLabelPair(unitGrid, 0, DevTypeLabel, DevTypeLabel2);
    AddLabelPair(unitGrid, 1, CurrentSoftVerLabel, CurrentSoftVerLabel2);

    DevOperModeGrB = Named(new QGroupBox(this), "DevOperModeGrB");
    RPU_rb = Named(new QRadioButton(DevOperModeGrB), "RPU_rb");
    RTR_rb = Named(new QRadioButton(DevOperModeGrB), "RTR_rb");
    MRO_rb = Named(new QRadioButton(DevOperModeGrB), "MRO_rb");
    auto* modes = new QVBoxLayout(DevOperModeGrB);
    OperModeButtons = new QButtonGroup(DevOperModeGrB);
    for (QRadioButton* button : {RPU_rb, RTR_rb, MRO_rb}) {
        OperModeButtons->addButton(button, static_cast<int>(OperModeButtons->buttons().size()));
        modes->addWidget(button);
    }

    SoftUpdatesGroupBox = Named(new QGroupBox(this), "SoftUpdatesGroupBox");
    SoftUpdatesListBox = Named(new QListWidget(SoftUpdatesGroupBox), "SoftUpdatesListBox");
    SoftUpdatesListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* filesLayout = new QVBoxLayout(SoftUpdatesGroupBox);
    filesLayout->addWidget(SoftUpdatesListBox);

    WriteSWButton = Named(new QPushButton(this), "WriteSWButton");
    WriteSWButton->setEnabled(false);

    SoftUpdateGrB = Named(new QGroupBox(this), "SoftUpdateGrB");
    NewSoftVerLabel = Label(SoftUpdateGrB, "NewSoftVerLabel");
    NewSoftVerLabel2 = Label(SoftUpdateGrB, "NewSoftVerLabel2");
    SoftFNameLabel = Label(SoftUpdateGrB, "SoftFNameLabel");
    SoftFNameLabel2 = Label(SoftUpdateGrB, "SoftFNameLabel2");
    SoftFTypeLabel = Label(SoftUpdateGrB, "SoftFTypeLabel");
    SoftFTypeLabel2 = Label(SoftUpdateGrB, "SoftFTypeLabel2");
    SoftFDateLabel = Label(SoftUpdateGrB, "SoftFDateLabel");
    SoftFDateLabel2 = Label(SoftUpdateGrB, "SoftFDateLabel2");
    SoftFSizeLabel = Label(SoftUpdateGrB, "SoftFSizeLabel");
    SoftFSizeLabel2 = Label(SoftUpdateGrB, "SoftFSizeLabel2");
    auto* fileGrid = new QGridLayout(SoftUpdateGrB);
    fileGrid->setColumnStretch(1, 1);
    AddLabelPair(fileGrid, 0, NewSoftVerLabel, NewSoftVerLabel2);
    AddLabelPair(fileGrid, 1, SoftFNameLabel, SoftFNameLabel2);
    AddLabelPair(fileGrid, 2, SoftFTypeLabel, SoftFTypeLabel2);
    AddLabelPair(fileGrid, 3, SoftFDateLabel, SoftFDateLabel2);
    AddLabelPair(fileGrid, 4, SoftFSizeLabel, SoftFSizeLabel2);
    SoftUpdateGrB->hide();

    // Working image of the last file or transfer operation; shown only by F5.
    TempListB2 = Named(new QListView(this), "TempListB2");
    TempListB2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line has the same height, so a firmware image of 256 KiB lays out
    // at once instead of line by line.
    TempListB2->setUniformItemSizes(true);
    TempListB2->hide();
    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Memo1->hide();

    // Across the page: the unit, whose type text is long. Below it, on the
    // left: its mode, then the chosen file's details; on the right: the firmware
    // files and the update command, then the debug pair.
    auto* left = new QVBoxLayout;
    left->addWidget(DevOperModeGrB);
    left->addWidget(SoftUpdateGrB);
    left->addStretch();

    auto* debugPair = new QHBoxLayout;
    debugPair->addWidget(TempListB2);
    debugPair->addWidget(Memo1);

    auto* right = new QVBoxLayout;
    right->addWidget(SoftUpdatesGroupBox, 1);
    right->addWidget(WriteSWButton);
    right->addLayout(debugPair, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 5);
    columns->addLayout(right, 4);

    auto* headers = new QGridLayout;
    headers->addWidget(Label_maintabsh_header_rpu, 0, 0);
    headers->addWidget(Label_maintabsh_header_zelk, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addLayout(headers);
    layout->addWidget(SoftUpdateGrB2);
    layout->addLayout(columns, 1);

    RetranslateUi();
}

void MainPage::RetranslateUi() {
    Label_maintabsh_header_rpu->setText(
        tr("Выбор режима работы, обновление или смена ПО подключенного радиоустройства"));
    Label_maintabsh_header_zelk->setText(tr("Обновление ПО подключенного радиоустройства"));
    for (QLabel* header : {Label_maintabsh_header_rpu, Label_maintabsh_header_zelk})
        header->setAccessibleName(header->text());

    SoftUpdateGrB2->setTitle(tr("Сведения о приборе:"));
    SetPairCaption(DevTypeLabel, DevTypeLabel2, tr("Тип подключенного прибора: "));
    SetPairCaption(CurrentSoftVerLabel, CurrentSoftVerLabel2, tr("Текущая версия ПО: "));

    DevOperModeGrB->setTitle(tr("Выберите режим работы прибора: "));
    RPU_rb->setText(tr("Радиоприемное устройство (РПУ)"));
    RTR_rb->setText(tr("Ретранслятор + модуль реле (РТР)"));
    MRO_rb->setText(tr("Модуль реле и оповещения (МРО)"));

    SoftUpdatesGroupBox->setTitle(tr("Выберите файл ПО:"));
    SoftUpdatesListBox->setAccessibleName(tr("Файлы ПО"));
    WriteSWButton->setText(tr("Обновить ПО устройства"));

    SoftUpdateGrB->setTitle(tr("Сведения о файле ПО:"));
    SetPairCaption(NewSoftVerLabel, NewSoftVerLabel2, tr("Версия ПО: "));
    SetPairCaption(SoftFNameLabel, SoftFNameLabel2, tr("Имя файла: "));
    SetPairCaption(SoftFTypeLabel, SoftFTypeLabel2, tr("Тип файла: "));
    SetPairCaption(SoftFDateLabel, SoftFDateLabel2, tr("Дата создания файла: "));
    SetPairCaption(SoftFSizeLabel, SoftFSizeLabel2, tr("Размер файла (байт):"));

    TempListB2->setAccessibleName(tr("Рабочий список"));
    Memo1->setAccessibleName(tr("Отладочный текст"));

    for (QGroupBox* group : {SoftUpdateGrB2, DevOperModeGrB, SoftUpdatesGroupBox, SoftUpdateGrB})
        SetCaptionNames(group, group->title());
    for (QRadioButton* button : {RPU_rb, RTR_rb, MRO_rb})
        SetCaptionNames(button, button->text());
    SetCaptionNames(WriteSWButton, WriteSWButton->text());
}

} // namespace tunbox
