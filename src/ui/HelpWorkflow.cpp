#include "ui/HelpWorkflow.h"

#include "app/BuiltInMessages.h"
#include "app/LanguageState.h"
#include "app/MessageTable.h"
#include "app/ProgramPaths.h"
#include "app/SettingsFile.h"
#include "model/MessageText.h"
#include "ui/CommandColumn.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "ui/WelcomeArea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

#include <functional>

namespace tunbox {
namespace {

// Runs an action when a label is clicked: the left button released over it.
class ClickFilter : public QObject {
  public:
    ClickFilter(QLabel* label, std::function<void()> action)
        : QObject(label), action_(std::move(action)) {
        label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* label = static_cast<QLabel*>(watched);
            if (mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint())) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

// The executable's file name as it is now: a running program renamed keeps
// its process, and the kernel's link to it follows the new name.
QString ExecutableFileName() {
    const QString running = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!running.isEmpty())
        return QFileInfo(running).fileName();
    return Program().FileName();
}

} // namespace

HelpWorkflow::HelpWorkflow(MainWindow& window) : window_(window) {
    QObject::connect(window.Commands()->Help, &QPushButton::clicked, &window,
                     [this] { HelpClick(); });
    new ClickFilter(window.Welcome()->Label_webaddr, [this] { Label_webaddrClick(); });
    new ClickFilter(window.Welcome()->Label_emailaddr, [this] { Label_emailaddrClick(); });
}

QString HelpWorkflow::HelpFolder() {
    const QString folder = Program().executable.isEmpty() ? QCoreApplication::applicationDirPath()
                                                          : Program().Folder();
    return QDir(folder).filePath(QStringLiteral("help"));
}

void HelpWorkflow::HelpClick() {
    QString code = GetCurrentDefaultLocaleReg();
    if (code.isEmpty())
        code = QString::fromLatin1(BuiltInLanguage);
    const QString name = SettingsFile::ReadHelpFileName(code);
    // An empty name leaves the help folder itself, which the desktop opens as well.
    const QString path = HelpFolder() + QLatin1Char('/') + name;
    // The desktop's opener reports success once it starts, even for a file
    // that is not there, so a missing document is found here.
    if (!QFileInfo::exists(path) || !window_.UserDialogs().OpenUrl(QUrl::fromLocalFile(path)))
        window_.UserDialogs().ShowMessage(Msg(10001), FormatMessage(Msg(10067), {name}),
                                          MessageIcon::Error, MessageButtons::Ok);
}

void HelpWorkflow::Label_webaddrClick() {
    window_.UserDialogs().OpenUrl(
        QUrl(QStringLiteral("http://") + window_.Welcome()->Label_webaddr->text()));
}

void HelpWorkflow::Label_emailaddrClick() {
    window_.UserDialogs().OpenUrl(QUrl(QStringLiteral("mailto:") +
                                       window_.Welcome()->Label_emailaddr->text() +
                                       QStringLiteral("?subject=") + ExecutableFileName()));
}

} // namespace tunbox
