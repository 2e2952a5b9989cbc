#include "link/SimulatedFaults.h"

#include <charconv>
#include <limits>

namespace tunbox {
namespace {

struct FaultOption {
    std::string_view name;
    FaultOptionKind kind;
    unsigned max; // largest number a Number option takes
    void (*apply)(SimulatedFaults& faults, unsigned value);
};

constexpr unsigned AnyCount = std::numeric_limits<unsigned>::max();

constexpr FaultOption Options[] = {
    {"units", FaultOptionKind::Number, 2, [](SimulatedFaults& f, unsigned v) { f.unitCount = v; }},
    {"fail-write", FaultOptionKind::Number, AnyCount,
     [](SimulatedFaults& f, unsigned v) { f.failWriteCall = v; }},
    {"fail-read", FaultOptionKind::Number, AnyCount,
     [](SimulatedFaults& f, unsigned v) { f.failReadCall = v; }},
    {"answer-status", FaultOptionKind::Number, 255,
     [](SimulatedFaults& f, unsigned v) { f.answerStatus = static_cast<std::uint8_t>(v); }},
    {"bad-header", FaultOptionKind::Flag, 0,
     [](SimulatedFaults& f, unsigned) { f.badHeader = true; }},
    {"bad-crc", FaultOptionKind::Flag, 0, [](SimulatedFaults& f, unsigned) { f.badCrc = true; }},
    {"bad-mark", FaultOptionKind::Flag, 0,
     [](SimulatedFaults& f, unsigned) { f.wrongMarkByte = 1; }},
    {"bad-data", FaultOptionKind::Flag, 0,
     [](SimulatedFaults& f, unsigned) { f.changedStreamByte = 0; }},
    {"silent", FaultOptionKind::Flag, 0, [](SimulatedFaults& f, unsigned) { f.silent = true; }},
    {"unplug-after", FaultOptionKind::Number, AnyCount,
     [](SimulatedFaults& f, unsigned v) { f.unplugAfterCall = v; }},
    {"slow-verdict", FaultOptionKind::Number, MaxVerdictDelayMs,
     [](SimulatedFaults& f, unsigned v) { f.verdictDelayMs = v; }},
};

const FaultOption* Find(std::string_view name) {
    for (const FaultOption& option : Options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

} // namespace

std::optional<FaultOptionKind> FaultOptionKindOf(std::string_view name) {
    if (const FaultOption* option = Find(name))
        return option->kind;
    return std::nullopt;
}

std::string ApplyFaultOption(SimulatedFaults& faults, std::string_view name,
                             std::optional<std::string_view> value) {
    const FaultOption* option = Find(name);
    if (option == nullptr)
        return "unknown fault " + std::string(name);
    if (option->kind == FaultOptionKind::Flag) {
        if (value)
            return std::string(name) + " takes no value";
        option->apply(faults, 0);
        return {};
    }
    if (!value)
        return std::string(name) + " needs a value";
    unsigned number = 0;
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number, 10);
    if (value->empty() || error != std::errc() || stop != end || number > option->max)
        return std::string(name) + " must be a number 0.." + std::to_string(option->max) +
               ", not \"" + std::string(*value) + "\"";
    option->apply(faults, number);
    return {};
}

} // namespace tunbox
