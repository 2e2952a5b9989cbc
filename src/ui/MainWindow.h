#pragma once

#include "ui/UnitPause.h"
#include "ui/WindowFields.h"
#include "ui/settings/SettingsPages.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QKeyEvent;

namespace tunbox {

class BackupPage;
class BottomStrip;
class CommandColumn;
class Dialogs;
class ExchangeRunner;
class WorkingImage;
class MainPage;
class PageControl;
class ProcessEnd;
class Transport;
class WelcomeArea;
struct Workflows;

// What the window works with. The transport and the dialogs must outlive the
// window; programDir is the folder beside the program where its files live.
struct WindowServices {
    Transport& transport;
    Dialogs& dialogs;
    QString programDir;
    QDate today = QDate::currentDate();
    // How an exchange waits the pauses the unit needs, on its worker thread:
    // really, unless a test has no need to.
    std::function<void(int ms)> pause = WaitUnitPause;
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
    // Refused without a question while an exchange with the unit runs.
    bool FormClose();

    void SetStatusText(const QString& text);
    QString StatusText() const;
    void SetProgress(int percent);

    WindowFields& Fields() { return fields_; }
    const WindowFields& Fields() const { return fields_; }
    Transport& Unit() const { return transport_; }
    Dialogs& UserDialogs() const { return dialogs_; }
    // Runs every exchange with the unit; see ExchangeRunner.
    ExchangeRunner& Exchanges() const { return *exchanges_; }
    // The working image the hidden list TempListB2 shows.
    WorkingImage& Image() const { return *image_; }

    WelcomeArea* Welcome() const { return welcome_; }
    CommandColumn* Commands() const { return commands_; }
    BottomStrip& Bottom() const { return *bottom_; }
    Workflows& Work() const { return *workflows_; }
    // Ends the program when settings data fails its range test.
    ProcessEnd& BadDataEnd() const { return *badDataEnd_; }

    // Sets every caption again in the active language.
    void RetranslateUi();

    // The page control and its four pages, each under its own object name; the
    // widget tree owns them. The two output settings pages serve repeater and
    // relay-module units, and the receiver in autonomous work.
    PageControl* MainPageC = nullptr;
    MainPage* MainTabSh = nullptr;
    BackupPage* RegistBackupTabSh = nullptr;
    ReleSettingsPage* ReleSettingsTabSh = nullptr;
    RpuSettingsPage* ReleSettingsTabRPU = nullptr;

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
    CommandColumn* commands_ = nullptr;
    std::unique_ptr<BottomStrip> bottom_;
    WorkingImage* image_ = nullptr;
    std::unique_ptr<ExchangeRunner> exchanges_;
    std::unique_ptr<Workflows> workflows_;
    std::unique_ptr<ProcessEnd> badDataEnd_;
};

// The program's window with the real transport and the desktop's dialogs.
std::unique_ptr<QWidget> CreateMainWindow();

} // namespace tunbox
