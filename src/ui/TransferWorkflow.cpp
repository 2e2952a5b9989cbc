#include "ui/TransferWorkflow.h"

#include "app/MessageTable.h"
#include "files/BackupFile.h"
#include "files/FileMessages.h"
#include "link/BlockTransfer.h"
#include "model/SettingsLayout.h"
#include "model/WorkingImage.h"
#include "ui/BackupPage.h"
#include "ui/CommandColumn.h"
#include "ui/ExchangeRunner.h"
#include "ui/MainWindow.h"
#include "ui/PageControl.h"
#include "ui/Reports.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"

#include <optional>
#include <type_traits>
#include <vector>

// The working arrays of the window and of the link are one type, so blocks move
// between them without copies.
static_assert(std::is_same_v<quint32, std::uint32_t>);

namespace tunbox {
namespace {

constexpr std::size_t RegistrationLength = RegistrationBlockCount * BlockLength;
static_assert(RegistrationLength == std::size_t{RegistrationImageLength});

int ReadFailureMessage(BlockResult result) {
    switch (result) {
    case BlockResult::CommandFailed:
        return 10054;
    case BlockResult::StreamReadFailed:
        return 10084;
    case BlockResult::BadMark:
        return 10056;
    case BlockResult::BadCrc:
        return 10058;
    case BlockResult::Ok:
        break;
    }
    return 0;
}

int WriteFailureMessage(BlockResult result) {
    switch (result) {
    case BlockResult::CommandFailed:
        return 10050;
    case BlockResult::AnswerFailed:
        return 10084;
    case BlockResult::Rejected:
        return 10053;
    case BlockResult::StreamWriteFailed:
        return 10085;
    case BlockResult::Ok:
        break;
    }
    return 0;
}

BlockResult Read(MainWindow& window, std::uint8_t count, std::uint8_t address,
                 std::vector<std::uint32_t>& values) {
    return window.Exchanges().Run([&](Transport& transport, LinkHost& host) {
        return ReadBlocks(transport, host, count, address, values);
    });
}

BlockResult Write(MainWindow& window, std::uint8_t count, std::uint8_t address,
                  const std::vector<std::uint32_t>& values) {
    return window.Exchanges().Run([&](Transport& transport, LinkHost& host) {
        return WriteBlocks(transport, host, count, address, values);
    });
}

} // namespace

TransferWorkflow::TransferWorkflow(MainWindow& window) : window_(window) {
    CommandColumn* commands = window.Commands();
    QObject::connect(commands->ReadButton, &QPushButton::clicked, &window,
                     [this] { ReadButtonClick(); });
    QObject::connect(commands->WriteButton, &QPushButton::clicked, &window,
                     [this] { WriteButtonClick(); });
}

void TransferWorkflow::ReadButtonClick() {
    if (window_.MainPageC->ActivePage() == window_.RegistBackupTabSh)
        ReadRegistration();
    // Asked again: a failed read above has returned to the main page.
    if (SettingsPageActive())
        ReadSettings();
}

void TransferWorkflow::WriteButtonClick() {
    if (window_.MainPageC->ActivePage() == window_.RegistBackupTabSh)
        WriteRegistration();
    if (SettingsPageActive())
        WriteSettings();
}

bool TransferWorkflow::SettingsPageActive() const {
    QWidget* active = window_.MainPageC->ActivePage();
    return active == window_.ReleSettingsTabSh || active == window_.ReleSettingsTabRPU;
}

void TransferWorkflow::ReadRegistration() {
    std::vector<quint32> values(RegistrationLength, 0);
    const BlockResult result =
        Read(window_, RegistrationBlockCount, RegistrationBlockAddress, values);
    if (result != BlockResult::Ok) {
        // The image and the page keep what they showed; the progress bar too.
        ReportError(window_, ReadFailureMessage(result));
        window_.Work().connection.ResetToDisconnected();
        return;
    }
    const quint32 code = values.back();
    window_.Image().Refill(std::move(values));
    window_.RegistBackupTabSh->ConfCodeLabel2->setText(QString::number(code));
    window_.SetProgress(0);
    ReportNotice(window_, 10049);
    window_.Commands()->SaveButton->setEnabled(true);
}

void TransferWorkflow::ReadSettings() {
    std::vector<quint32> values(SettingsBlockLength, 0);
    const BlockResult result = Read(window_, SettingsBlockCount, SettingsBlockAddress, values);
    if (result != BlockResult::Ok) {
        ReportError(window_, ReadFailureMessage(result));
        window_.Work().connection.ResetToDisconnected();
        return;
    }
    // Only the active page takes its bytes; the other keeps what it showed.
    if (window_.MainPageC->ActivePage() == window_.ReleSettingsTabSh)
        window_.ReleSettingsTabSh->UnpackReleImage(values, window_.BadDataEnd());
    else
        window_.ReleSettingsTabRPU->UnpackRpuImage(values, window_.BadDataEnd());
    window_.SetProgress(0);
    window_.SetStatusText(Msg(10038));
    window_.Commands()->SaveButton->setEnabled(true);
}

void TransferWorkflow::WriteRegistration() {
    // Nothing goes to the unit from a working image that is no registration image:
    // too short, or a value that is no byte (its low byte would corrupt the memory).
    const std::optional<std::vector<quint32>> values =
        RegistrationImageFromValues(window_.Image().Values());
    if (!values) {
        ReportError(window_, BackupImageErrorId);
        return;
    }
    const BlockResult result =
        Write(window_, RegistrationBlockCount, RegistrationBlockAddress, *values);
    window_.SetProgress(0);
    if (result == BlockResult::Ok) {
        ReportNotice(window_, 10046);
        return;
    }
    ReportError(window_, WriteFailureMessage(result));
    window_.Work().connection.ResetToDisconnected();
}

void TransferWorkflow::WriteSettings() {
    window_.SetStatusText(Msg(10047));
    // Both pages go into one block, whichever is active.
    std::vector<quint32> block(SettingsBlockLength, 0);
    window_.ReleSettingsTabSh->PackReleImage(block);
    window_.ReleSettingsTabRPU->PackRpuImage(block);
    const BlockResult result = Write(window_, SettingsBlockCount, SettingsBlockAddress, block);
    window_.SetProgress(0);
    if (result == BlockResult::Ok) {
        ReportNotice(window_, 10048);
        return;
    }
    ReportError(window_, WriteFailureMessage(result));
    window_.Work().connection.ResetToDisconnected();
}

} // namespace tunbox
