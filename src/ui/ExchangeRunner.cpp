#include "ui/ExchangeRunner.h"

#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QScopedValueRollback>

#include <exception>
#include <thread>

namespace tunbox {

// The exchange's host on the worker: reports are handed to the window's thread
// in the order they are made; pauses are real waits on the worker; the window
// needs no help to stay responsive, its own loop runs all the time.
class ExchangeRunner::WorkerHost final : public LinkHost {
  public:
    WorkerHost(ExchangeRunner& runner) : runner_(runner) {}

    void SetProgress(int percent) override {
        QMetaObject::invokeMethod(
            &runner_, [this, percent] { runner_.display_.progress(percent); },
            Qt::QueuedConnection);
    }
    void ShowStatus(int messageId, int percent) override {
        QMetaObject::invokeMethod(
            &runner_, [this, messageId, percent] { runner_.display_.status(messageId, percent); },
            Qt::QueuedConnection);
    }
    void Pause(int ms) override { runner_.sleep_(ms); }
    void ProcessEvents() override {}

  private:
    ExchangeRunner& runner_;
};

ExchangeRunner::ExchangeRunner(Transport& transport, Dialogs& dialogs, Display display, Sleep sleep)
    : transport_(transport), dialogs_(dialogs), display_(std::move(display)),
      sleep_(std::move(sleep)) {}

ExchangeRunner::~ExchangeRunner() = default;

void ExchangeRunner::RunOnWorker(const std::function<void(Transport&, LinkHost&)>& work) {
    // Exchanges never overlap: a workflow starts the next only after the last
    // returned, and no user input reaches the window in between.
    Q_ASSERT(!running_);
    const QScopedValueRollback<bool> running(running_, true);
    dialogs_.SetHourglass(true);
    QCoreApplication::instance()->installEventFilter(this);

    QEventLoop loop;
    WorkerHost host(*this);
    std::exception_ptr failure;
    // The worker's reports and its end are queued to this thread in the order
    // they happen, so the loop ends only after every report has been shown.
    std::thread worker([&] {
        try {
            work(transport_, host);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();

    QCoreApplication::instance()->removeEventFilter(this);
    dialogs_.SetHourglass(false);
    // Whatever escaped the exchange goes on where the window reports it.
    if (failure)
        std::rethrow_exception(failure);
}

bool ExchangeRunner::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tunbox
