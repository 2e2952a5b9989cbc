#include "ui/MainWindow.h"

#include "app/MessageTable.h"
#include "link/Transport.h"
#include "model/MessageText.h"
#include "model/WorkingImage.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/Dialogs.h"
#include "ui/ExchangeRunner.h"
#include "ui/ExitOnBadData.h"
#include "ui/LogoPicture.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/WelcomeArea.h"
#include "ui/Workflows.h"
#include "ui/settings/SettingsPages.h"
#include "ui/widgets/WidgetLook.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

namespace tunbox {
namespace {

// Areas of the client area, in pixels.
const QRect PageArea(0, 0, 658, 544);
const QRect CommandArea(658, 0, 136, 508);
const QRect LanguageArea(664, 511, 124, 28);
const QRect StatusArea(0, 544, MainWindow::ClientWidth, MainWindow::ClientHeight - 544);

} // namespace

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QWidget(parent), transport_(services.transport), dialogs_(services.dialogs),
      badDataEnd_(std::make_unique<ExitOnBadData>(services.dialogs, services.transport)) {
    exchanges_ = std::make_unique<ExchangeRunner>(
        services.transport, services.dialogs,
        ExchangeRunner::Display{
            [this](int percent) { SetProgress(percent); },
            [this](int id, int percent) { SetStatusText(FormatMessage(Msg(id), {percent})); }},
        services.pause);
    image_ = new WorkingImage(this);
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowIcon(DrawLogoPicture(QSize(64, 64)));
    // Clicking the window's background takes the focus from its controls.
    setFocusPolicy(Qt::ClickFocus);
    // Children take their font from here, so it is set before any is made.
    setFont(WindowFont());
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    BuildAreas();
    RetranslateWindow();
    Construct(services);
}

MainWindow::~MainWindow() = default;

void MainWindow::KeepAlive(std::shared_ptr<void> owned) {
    keptAlive_ = std::move(owned);
}

void MainWindow::BuildAreas() {
    // The welcome area lies under the page control, which covers it when shown.
    welcome_ = new WelcomeArea(this);
    welcome_->setGeometry(PageArea);

    MainPageC = new PageControl(this);
    MainPageC->setObjectName(QStringLiteral("MainPageC"));
    MainPageC->setGeometry(PageArea);
    MainTabSh = new MainPage(MainPageC);
    MainTabSh->setObjectName(QStringLiteral("MainTabSh"));
    MainTabSh->TempListB2->setModel(image_);
    RegistBackupTabSh = new BackupPage(MainPageC);
    RegistBackupTabSh->setObjectName(QStringLiteral("RegistBackupTabSh"));
    ReleSettingsTabSh = new ReleSettingsPage(MainPageC);
    ReleSettingsTabSh->setObjectName(QStringLiteral("ReleSettingsTabSh"));
    ReleSettingsTabSh->SetContextSource([this] {
        return UnitContext{fields_.DemoMode, fields_.Unit.DeviceMode,
                           MainTabSh->RTR_rb->isChecked()};
    });
    ReleSettingsTabRPU = new RpuSettingsPage(MainPageC);
    ReleSettingsTabRPU->setObjectName(QStringLiteral("ReleSettingsTabRPU"));
    for (QWidget* page :
         {static_cast<QWidget*>(MainTabSh), static_cast<QWidget*>(RegistBackupTabSh),
          static_cast<QWidget*>(ReleSettingsTabSh), static_cast<QWidget*>(ReleSettingsTabRPU)})
        MainPageC->addTab(page, QString());

    commands_ = new CommandColumn(this);
    commands_->setGeometry(CommandArea);

    bottom_ = std::make_unique<BottomStrip>(this, StatusArea, LanguageArea);
    workflows_ = std::make_unique<Workflows>(*this);
}

void MainWindow::RetranslateUi() {
    welcome_->RetranslateUi();
    commands_->RetranslateUi();
    MainTabSh->RetranslateUi();
    RegistBackupTabSh->RetranslateUi();
    bottom_->RetranslateUi();
    RetranslateWindow();
}

void MainWindow::RetranslateWindow() {
    setWindowTitle(tr("Программа для настройки РПУ Зорен-КЛ-Т"));
    setAccessibleName(windowTitle());
    const QString captions[] = {tr("Главная"), tr("Резервная копия"), tr("Режимы реле и выхода ОК"),
                                tr("Режимы реле и выхода ОК (РПУ в автономном режиме)")};
    for (int index = 0; index < MainPageC->count(); ++index) {
        MainPageC->setTabText(index, captions[index]);
        MainPageC->widget(index)->setAccessibleName(captions[index]);
    }
    MainPageC->setAccessibleName(tr("Страницы"));
    welcome_->setAccessibleName(tr("Приветствие"));
    commands_->setAccessibleName(tr("Команды"));
}

// The starting state: on-line work chosen, the main page active and hidden,
// identity and backup fields empty, only the main tab shown, then the program's
// folders and the parts of file names.
void MainWindow::Construct(const WindowServices& services) {
    fields_ = WindowFields{};
    commands_->OperModeCmB->setCurrentIndex(CommandColumn::OnLineItem);
    workflows_->connection.OperModeCmBChange();

    fields_.DemoMode = false;
    MainPageC->SetActivePage(MainTabSh);

    RegistBackupTabSh->ObjNumEdit->clear();
    RegistBackupTabSh->ModuleNumCmB->clear();
    RegistBackupTabSh->ModuleNumCmB->clearEditText();
    MainTabSh->DevTypeLabel2->clear();
    MainTabSh->CurrentSoftVerLabel2->clear();

    MainTabSh->DevOperModeGrB->show();
    MainTabSh->Label_maintabsh_header_rpu->show();
    MainTabSh->Label_maintabsh_header_zelk->hide();
    HideExtraTabs();

    CreateProgramFolders(services.programDir);
    SetProgramFields(fields_, services.programDir, services.today);
}

void MainWindow::HideExtraTabs() {
    for (QWidget* page :
         {static_cast<QWidget*>(RegistBackupTabSh), static_cast<QWidget*>(ReleSettingsTabSh),
          static_cast<QWidget*>(ReleSettingsTabRPU)})
        MainPageC->SetTabShown(page, false);
}

void MainWindow::FormShow() {
    MainPageC->hide();
    HideExtraTabs();
    welcome_->HidePartnerBrandTexts();
}

bool MainWindow::FormKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_F5)
        return false;
    const QWidget* focused = focusWidget();
    if (focused != nullptr && focused != this)
        return false;
    QWidget* workingList = MainTabSh->TempListB2;
    QWidget* memo = MainTabSh->Memo1;
    workingList->setVisible(workingList->isHidden());
    memo->setVisible(memo->isHidden());
    return true;
}

bool MainWindow::FormClose() {
    // The pipes are never closed under a transfer.
    if (exchanges_->Running())
        return false;
    const MessageAnswer answer =
        dialogs_.ShowMessage(Msg(10013), Msg(10012), MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return false;
    transport_.CloseUnit();
    return true;
}

void MainWindow::SetStatusText(const QString& text) {
    bottom_->SetStatusText(text);
}

QString MainWindow::StatusText() const {
    return bottom_->StatusText();
}

void MainWindow::SetProgress(int percent) {
    bottom_->SetProgress(percent);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar is not shown anew.
    if (!event->spontaneous())
        FormShow();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(*event))
        QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(FormClose());
}

} // namespace tunbox
