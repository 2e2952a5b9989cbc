#include "ui/MainWindow.h"

#include "app/MessageTable.h"
#include "link/Transport.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/ConnectionWorkflow.h"
#include "ui/ExitOnBadData.h"
#include "ui/Dialogs.h"
#include "ui/LogoPicture.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/SettingsWorkflow.h"
#include "ui/settings/SettingsPages.h"
#include "ui/WelcomeArea.h"

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

QFont WindowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QWidget(parent), transport_(services.transport), dialogs_(services.dialogs),
      badDataEnd_(std::make_unique<ExitOnBadData>(services.dialogs, services.transport)) {
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

    pages_ = new PageControl(this);
    pages_->setObjectName(QStringLiteral("MainPageC"));
    pages_->setGeometry(PageArea);
    mainPage_ = new MainPage(pages_);
    mainPage_->setObjectName(QStringLiteral("MainTabSh"));
    backupPage_ = new BackupPage(pages_);
    backupPage_->setObjectName(QStringLiteral("RegistBackupTabSh"));
    releSettingsPage_ = new RtrSettingsPage(pages_);
    releSettingsPage_->setObjectName(QStringLiteral("ReleSettingsTabSh"));
    releSettingsPage_->SetContextSource([this] {
        return UnitContext{fields_.DemoMode, fields_.DeviceMode,
                           mainPage_->RTR_rb()->isChecked()};
    });
    rpuSettingsPage_ = new RpuSettingsPage(pages_);
    rpuSettingsPage_->setObjectName(QStringLiteral("ReleSettingsTabRPU"));
    for (QWidget* page : {static_cast<QWidget*>(mainPage_), static_cast<QWidget*>(backupPage_),
                          static_cast<QWidget*>(releSettingsPage_),
                          static_cast<QWidget*>(rpuSettingsPage_)})
        pages_->addTab(page, QString());

    commands_ = new CommandColumn(this);
    commands_->setGeometry(CommandArea);

    bottom_ = std::make_unique<BottomStrip>(this, StatusArea, LanguageArea);
    connection_ = std::make_unique<ConnectionWorkflow>(*this);
    connect(commands_->OperModeCmB(), &QComboBox::activated, this,
            [this] { connection_->OperModeCmBChange(); });
    settings_ = std::make_unique<SettingsWorkflow>(*this);
    connect(commands_->DefaultSettingsButton(), &QPushButton::clicked, this,
            [this] { settings_->DefaultSettingsButtonClick(); });
}

void MainWindow::RetranslateUi() {
    welcome_->RetranslateUi();
    commands_->RetranslateUi();
    mainPage_->RetranslateUi();
    backupPage_->RetranslateUi();
    bottom_->RetranslateUi();
    RetranslateWindow();
}

void MainWindow::RetranslateWindow() {
    setWindowTitle(tr("Программа для настройки РПУ Зорен-КЛ-Т"));
    setAccessibleName(windowTitle());
    const QString captions[] = {tr("Главная"), tr("Резервная копия"), tr("Режимы реле и выхода ОК"),
                                tr("Режимы реле и выхода ОК (РПУ в автономном режиме)")};
    for (int index = 0; index < pages_->count(); ++index) {
        pages_->setTabText(index, captions[index]);
        pages_->widget(index)->setAccessibleName(captions[index]);
    }
    pages_->setAccessibleName(tr("Страницы"));
    welcome_->setAccessibleName(tr("Приветствие"));
    commands_->setAccessibleName(tr("Команды"));
}

// The starting state: on-line work chosen, the main page active and hidden,
// identity and backup fields empty, only the main tab shown, then the program's
// folders and the parts of file names.
void MainWindow::Construct(const WindowServices& services) {
    fields_ = WindowFields{};
    commands_->OperModeCmB()->setCurrentIndex(CommandColumn::OnLineItem);
    connection_->OperModeCmBChange();

    fields_.DemoMode = false;
    pages_->SetActivePage(mainPage_);

    backupPage_->ObjNumEdit()->clear();
    backupPage_->ModuleNumCmB()->clear();
    backupPage_->ModuleNumCmB()->clearEditText();
    mainPage_->DevTypeLabel2()->clear();
    mainPage_->CurrentSoftVerLabel2()->clear();

    mainPage_->DevOperModeGrB()->show();
    mainPage_->Label_maintabsh_header_rpu()->show();
    mainPage_->Label_maintabsh_header_zelk()->hide();
    HideExtraTabs();

    CreateProgramFolders(services.programDir);
    SetProgramFields(fields_, services.programDir, services.today);
}

void MainWindow::HideExtraTabs() {
    for (QWidget* page : {static_cast<QWidget*>(backupPage_), static_cast<QWidget*>(releSettingsPage_),
                          static_cast<QWidget*>(rpuSettingsPage_)})
        pages_->SetTabShown(page, false);
}

void MainWindow::FormShow() {
    pages_->hide();
    HideExtraTabs();
    welcome_->HidePartnerBrandTexts();
}

bool MainWindow::FormKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_F5)
        return false;
    const QWidget* focused = focusWidget();
    if (focused != nullptr && focused != this)
        return false;
    QWidget* workingList = mainPage_->TempListB2();
    QWidget* memo = mainPage_->Memo1();
    workingList->setVisible(workingList->isHidden());
    memo->setVisible(memo->isHidden());
    return true;
}

bool MainWindow::FormClose() {
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
