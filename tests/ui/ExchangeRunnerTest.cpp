// The exchange runner: while an exchange runs on its worker the window keeps
// turning its event loop and showing the exchange's reports, takes no user
// input and cannot be closed; Run then returns what the exchange returned, or
// rethrows what escaped it.
#include "ui/ExchangeRunner.h"
#include "support/RecordingDialogs.h"
#include "support/SimulatedWindow.h"
#include "ui/UnitPause.h"

#include "link/SimulatedUnit.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tunbox {
namespace {

using namespace std::chrono_literals;

// Waits on the worker until fn has run on the window's thread and returns its
// result; the exchange thus sees what the window does while it runs.
template <typename Fn> auto OnWindowThread(QObject& context, Fn fn) {
    std::promise<decltype(fn())> done;
    auto result = done.get_future();
    QMetaObject::invokeMethod(
        &context, [&] { done.set_value(fn()); }, Qt::QueuedConnection);
    // A window thread that is not turning its loop would never answer.
    if (result.wait_for(10s) != std::future_status::ready)
        throw std::runtime_error("the window's event loop did not turn");
    return result.get();
}

struct RunnerUnderTest {
    RunnerUnderTest() { unit.OpenUnit(); }

    SimulatedUnit unit{104};
    RecordingDialogs dialogs;
    std::vector<std::pair<int, int>> statuses;
    std::vector<int> progress;
    ExchangeRunner runner{unit, dialogs,
                          ExchangeRunner::Display{
                              [this](int percent) { progress.push_back(percent); },
                              [this](int id, int percent) { statuses.emplace_back(id, percent); }},
                          [](int) {}};
};

TEST(ExchangeRunner, ReportsReachTheWindowWhileTheExchangeRunsAndAllBeforeRunReturns) {
    RunnerUnderTest r;
    const int result = r.runner.Run([&](Transport&, LinkHost& host) {
        host.ShowStatus(10050, 0);
        host.SetProgress(10);
        // The window has shown the first report before the exchange goes on.
        const bool shownMeanwhile = OnWindowThread(r.runner, [&] { return !r.statuses.empty(); });
        host.ShowStatus(10050, 50);
        host.ShowStatus(10051, 0);
        host.SetProgress(100);
        host.ShowStatus(10052, 100);
        return shownMeanwhile ? 7 : -1;
    });

    EXPECT_EQ(result, 7);
    // Every message in order with its last percentage; the last progress.
    ASSERT_FALSE(r.statuses.empty());
    EXPECT_EQ(r.statuses.front(), std::make_pair(10050, 0));
    EXPECT_EQ(r.statuses.back(), std::make_pair(10052, 100));
    std::vector<int> ids;
    for (const auto& [id, percent] : r.statuses)
        if (ids.empty() || ids.back() != id)
            ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<int>{10050, 10051, 10052}));
    ASSERT_FALSE(r.progress.empty());
    EXPECT_EQ(r.progress.back(), 100);
    EXPECT_EQ(r.dialogs.HourglassSwitches(), (std::vector<bool>{true, false}));
    EXPECT_FALSE(r.runner.Running());
}

TEST(ExchangeRunner, TheEventLoopKeepsTurningWhileTheUnitIsSilent) {
    RunnerUnderTest r;
    int turns = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++turns; });
    timer.start(1);
    // The exchange waits, as for a unit that does not answer, until the
    // window's timer has fired several times.
    const bool sawTurns = r.runner.Run([&](Transport&, LinkHost&) {
        for (int k = 0; k < 1000; ++k) {
            if (OnWindowThread(r.runner, [&] { return turns; }) >= 5)
                return true;
            WaitUnitPause(2);
        }
        return false;
    });
    EXPECT_TRUE(sawTurns);
}

TEST(ExchangeRunner, UserInputIsSwallowedWhileAnExchangeRuns) {
    RunnerUnderTest r;
    QPushButton button(QStringLiteral("Запись"));
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });

    r.runner.Run([&](Transport&, LinkHost&) {
        return OnWindowThread(r.runner, [&] {
            QTest::mouseClick(&button, Qt::LeftButton);
            QTest::keyClick(&button, Qt::Key_Space);
            return true;
        });
    });
    EXPECT_EQ(clicks, 0);

    // Afterwards the button takes clicks again.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(ExchangeRunner, WhatEscapesTheExchangeReachesTheCallerAndTheWindowIsFreeAgain) {
    RunnerUnderTest r;
    EXPECT_THROW(r.runner.Run([](Transport&, LinkHost&) -> int { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_FALSE(r.runner.Running());
    EXPECT_FALSE(r.dialogs.HourglassOn());
    EXPECT_EQ(r.runner.Run([](Transport&, LinkHost&) { return 3; }), 3);
}

TEST(ExchangeRunner, TheWindowRefusesToCloseWithoutAQuestionWhileAnExchangeRuns) {
    SimulatedWindow w;
    w.Connect();
    w.TakeBoxes();
    MainWindow& window = *w.window;
    const bool closed = window.Exchanges().Run([&](Transport&, LinkHost&) {
        return OnWindowThread(window, [&] { return window.close(); });
    });

    EXPECT_FALSE(closed);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(w.TakeBoxes().isEmpty());
    EXPECT_TRUE(w.unit.IsOpen());
}

TEST(UnitPause, NeverEndsBeforeItsTime) {
    for (const int ms : {0, 1, 3, 10}) {
        const auto started = std::chrono::steady_clock::now();
        WaitUnitPause(ms);
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(ms))
            << ms << " ms";
    }
}

} // namespace
} // namespace tunbox
