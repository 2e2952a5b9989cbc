#include "LinkTraceCommand.h"

#include "TracingHost.h"
#include "TracingTransport.h"
#include "link/BlockTransfer.h"
#include "link/CommandFrame.h"
#include "link/FirmwareUpload.h"
#include "link/LinkInit.h"
#include "link/SimulatedUnit.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <thread>

namespace tunbox {
namespace {

constexpr std::uint8_t DefaultVersion = 104;

// A bad argument or file: its text is the one line printed before exiting with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::uint32_t ParseNumber(std::string_view text, std::uint32_t max, const std::string& what) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > max)
        throw UsageError(what + " must be a number 0.." + std::to_string(max) + ", not \"" +
                         std::string(text) + "\"");
    return value;
}

// One unsigned decimal value per line; blank lines and CR LF line ends are allowed.
std::vector<std::uint32_t> ReadValueFile(const std::string& path, std::uint32_t max) {
    std::ifstream file(path);
    if (!file)
        throw UsageError("cannot read " + path);
    std::vector<std::uint32_t> values;
    std::string line;
    for (int lineNumber = 1; std::getline(file, line); ++lineNumber) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const auto last = line.find_last_not_of(" \t\r");
        values.push_back(ParseNumber(std::string_view(line).substr(first, last - first + 1), max,
                                     path + " line " + std::to_string(lineNumber)));
    }
    if (file.bad())
        throw UsageError("cannot read " + path);
    return values;
}

std::vector<std::uint32_t> ReadBinaryFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError("cannot read " + path);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    if (file.bad())
        throw UsageError("cannot read " + path);
    std::vector<std::uint32_t> values;
    values.reserve(bytes.size());
    for (char byte : bytes)
        values.push_back(static_cast<unsigned char>(byte));
    return values;
}

struct Invocation {
    std::uint8_t version = DefaultVersion;
    std::optional<std::string> memoryFile;
    SimulatedFaults faults;
    std::vector<std::string> command;
};

Invocation ParseArguments(const std::vector<std::string>& args) {
    Invocation call;
    std::size_t i = 0;
    auto value = [&](const std::string& option) -> const std::string& {
        if (i + 1 >= args.size())
            throw UsageError(option + " needs a value");
        return args[++i];
    };
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        const std::string& option = args[i];
        if (option == "--version") {
            call.version = static_cast<std::uint8_t>(ParseNumber(value(option), 255, option));
        } else if (option == "--memory") {
            call.memoryFile = value(option);
        } else {
            // Every other option is one of the simulated unit's faults.
            const std::string_view name = std::string_view(option).substr(2);
            const auto kind = FaultOptionKindOf(name);
            if (!kind)
                throw UsageError("unknown option " + option);
            std::optional<std::string_view> number;
            if (*kind == FaultOptionKind::Number)
                number = value(option);
            const std::string problem = ApplyFaultOption(call.faults, name, number);
            if (!problem.empty())
                throw UsageError("--" + problem);
        }
    }
    call.command.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (call.command.empty())
        throw UsageError(
            "no exchange given (open-link, close-link, read-blocks, write-blocks, upload)");

    static const std::vector<std::pair<std::string, std::size_t>> Arities = {{"open-link", 1},
                                                                             {"close-link", 0},
                                                                             {"read-blocks", 2},
                                                                             {"write-blocks", 3},
                                                                             {"upload", 1}};
    for (const auto& [name, arity] : Arities) {
        if (call.command[0] == name) {
            if (call.command.size() != arity + 1)
                throw UsageError(name + " takes " + std::to_string(arity) + " argument(s)");
            if (name == "open-link" && call.command[1] != "main" && call.command[1] != "pages")
                throw UsageError("open-link takes main or pages, not \"" + call.command[1] + "\"");
            return call;
        }
    }
    throw UsageError("unknown exchange " + call.command[0]);
}

// Runs the exchange and returns its lines after the event log.
std::vector<std::string> RunExchange(const std::vector<std::string>& command, Transport& transport,
                                     LinkHost& host) {
    const std::string& name = command[0];
    if (name == "open-link") {
        UnitIdentity identity;
        const auto result =
            OpenLink(transport, command[1] == "main" ? CmdLink : CmdLinkPages, identity);
        std::vector<std::string> lines;
        if (result == OpenLinkResult::Ok)
            lines.push_back("IDENTITY version=" + std::to_string(identity.DeviceVersion) +
                            " mode=" + std::to_string(identity.DeviceMode) +
                            " text=" + std::to_string(identity.TypeTextId));
        lines.push_back("RESULT " + std::to_string(static_cast<int>(result)));
        return lines;
    }
    if (name == "close-link")
        return {CloseLink(transport) ? "RESULT 1" : "RESULT 0"};

    if (name == "upload") {
        const std::vector<std::uint32_t> image = ReadBinaryFile(command[1]);
        const auto result = UploadFirmware(transport, host, image, image.size());
        return {"RESULT " + std::to_string(static_cast<int>(result))};
    }

    const auto count = static_cast<std::uint8_t>(ParseNumber(command[1], 255, "COUNT"));
    const auto address = static_cast<std::uint8_t>(ParseNumber(command[2], 255, "ADDRESS"));
    if (name == "write-blocks") {
        const auto data = ReadValueFile(command[3], std::numeric_limits<std::uint32_t>::max());
        if (data.size() != count * BlockLength)
            throw UsageError(command[3] + " holds " + std::to_string(data.size()) +
                             " values, expected " + std::to_string(count * BlockLength));
        const auto result = WriteBlocks(transport, host, count, address, data);
        return {"RESULT " + std::to_string(static_cast<int>(result))};
    }
    std::vector<std::uint32_t> data;
    const auto result = ReadBlocks(transport, host, count, address, data);
    std::vector<std::string> lines;
    if (result == BlockResult::Ok) {
        std::vector<std::uint8_t> bytes(data.begin(), data.end());
        lines.push_back("DATA " + HexBytes(bytes));
    }
    lines.push_back("RESULT " + std::to_string(static_cast<int>(result)));
    return lines;
}

} // namespace

int RunLinkTrace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        Invocation call = ParseArguments(args);
        LinkEventLog log;
        SimulatedUnit unit(call.version);
        // A slow verdict is a real wait here too, shown where it happens.
        unit.SetVerdictWait([&log](unsigned ms) {
            log.push_back("DELAY " + std::to_string(ms));
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        });
        if (call.memoryFile) {
            const auto memory = ReadValueFile(*call.memoryFile, 255);
            if (memory.size() != SimulatedUnit::MemorySize)
                throw UsageError(*call.memoryFile + " holds " + std::to_string(memory.size()) +
                                 " values, expected " + std::to_string(SimulatedUnit::MemorySize));
            std::copy(memory.begin(), memory.end(), unit.Memory().begin());
        }
        // The faults are in place before the unit is opened, so that "units"
        // and "unplug-after" see the opening as the program's first call.
        unit.Faults() = call.faults;
        unit.OpenUnit();

        // Files are read before the exchange starts, so a bad file never leaves
        // half a trace behind: the trace is printed only once it is complete.
        TracingTransport transport(unit, log);
        TracingHost host(log);
        const std::vector<std::string> tail = RunExchange(call.command, transport, host);
        for (const std::string& line : log)
            out << line << '\n';
        for (const std::string& line : tail)
            out << line << '\n';
        return 0;
    } catch (const UsageError& error) {
        err << "tunbox-link-trace: " << error.what() << '\n';
        return 2;
    }
}

} // namespace tunbox
