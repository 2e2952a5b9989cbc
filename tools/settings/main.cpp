// tunbox-settings: runs a settings file (96 lines, one decimal value per line)
// through a fresh settings page of either kind, with no unit attached, and prints
// the 96 values the page packs, one per line.
//
//   tunbox-settings normalize rtr|rpu FILE
//   tunbox-settings defaults rtr|rpu
//   tunbox-settings mode [--context demo|rpu|rtr|mro|none] rtr|rpu FILE OUTPUT MODE
//
// The context is what the mode rules see of the window: demo work, or a unit
// of receiver/repeater firmware with RPU_rb or RTR_rb checked, or of relay-module
// firmware; "none" (the default) is the window without a unit.
//
// Exit codes: 0 done; 1 the data failed its range test (message 10082 on
// stderr, as the program would show it); 2 usage error, or a file that cannot be
// read, has fewer than 96 lines or a line that is not a decimal integer (one
// line on stderr).

#include "app/BuiltInMessages.h"
#include "files/LineFile.h"
#include "files/OutputSettingsFile.h"
#include "link/UnitIdentity.h"
#include "model/PageRules.h"
#include "model/ProcessEnd.h"
#include "model/SettingsLayout.h"
#include "model/SettingsPageModel.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using Cells = std::array<quint32, tunbox::SettingsImageLength>;

constexpr int UsageExitCode = 2;
constexpr int FileExitCode = 2;

void PrintLine(std::FILE* to, const QString& text) {
    std::fputs(text.toUtf8().constData(), to);
    std::fputc('\n', to);
}

[[noreturn]] void Fail(int exitCode, const QString& text) {
    PrintLine(stderr, QStringLiteral("tunbox-settings: ") + text);
    std::exit(exitCode);
}

[[noreturn]] void Usage() {
    Fail(UsageExitCode,
         QStringLiteral("usage: tunbox-settings normalize rtr|rpu FILE | defaults rtr|rpu | "
                        "mode [--context demo|rpu|rtr|mro|none] rtr|rpu FILE OUTPUT(1..3) "
                        "MODE(0..6)"));
}

// Ends the tool the way the program ends on bad data: the message, exit code 1.
class ToolProcessEnd : public tunbox::ProcessEnd {
  public:
    void AbortOnBadData(int byteNumber, quint32 value) override {
        PrintLine(stderr, tunbox::BadDataMessage(tunbox::BuiltInMessage, byteNumber, value));
        std::exit(tunbox::BadDataExitCode);
    }
};

// The file's 96 cells, checked for the page of kind as the program checks a
// settings file before loading it. Reading failures and a short or non-numeric
// file end the tool with FileExitCode; a value the page refuses ends it as data
// that fails its range test does in the program.
Cells ReadCells(const QString& path, tunbox::SettingsPage kind) {
    const tunbox::LinesRead read = tunbox::ReadLines(path);
    if (!read.outcome.Ok()) {
        const QString reason =
            read.outcome.status == tunbox::FileStatus::TooLarge
                ? QStringLiteral("larger than %1 bytes").arg(tunbox::MaxLineFileSize)
                : read.outcome.reason;
        Fail(FileExitCode, QStringLiteral("cannot read %1: %2").arg(path, reason));
    }
    const tunbox::SettingsFileData data = tunbox::CheckSettingsLines(read.lines, kind);
    switch (data.result) {
    case tunbox::SettingsFileResult::Ok:
        break;
    case tunbox::SettingsFileResult::Unreadable:
        Fail(FileExitCode, QStringLiteral("cannot read %1: %2").arg(path, data.file.reason));
    case tunbox::SettingsFileResult::TooFewLines:
        Fail(FileExitCode, QStringLiteral("%1 has %2 lines, %3 needed")
                               .arg(path)
                               .arg(data.lineCount)
                               .arg(tunbox::SettingsImageLength));
    case tunbox::SettingsFileResult::NotANumber:
        Fail(FileExitCode, QStringLiteral("%1 line %2 is not a decimal integer: \"%3\"")
                               .arg(path)
                               .arg(data.line)
                               .arg(data.lines.at(data.line - 1)));
    case tunbox::SettingsFileResult::BadValue:
        ToolProcessEnd().AbortOnBadData(data.cell.byte, data.cell.value);
    }
    return data.image;
}

int ParseNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < min || v > max)
        Usage();
    return v;
}

void PrintCells(const Cells& cells) {
    for (quint32 cell : cells)
        std::printf("%u\n", static_cast<unsigned>(cell));
}

// What the mode rules read of the window in each --context.
std::optional<tunbox::UnitContext> ParseContext(const QString& name) {
    if (name == u"none")
        return tunbox::UnitContext{};
    if (name == u"demo")
        return tunbox::UnitContext{true, tunbox::DeviceModeNone, false};
    if (name == u"rpu")
        return tunbox::UnitContext{false, tunbox::DeviceModeReceiver, false};
    if (name == u"rtr")
        return tunbox::UnitContext{false, tunbox::DeviceModeReceiver, true};
    if (name == u"mro")
        return tunbox::UnitContext{false, tunbox::DeviceModeRelayModule, false};
    return std::nullopt;
}

// The page of one kind: unpack, an optional mode click, pack into zeros.
int Run(const tunbox::PageRules& rules, const tunbox::UnitContext& context,
        const std::optional<Cells>& input, int output, int mode) {
    tunbox::SettingsPageModel page(rules);
    page.SetContextSource([context] { return context; });
    ToolProcessEnd end;
    if (input) {
        if (page.Unpack(*input, end) != tunbox::UnpackResult::Ok)
            return tunbox::BadDataExitCode;
    } else {
        page.ApplyFactoryDefaults();
    }
    // A click on entry MODE of the output, offered to the user or not.
    if (output > 0)
        page.ForceMode(output, mode);
    Cells packed{};
    page.Pack(packed);
    PrintCells(packed);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.size() < 2)
        Usage();

    const QString command = args.takeFirst();
    tunbox::UnitContext context;
    if (command == u"mode" && args.size() >= 2 && args.at(0) == u"--context") {
        const std::optional<tunbox::UnitContext> chosen = ParseContext(args.at(1));
        if (!chosen)
            Usage();
        context = *chosen;
        args.remove(0, 2);
    }
    if (args.isEmpty())
        Usage();
    const QString& kind = args.at(0);
    if (kind != u"rtr" && kind != u"rpu")
        Usage();
    const tunbox::SettingsPage page =
        kind == u"rtr" ? tunbox::SettingsPage::Rele : tunbox::SettingsPage::Rpu;

    std::optional<Cells> input;
    int output = 0;
    int mode = 0;
    if (command == u"normalize" && args.size() == 2) {
        input = ReadCells(args.at(1), page);
    } else if (command == u"defaults" && args.size() == 1) {
    } else if (command == u"mode" && args.size() == 4) {
        output = ParseNumber(args.at(2), 1, tunbox::OutputCount);
        mode = ParseNumber(args.at(3), 0, tunbox::ModeCount - 1);
        input = ReadCells(args.at(1), page);
    } else {
        Usage();
    }

    return Run(page == tunbox::SettingsPage::Rele ? tunbox::ReleRules() : tunbox::RpuRules(),
               context, input, output, mode);
}
