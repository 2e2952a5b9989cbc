#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

namespace tunbox {

// The program's title: the caption of the exception box.
inline constexpr char ApplicationTitle[] = "Tunbox-RPU-KLT";

// The application object of the program. An exception thrown by an event handler
// does not end the program: it is shown in the exception box and the event loop
// goes on.
class GuardedApplication : public QApplication {
    Q_OBJECT
  public:
    using ExceptionBox = std::function<void(const QString& caption, const QString& text)>;

    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the exception box: caption ApplicationTitle, the error icon and text.
    static void ShowException(const QString& text);
    // The text shown for an exception: what() of a std::exception, else empty.
    static QString ExceptionText(const std::exception_ptr& error);
    // Replaces the exception box (tests record instead of showing); an empty
    // function restores the message box.
    static void SetExceptionBox(ExceptionBox box);
};

} // namespace tunbox
