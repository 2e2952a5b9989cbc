#include "app/GuardedApplication.h"

#include <QMessageBox>

namespace tunbox {

namespace {

GuardedApplication::ExceptionBox& Box() {
    static GuardedApplication::ExceptionBox box;
    return box;
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(ExceptionText(std::current_exception()));
    }
    return false;
}

void GuardedApplication::ShowException(const QString& text) {
    const QString caption = QString::fromLatin1(ApplicationTitle);
    if (Box()) {
        Box()(caption, text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), caption, text);
}

QString GuardedApplication::ExceptionText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return {};
    }
}

void GuardedApplication::SetExceptionBox(ExceptionBox box) {
    Box() = std::move(box);
}

} // namespace tunbox
