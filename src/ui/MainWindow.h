#pragma once

#include "ui/WindowFields.h"
#include "ui/settings/SettingsPages.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <memory>

class QKeyEvent;

namespace tunbox {

class BackupPage;
class BottomStrip;
class CommandColumn;
class ConnectionWorkflow;
class Dialogs;
class MainPage;
class PageControl;
class ProcessEnd;
class SettingsWorkflow;
class Transport;
class WelcomeArea;

// What the window works with. The transport and the dialogs must outlive the
// window; programDir is the folder beside the program where its files live.
struct WindowServices {
    Transport& transport;
    Dialogs& dialogs;
    QString programDir;
    QDate today = QDate::currentDate();
};

// The program's one window. The page area on the left holds the page control
// over the welcome area; the command column stands on the right; the status
// line and the language controls form the bottom strip. The workflows live in
// classes the window owns.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 794;
    static constexpr int ClientHeight = 570;

    explicit MainWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Keeps objects the window's services depend on alive as long as the window.
    void KeepAlive(std::shared_ptr<void> owned);

    // Each time the window is shown: the welcome area shows, the extra tabs and
    // the partner-brand texts are hidden.
    void FormShow();
    // F5 shows or hides the working list and Memo1 while no control has the
    // keyboard focus; returns whether the key was handled.
    bool FormKeyDown(const QKeyEvent& event);
    // Asks whether to leave; on Yes closes the unit's pipes and returns true.
    bool FormClose();

    void SetStatusText(const QString& text);
    QString StatusText() const;
    void SetProgress(int percent);

    WindowFields& Fields() { return fields_; }
    const WindowFields& Fields() const { return fields_; }
    Transport& Unit() const { return transport_; }
    Dialogs& UserDialogs() const { return dialogs_; }

    WelcomeArea* Welcome() const { return welcome_; }
    CommandColumn* Commands() const { return commands_; }
    BottomStrip& Bottom() const { return *bottom_; }
    ConnectionWorkflow& Connection() const { return *connection_; }
    PageControl* MainPageC() const { return pages_; }
    MainPage* MainTabSh() const { return mainPage_; }
    BackupPage* RegistBackupTabSh() const { return backupPage_; }
    // The two output settings pages: repeater and relay-module modes, and the
    // receiver in autonomous work.
    RtrSettingsPage* ReleSettingsTabSh() const { return releSettingsPage_; }
    RpuSettingsPage* ReleSettingsTabRPU() const { return rpuSettingsPage_; }
    SettingsWorkflow& Settings() const { return *settings_; }
    // Ends the program when settings data fails its range test.
    ProcessEnd& BadDataEnd() const { return *badDataEnd_; }

    // Sets every caption again in the active language.
    void RetranslateUi();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildAreas();
    void RetranslateWindow();
    void Construct(const WindowServices& services);
    void HideExtraTabs();

    // Destroyed last, after everything that may use the services.
    std::shared_ptr<void> keptAlive_;
    Transport& transport_;
    Dialogs& dialogs_;
    WindowFields fields_;

    WelcomeArea* welcome_ = nullptr;
    PageControl* pages_ = nullptr;
    MainPage* mainPage_ = nullptr;
    BackupPage* backupPage_ = nullptr;
    RtrSettingsPage* releSettingsPage_ = nullptr;
    RpuSettingsPage* rpuSettingsPage_ = nullptr;
    CommandColumn* commands_ = nullptr;
    std::unique_ptr<BottomStrip> bottom_;
    std::unique_ptr<ConnectionWorkflow> connection_;
    std::unique_ptr<SettingsWorkflow> settings_;
    std::unique_ptr<ProcessEnd> badDataEnd_;
};

// The program's window with the real transport and the desktop's dialogs.
std::unique_ptr<QWidget> CreateMainWindow();

} // namespace tunbox
