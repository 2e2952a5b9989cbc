#include "ui/ExchangeRunner.h"

#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QScopedValueRollback>

#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace tunbox {

// The exchange's host on the worker. Reports go to the window's thread in the
// order they are made, but a block transfer reports once per byte, far faster
// than a window repaints: reports that arrive while the window has not yet
// taken the last ones are merged, the latest percentage of a message replacing
// the one before. Every message shows, in order, and the last percentage of
// each; only percentages the window had no time to show are left out. Pauses
// are real waits on the worker; the window's own loop keeps it responsive.
class ExchangeRunner::WorkerHost final : public LinkHost {
  public:
    WorkerHost(ExchangeRunner& runner) : runner_(runner) {}

    void SetProgress(int percent) override {
        const std::lock_guard lock(mutex_);
        progress_ = percent;
        PostLocked();
    }
    void ShowStatus(int messageId, int percent) override {
        const std::lock_guard lock(mutex_);
        if (!statuses_.empty() && statuses_.back().first == messageId)
            statuses_.back().second = percent;
        else
            statuses_.emplace_back(messageId, percent);
        PostLocked();
    }
    void Pause(int ms) override { runner_.sleep_(ms); }
    void ProcessEvents() override {}

  private:
    void PostLocked() {
        if (posted_)
            return;
        posted_ = true;
        QMetaObject::invokeMethod(
            &runner_, [this] { Deliver(); }, Qt::QueuedConnection);
    }

    // On the window's thread: shows what has come since the last delivery.
    void Deliver() {
        std::vector<std::pair<int, int>> statuses;
        std::optional<int> progress;
        {
            const std::lock_guard lock(mutex_);
            statuses.swap(statuses_);
            progress.swap(progress_);
            posted_ = false;
        }
        for (const auto& [messageId, percent] : statuses)
            runner_.display_.status(messageId, percent);
        if (progress)
            runner_.display_.progress(*progress);
    }

    ExchangeRunner& runner_;
    std::mutex mutex_;
    bool posted_ = false;
    std::vector<std::pair<int, int>> statuses_;
    std::optional<int> progress_;
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
