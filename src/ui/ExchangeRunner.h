#pragma once

#include "link/LinkHost.h"
#include "link/Transport.h"

#include <QObject>

#include <functional>
#include <optional>
#include <type_traits>

class QWidget;

namespace tunbox {

class Dialogs;

// Runs every exchange with the unit, one at a time, on a worker thread while
// the window waits in a local event loop. Meanwhile the window repaints and
// its status line and progress bar follow the exchange's reports as they come,
// but it takes no mouse or keyboard input and shows the hourglass. Run returns
// once the exchange has ended and every report it made has been shown, so the
// workflow that called it goes on at the same line, in the order its code
// reads. The exchanges themselves stay synchronous and know no threads.
class ExchangeRunner : public QObject {
    Q_OBJECT
  public:
    // What the window shows of an exchange's reports (on the window's thread).
    struct Display {
        std::function<void(int percent)> progress;
        std::function<void(int messageId, int percent)> status;
    };
    // Waits ms milliseconds on the worker: the unit's pacing.
    using Sleep = std::function<void(int ms)>;

    ExchangeRunner(Transport& transport, Dialogs& dialogs, Display display, Sleep sleep);
    ~ExchangeRunner() override;

    // Runs exchange(transport, host) on the worker and returns what it returned.
    template <typename Exchange> auto Run(Exchange&& exchange) {
        using Result = std::invoke_result_t<Exchange&, Transport&, LinkHost&>;
        if constexpr (std::is_void_v<Result>) {
            RunOnWorker([&](Transport& t, LinkHost& h) { exchange(t, h); });
        } else {
            std::optional<Result> result;
            RunOnWorker([&](Transport& t, LinkHost& h) { result.emplace(exchange(t, h)); });
            return std::move(*result);
        }
    }

    // Whether an exchange is running (the window refuses to close meanwhile).
    bool Running() const { return running_; }

  protected:
    // Swallows the user's input to every window while an exchange runs.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class WorkerHost;

    void RunOnWorker(const std::function<void(Transport&, LinkHost&)>& work);

    Transport& transport_;
    Dialogs& dialogs_;
    Display display_;
    Sleep sleep_;
    bool running_ = false;
};

} // namespace tunbox
