// Every workflow that talks to the unit, with a fault at every transport call
// its exchanges make (the n-th write, and apart from that the n-th read), and
// with the unit's own faults: a wrong header or CRC, a refusal, silence, a bad
// mark or changed data. Each case checks the boxes, the status text and the
// window state the workflow ends in, and that a failed read changed neither
// the page nor the working image. The cases come from the call counts of the
// exchanges, measured against the simulated unit.
#include "link/BlockTransfer.h"
#include "link/CommandFrame.h"
#include "link/LinkInit.h"
#include "model/WorkingImage.h"
#include "settings/PageTestSupport.h"
#include "support/SimulatedWindow.h"
#include "ui/BackupPage.h"
#include "ui/BottomStrip.h"
#include "ui/CommandColumn.h"
#include "ui/MainPage.h"
#include "ui/PageControl.h"
#include "ui/settings/SettingsPages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tunbox {
namespace {

// The exchanges the workflows make.
enum class Exchange {
    Break,
    LinkMain,
    LinkPages,
    ReadSettings,
    ReadBackup,
    WriteSettings,
    WriteBackup
};

const char* NameOf(Exchange e) {
    switch (e) {
    case Exchange::Break:
        return "link break";
    case Exchange::LinkMain:
        return "link initialisation (main page)";
    case Exchange::LinkPages:
        return "link initialisation (other pages)";
    case Exchange::ReadSettings:
        return "settings read";
    case Exchange::ReadBackup:
        return "registration read";
    case Exchange::WriteSettings:
        return "settings write";
    case Exchange::WriteBackup:
        return "registration write";
    }
    return "";
}

class NoHost final : public LinkHost {
  public:
    void SetProgress(int) override {}
    void ShowStatus(int, int) override {}
    void Pause(int) override {}
    void ProcessEvents() override {}
};

// Runs one exchange directly on transport; the result as its numeric code.
int RunExchange(Exchange e, Transport& transport) {
    NoHost host;
    UnitIdentity identity;
    std::vector<quint32> data(7 * 256, 0);
    switch (e) {
    case Exchange::Break:
        return CloseLink(transport) ? 0 : 1;
    case Exchange::LinkMain:
        return static_cast<int>(OpenLink(transport, CmdLink, identity));
    case Exchange::LinkPages:
        return static_cast<int>(OpenLink(transport, CmdLinkPages, identity));
    case Exchange::ReadSettings:
        return static_cast<int>(ReadBlocks(transport, host, 1, SettingsBlockAddress, data));
    case Exchange::ReadBackup:
        return static_cast<int>(ReadBlocks(transport, host, 7, RegistrationBlockAddress, data));
    case Exchange::WriteSettings:
        data.resize(256);
        return static_cast<int>(WriteBlocks(transport, host, 1, SettingsBlockAddress, data));
    case Exchange::WriteBackup:
        return static_cast<int>(WriteBlocks(transport, host, 7, RegistrationBlockAddress, data));
    }
    return -1;
}

struct Calls {
    unsigned writes = 0;
    unsigned reads = 0;
};

// The calls an exchange makes when nothing goes wrong, measured once.
Calls CallsOf(Exchange e) {
    static std::map<Exchange, Calls> measured;
    if (!measured.count(e)) {
        SimulatedUnit unit(104);
        FaultingTransport transport(unit);
        unit.OpenUnit();
        EXPECT_EQ(RunExchange(e, transport), 0) << NameOf(e);
        measured[e] = {transport.Writes(), transport.Reads()};
    }
    return measured[e];
}

// What goes wrong in a case.
enum class Fault { Write, Read, BadHeader, BadCrc, Refusal, Silence, BadMark, BadData };

// The result code an exchange gives for a fault that hits it, with callIndex
// the failing call counted within the exchange (for Write and Read); nothing
// when the fault does not touch the exchange.
std::optional<int> ResultOf(Exchange e, Fault fault, unsigned callIndex) {
    const bool link = e == Exchange::LinkMain || e == Exchange::LinkPages;
    const bool read = e == Exchange::ReadSettings || e == Exchange::ReadBackup;
    const bool write = e == Exchange::WriteSettings || e == Exchange::WriteBackup;
    switch (fault) {
    case Fault::Write:
        if (e == Exchange::Break)
            return 1;
        // The command frame's 8 bytes, then a written data stream.
        return write && callIndex > 8 ? 4 : 1;
    case Fault::Read:
    case Fault::Silence:
        if (e == Exchange::Break)
            return std::nullopt;
        return 2;
    case Fault::BadHeader:
        return link ? std::optional(3) : std::nullopt;
    case Fault::BadCrc:
        return link ? std::optional(4) : std::nullopt;
    case Fault::Refusal:
        return write ? std::optional(3) : std::nullopt;
    case Fault::BadMark:
        return read ? std::optional(3) : std::nullopt;
    case Fault::BadData:
        return read ? std::optional(4) : std::nullopt;
    }
    return std::nullopt;
}

int LinkMessage(int result) {
    return std::map<int, int>{{1, 10002}, {2, 10084}, {3, 10003}, {4, 10004}}.at(result);
}
int ReadMessage(int result) {
    return std::map<int, int>{{1, 10054}, {2, 10084}, {3, 10056}, {4, 10058}}.at(result);
}
int WriteMessage(int result) {
    return std::map<int, int>{{1, 10050}, {2, 10084}, {3, 10053}, {4, 10085}}.at(result);
}

// The window state a workflow ends in.
enum class End { NotConnected, Connected, LinkFailed };

const char* NameOf(End end) {
    switch (end) {
    case End::NotConnected:
        return "not connected";
    case End::Connected:
        return "connected";
    case End::LinkFailed:
        return "link failed";
    }
    return "";
}

End EndOf(const SimulatedWindow& w) {
    const CommandColumn* c = w.window->Commands();
    if (!w.window->MainPageC->isVisible() && c->ConnectButton->isEnabled() &&
        c->OperModeCmB->isEnabled() && !c->DisconnectButton->isEnabled())
        return End::NotConnected;
    if (w.window->MainPageC->isVisible() && !c->ConnectButton->isEnabled() &&
        c->DisconnectButton->isEnabled() && !c->OperModeCmB->isEnabled())
        return End::Connected;
    if (w.window->MainPageC->isVisible() && c->ConnectButton->isEnabled() &&
        !c->DisconnectButton->isEnabled() && !c->OperModeCmB->isEnabled())
        return End::LinkFailed;
    ADD_FAILURE() << "the window is in no state the workflows define";
    return End::NotConnected;
}

struct Outcome {
    QStringList boxes;
    QString status; // the last status text
    End end;
};

// One workflow: how the window gets ready for it, the user's act, the
// exchanges a clean run makes, and what a failed exchange leads to.
struct Workflow {
    const char* name;
    std::function<void(SimulatedWindow&)> prepare;
    std::function<void(SimulatedWindow&)> act;
    std::vector<Exchange> exchanges;
    // The outcome when exchange `failed` gave `result`; persistent tells that
    // the fault also hits a later try of the same exchange.
    std::function<Outcome(std::size_t failed, int result, bool persistent)> outcome;
    // The page whose controls a failed read must leave alone, if any.
    std::function<QWidget*(SimulatedWindow&)> watchedPage;
};

// A link initialisation that failed on the backup or a settings page: its
// box, the main-page entry once more (clean unless the fault persists), then
// the failure of the whole entry.
Outcome FailedPageLink(int result, bool persistent) {
    if (!persistent)
        return {{Text(LinkMessage(result)), Text(10065)}, Text(10065), End::LinkFailed};
    return {{Text(LinkMessage(result)), Text(LinkMessage(result)), Text(10065), Text(10065)},
            Text(10065),
            End::LinkFailed};
}

Outcome BrokenLink() {
    return {{Text(10083)}, Text(10083), End::NotConnected};
}

void Connect(SimulatedWindow& w) {
    w.Connect();
}

std::vector<Workflow> AllWorkflows() {
    const auto toPage = [](QWidget* (*page)(MainWindow&), bool rtr) {
        return [page, rtr](SimulatedWindow& w) {
            w.Connect();
            if (rtr)
                w.Click("RTR_rb");
            w.ChoosePage(page(*w.window));
        };
    };
    const auto backupPage = [](MainWindow& m) -> QWidget* { return m.RegistBackupTabSh; };
    const auto relePage = [](MainWindow& m) -> QWidget* { return m.ReleSettingsTabSh; };
    const auto rpuPage = [](MainWindow& m) -> QWidget* { return m.ReleSettingsTabRPU; };
    const auto enterSettings = [](std::size_t failed, int result, bool persistent) -> Outcome {
        if (failed == 0)
            return BrokenLink();
        if (failed == 1)
            return FailedPageLink(result, persistent);
        // The read's failure resets the window; the entry's own link succeeded.
        return {{Text(ReadMessage(result))}, Text(10064), End::NotConnected};
    };
    const auto readFails = [](std::size_t, int result, bool) -> Outcome {
        return {{Text(ReadMessage(result))}, Text(ReadMessage(result)), End::NotConnected};
    };
    const auto writeFails = [](std::size_t, int result, bool) -> Outcome {
        return {{Text(WriteMessage(result))}, Text(WriteMessage(result)), End::NotConnected};
    };
    return {
        {"Connect",
         [](SimulatedWindow&) {},
         [](SimulatedWindow& w) { w.Click("ConnectButton"); },
         {Exchange::Break, Exchange::LinkMain},
         [](std::size_t failed, int result, bool) -> Outcome {
             if (failed == 0)
                 return BrokenLink();
             return {{Text(LinkMessage(result)), Text(10065)}, Text(10065), End::LinkFailed};
         },
         nullptr},
        {"Disconnect",
         Connect,
         [](SimulatedWindow& w) { w.Click("DisconnectButton"); },
         {Exchange::Break},
         [](std::size_t, int, bool) -> Outcome {
             return {{Text(10007)}, Text(10007), End::NotConnected};
         },
         nullptr},
        {"entering the backup page",
         Connect,
         [backupPage](SimulatedWindow& w) { w.ChoosePage(backupPage(*w.window)); },
         {Exchange::Break, Exchange::LinkPages},
         [](std::size_t failed, int result, bool persistent) {
             return failed == 0 ? BrokenLink() : FailedPageLink(result, persistent);
         },
         nullptr},
        {"entering the relay settings page",
         [](SimulatedWindow& w) {
             w.Connect();
             w.Click("RTR_rb");
         },
         [relePage](SimulatedWindow& w) { w.ChoosePage(relePage(*w.window)); },
         {Exchange::Break, Exchange::LinkPages, Exchange::ReadSettings},
         enterSettings,
         [relePage](SimulatedWindow& w) { return relePage(*w.window); }},
        {"entering the receiver settings page",
         Connect,
         [rpuPage](SimulatedWindow& w) { w.ChoosePage(rpuPage(*w.window)); },
         {Exchange::Break, Exchange::LinkPages, Exchange::ReadSettings},
         enterSettings,
         [rpuPage](SimulatedWindow& w) { return rpuPage(*w.window); }},
        {"reading on the backup page",
         [=](SimulatedWindow& w) {
             toPage(backupPage, false)(w);
             w.Click("RegBackupCreateButton");
         },
         [](SimulatedWindow& w) { w.Click("ReadButton"); },
         {Exchange::ReadBackup},
         readFails,
         // The reset after the failure empties the backup record as it always
         // does; what the read must leave alone is the working image.
         nullptr},
        {"reading on the relay settings page",
         toPage(relePage, true),
         [](SimulatedWindow& w) { w.Click("ReadButton"); },
         {Exchange::ReadSettings},
         readFails,
         [relePage](SimulatedWindow& w) { return relePage(*w.window); }},
        {"reading on the receiver settings page",
         toPage(rpuPage, false),
         [](SimulatedWindow& w) { w.Click("ReadButton"); },
         {Exchange::ReadSettings},
         readFails,
         [rpuPage](SimulatedWindow& w) { return rpuPage(*w.window); }},
        {"writing on the backup page",
         [=](SimulatedWindow& w) {
             toPage(backupPage, false)(w);
             w.window->Image().Refill(std::vector<quint32>(1792, 17));
             w.window->Commands()->WriteButton->setEnabled(true);
         },
         [](SimulatedWindow& w) { w.Click("WriteButton"); },
         {Exchange::WriteBackup},
         writeFails,
         nullptr},
        {"writing on the relay settings page",
         toPage(relePage, true),
         [](SimulatedWindow& w) { w.Click("WriteButton"); },
         {Exchange::WriteSettings},
         writeFails,
         nullptr},
        {"writing on the receiver settings page",
         toPage(rpuPage, false),
         [](SimulatedWindow& w) { w.Click("WriteButton"); },
         {Exchange::WriteSettings},
         writeFails,
         nullptr},
    };
}

// The lines of two snapshots that differ, for a short failure message.
std::string Differences(const std::vector<std::string>& before,
                        const std::vector<std::string>& after) {
    std::string text;
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const std::string a = i < before.size() ? before[i] : "(none)";
        const std::string b = i < after.size() ? after[i] : "(none)";
        if (a != b)
            text += "\n  " + a + "  ->  " + b;
    }
    return text;
}

struct Case {
    Fault fault;
    unsigned call; // the failing write or read, counted from the act (Write, Read)
    std::string label;
};

void ApplyFault(SimulatedWindow& w, const Case& c) {
    SimulatedFaults& f = w.unit.Faults();
    switch (c.fault) {
    case Fault::Write:
        w.transport.FailWrite(c.call);
        break;
    case Fault::Read:
        w.transport.FailRead(c.call);
        break;
    case Fault::BadHeader:
        f.badHeader = true;
        break;
    case Fault::BadCrc:
        f.badCrc = true;
        break;
    case Fault::Refusal:
        f.answerStatus = 1;
        break;
    case Fault::Silence:
        f.silent = true;
        break;
    case Fault::BadMark:
        f.wrongMarkByte = 1;
        break;
    case Fault::BadData:
        f.changedStreamByte = 3;
        break;
    }
}

// The exchange a case hits first and its result there.
std::optional<std::pair<std::size_t, int>> FirstHit(const Workflow& flow, const Case& c) {
    unsigned writesBefore = 0;
    unsigned readsBefore = 0;
    for (std::size_t i = 0; i < flow.exchanges.size(); ++i) {
        const Exchange e = flow.exchanges[i];
        const Calls calls = CallsOf(e);
        bool hit = true;
        unsigned within = 0;
        if (c.fault == Fault::Write) {
            hit = c.call > writesBefore && c.call <= writesBefore + calls.writes;
            within = c.call - writesBefore;
        } else if (c.fault == Fault::Read) {
            hit = c.call > readsBefore && c.call <= readsBefore + calls.reads;
            within = c.call - readsBefore;
        }
        writesBefore += calls.writes;
        readsBefore += calls.reads;
        if (!hit)
            continue;
        if (const std::optional<int> result = ResultOf(e, c.fault, within))
            return std::pair{i, *result};
    }
    return std::nullopt;
}

std::vector<Case> CasesOf(const Workflow& flow) {
    Calls total;
    for (Exchange e : flow.exchanges) {
        total.writes += CallsOf(e).writes;
        total.reads += CallsOf(e).reads;
    }
    std::vector<Case> cases;
    for (unsigned n = 1; n <= total.writes; ++n)
        cases.push_back({Fault::Write, n, "write call " + std::to_string(n)});
    for (unsigned n = 1; n <= total.reads; ++n)
        cases.push_back({Fault::Read, n, "read call " + std::to_string(n)});
    const std::pair<Fault, const char*> unitFaults[] = {
        {Fault::BadHeader, "bad header"}, {Fault::BadCrc, "bad CRC"},
        {Fault::Refusal, "refusal"},      {Fault::Silence, "silence"},
        {Fault::BadMark, "bad mark"},     {Fault::BadData, "changed data"},
    };
    for (const auto& [fault, label] : unitFaults) {
        const Case c{fault, 0, label};
        if (FirstHit(flow, c))
            cases.push_back(c);
    }
    return cases;
}

class FaultMatrix : public ::testing::TestWithParam<std::size_t> {
  protected:
    const Workflow& Flow() const {
        static const std::vector<Workflow> flows = AllWorkflows();
        return flows.at(GetParam());
    }
};

// A clean run makes exactly the exchanges the workflow lists.
TEST_P(FaultMatrix, CleanRunMakesTheListedExchanges) {
    const Workflow& flow = Flow();
    SimulatedWindow w;
    flow.prepare(w);
    const unsigned writes = w.transport.Writes();
    const unsigned reads = w.transport.Reads();
    w.TakeBoxes();
    flow.act(w);
    Calls expected;
    for (Exchange e : flow.exchanges) {
        expected.writes += CallsOf(e).writes;
        expected.reads += CallsOf(e).reads;
    }
    EXPECT_EQ(w.transport.Writes() - writes, expected.writes) << flow.name;
    EXPECT_EQ(w.transport.Reads() - reads, expected.reads) << flow.name;
}

TEST_P(FaultMatrix, EveryFaultEndsAsTheWorkflowSays) {
    const Workflow& flow = Flow();
    const std::vector<Case> cases = CasesOf(flow);
    ASSERT_FALSE(cases.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(flow.name) + ", " + c.label);
        const auto hit = FirstHit(flow, c);
        ASSERT_TRUE(hit.has_value());
        const auto [failed, result] = *hit;
        const bool persistent = c.fault != Fault::Write && c.fault != Fault::Read;
        const Outcome expected = flow.outcome(failed, result, persistent);

        SimulatedWindow w;
        flow.prepare(w);
        w.TakeBoxes();
        QWidget* watched = flow.watchedPage ? flow.watchedPage(w) : nullptr;
        const auto pageBefore = watched ? pagetest::Snapshot(watched) : std::vector<std::string>{};
        const std::vector<quint32> imageBefore = w.window->Image().Values();

        ApplyFault(w, c);
        flow.act(w);

        EXPECT_EQ(w.TakeBoxes(), expected.boxes)
            << "failed in the " << NameOf(flow.exchanges[failed]);
        EXPECT_EQ(w.window->StatusText(), expected.status);
        const End end = EndOf(w);
        EXPECT_EQ(end, expected.end) << NameOf(end) << " instead of " << NameOf(expected.end);
        EXPECT_FALSE(w.dialogs.HourglassOn());
        const bool readFailed = flow.exchanges[failed] == Exchange::ReadSettings ||
                                flow.exchanges[failed] == Exchange::ReadBackup;
        if (readFailed) {
            EXPECT_EQ(w.window->Image().Values(), imageBefore) << "the working image changed";
            if (watched) {
                const std::string changed = Differences(pageBefore, pagetest::Snapshot(watched));
                EXPECT_TRUE(changed.empty()) << "the page changed:" << changed;
            }
        }
    }
}

std::string FlowName(const ::testing::TestParamInfo<std::size_t>& info) {
    std::string name = AllWorkflows().at(info.param).name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Workflows, FaultMatrix,
                         ::testing::Range<std::size_t>(0, AllWorkflows().size()), FlowName);

} // namespace
} // namespace tunbox
