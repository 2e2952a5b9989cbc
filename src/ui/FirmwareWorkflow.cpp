#include "ui/FirmwareWorkflow.h"

#include "app/MessageTable.h"
#include "files/FileMessages.h"
#include "files/FirmwareCatalogue.h"
#include "files/FirmwareFile.h"
#include "link/FirmwareUpload.h"
#include "model/WorkingImage.h"
#include "ui/CommandColumn.h"
#include "ui/Dialogs.h"
#include "ui/ExchangeRunner.h"
#include "ui/MainPage.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/widgets/WidgetLook.h"

#include <QDir>
#include <QLocale>

namespace tunbox {
namespace {

ModeButtons ModeButtonsOf(const MainPage& page) {
    return {page.RPU_rb->isChecked(), page.RTR_rb->isChecked(), page.MRO_rb->isChecked()};
}

int UploadFailureMessage(UploadResult result) {
    switch (result) {
    case UploadResult::WriteFailed:
        return 10085;
    case UploadResult::Rejected:
        return 10024;
    case UploadResult::AnswerFailed:
        return 10084;
    case UploadResult::Ok:
        break;
    }
    return 0;
}

} // namespace

FirmwareWorkflow::FirmwareWorkflow(MainWindow& window) : window_(window) {
    MainPage* page = window.MainTabSh;
    QObject::connect(page->SoftUpdatesListBox, &QListWidget::itemClicked, &window,
                     [this] { SoftUpdatesListBoxClick(); });
    QObject::connect(page->WriteSWButton, &QPushButton::clicked, &window,
                     [this] { WriteSWButtonClick(); });
}

QString FirmwareWorkflow::PathOf(const QString& fileName) const {
    return FirmwareFolder(window_.Fields().ProgramDir) + QLatin1Char('/') + fileName;
}

bool FirmwareWorkflow::ScanFirmwareFolder(bool report) {
    MainPage* page = window_.MainTabSh;
    WindowFields& fields = window_.Fields();
    const FirmwareFamily family = FirmwareFamilyFor(ModeButtonsOf(*page));
    if (family != FirmwareFamily::None)
        fields.CatalogueMode = static_cast<int>(family);
    const FirmwareScan scan =
        tunbox::ScanFirmwareFolder(FirmwareFolder(fields.ProgramDir), family,
                                   fields.Unit.DeviceMode, fields.Unit.DeviceVersion);
    page->SoftUpdatesListBox->clear();
    page->SoftUpdatesListBox->addItems(scan.entries);
    page->WriteSWButton->setEnabled(false);
    switch (scan.result) {
    case FirmwareScanResult::UpdateOffered:
        fields.NewFirmwareFile = scan.candidate;
        return true;
    case FirmwareScanResult::VersionUnreadable:
        // The candidate's name gives no version to compare: nothing is offered.
        if (report)
            ShowErrorBox(window_, FormatMessage(Msg(FirmwareVersionErrorId), {scan.candidate}));
        return false;
    case FirmwareScanResult::NoUpdate:
        break;
    }
    return false;
}

bool FirmwareWorkflow::ReadFirmwareFile(const QString& path) {
    MainPage* page = window_.MainTabSh;
    window_.SetStatusText(Msg(10016));
    const FirmwareFamily family = FirmwareFamilyFor(ModeButtonsOf(*page));
    // Off the window's thread, as every longer piece of work, so a large file
    // never stops the window repainting.
    FirmwareRead read = window_.Exchanges().Run(
        [&](Transport&, LinkHost&) { return tunbox::ReadFirmwareFile(path, family); });

    switch (read.result) {
    case FirmwareReadResult::Unreadable: {
        const QString text = FileErrorText([](int id) { return Msg(id); },
                                           QDir::toNativeSeparators(path), read.file);
        window_.SetStatusText(text);
        ShowErrorBox(window_, text);
        return false;
    }
    case FirmwareReadResult::BadFormat:
        window_.SetStatusText(Msg(FirmwareBadFormatId));
        ShowSystemBox(window_, Msg(FirmwareBadFormatId), MessageIcon::Error);
        return false;
    case FirmwareReadResult::WrongType:
    case FirmwareReadResult::Ok:
        break;
    }

    const FirmwareDetails& details = read.details;
    page->SoftFNameLabel2->setText(details.fileName);
    page->SoftFSizeLabel2->setText(QString::number(details.FirmwareSize));
    page->SoftFDateLabel2->setText(
        QLocale().toString(details.modified.date(), QLocale::ShortFormat));
    if (read.result == FirmwareReadResult::WrongType) {
        ShowSystemBox(window_, Msg(FirmwareWrongTypeId), MessageIcon::Error);
        window_.SetStatusText(Msg(FirmwareWrongTypeId));
        return false;
    }
    page->SoftFTypeLabel2->setText(details.typeTextId ? Msg(details.typeTextId) : QString());
    page->NewSoftVerLabel2->setText(details.versionText);

    window_.Fields().FirmwareSize = details.FirmwareSize;
    window_.Image().Refill(std::vector<quint32>(read.image.begin(), read.image.end()));
    window_.SetStatusText(Msg(10021));
    return true;
}

void FirmwareWorkflow::SoftUpdatesListBoxClick() {
    MainPage* page = window_.MainTabSh;
    window_.UserDialogs().SetHourglass(true);
    page->WriteSWButton->setEnabled(false);
    SetChoiceEnabled(false);
    QListWidget* list = page->SoftUpdatesListBox;
    const int index = list->currentRow();
    if (index >= 0 && index < list->count()) {
        if (ReadFirmwareFile(PathOf(list->item(index)->text()))) {
            page->WriteSWButton->setEnabled(true);
            page->SoftUpdateGrB->show();
        } else {
            page->SoftUpdateGrB->hide();
        }
    }
    window_.UserDialogs().SetHourglass(false);
    SetChoiceEnabled(true);
}

void FirmwareWorkflow::WriteSWButtonClick() {
    window_.MainTabSh->WriteSWButton->setEnabled(false);
    window_.Commands()->DisconnectButton->setEnabled(false);
    SetChoiceEnabled(false);
    WriteFirmwareFile();
}

void FirmwareWorkflow::WriteFirmwareFile() {
    window_.UserDialogs().SetHourglass(true);
    if (!UploadWorkingImage())
        return;
    window_.MainPageC->setEnabled(true);
    // The unit runs the new firmware now: identify it anew.
    window_.Work().connection.DisconnectButtonClick();
    window_.Work().connection.ConnectButtonClick();
}

bool FirmwareWorkflow::UpdateOffered() {
    MainPage* page = window_.MainTabSh;
    CommandColumn* commands = window_.Commands();
    window_.Image().Clear();
    commands->DisconnectButton->setEnabled(false);
    SetChoiceEnabled(false);
    window_.UserDialogs().SetHourglass(true);

    if (!ReadFirmwareFile(PathOf(window_.Fields().NewFirmwareFile))) {
        // The page is usable again at once: the list, the mode buttons and
        // "Разорвать" come back with the page control.
        SetChoiceEnabled(true);
        commands->DisconnectButton->setEnabled(true);
        window_.UserDialogs().SetHourglass(false);
        return true;
    }

    page->SoftUpdateGrB->show();
    if (!UploadWorkingImage())
        return false;
    window_.Work().connection.DisconnectButtonClick();
    window_.Work().connection.ConnectButtonClick();
    window_.MainPageC->setEnabled(true);
    return true;
}

bool FirmwareWorkflow::UploadWorkingImage() {
    const std::vector<quint32> image = window_.Image().Values();
    const std::size_t size = window_.Fields().FirmwareSize;
    const UploadResult result = window_.Exchanges().Run([&](Transport& transport, LinkHost& host) {
        return UploadFirmware(transport, host, image, size);
    });
    window_.UserDialogs().SetHourglass(false);
    if (result == UploadResult::Ok) {
        ReportNotice(window_, 10023);
        window_.SetProgress(0);
        return true;
    }
    window_.SetProgress(0);
    ReportError(window_, UploadFailureMessage(result));
    // What the upload disabled comes back, so the next Connect finds the page
    // control usable.
    SetChoiceEnabled(true);
    window_.Work().connection.ResetToDisconnected();
    return false;
}

void FirmwareWorkflow::SetChoiceEnabled(bool enabled) {
    MainPage* page = window_.MainTabSh;
    SetEnabled({page->SoftUpdatesListBox, page->DevOperModeGrB, page->RPU_rb, page->RTR_rb,
                page->MRO_rb, window_.MainPageC},
               enabled);
}

} // namespace tunbox
