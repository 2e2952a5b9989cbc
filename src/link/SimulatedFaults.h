#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tunbox {

// Faults a SimulatedUnit can be told to show.
struct SimulatedFaults {
    // The n-th write call (byte or packet, counted from 1 over the unit's life)
    // fails and delivers nothing; 0 for none.
    unsigned failWriteCall = 0;
    // The n-th read call (byte or packet, counted from 1) fails; 0 for none.
    unsigned failReadCall = 0;
    // The answer to a link initialisation starts with 0xAA instead of 0x55
    // (its CRC still matches its bytes).
    bool badHeader = false;
    // The answer to a link initialisation carries its CRC bytes swapped.
    bool badCrc = false;
    // Byte 3 of the answer to a block write or a firmware upload when the unit
    // would otherwise accept; anything but 0 is a refusal and nothing is stored.
    std::uint8_t answerStatus = 0;
    // When 0 or 1, that byte of a block-read stream's mark is sent as 0x55.
    int wrongMarkByte = -1;
    // When 0 or more, that data byte of a block-read stream is changed after
    // its CRC was computed.
    int changedStreamByte = -1;
    // The unit takes everything and never answers.
    bool silent = false;
    // Units present on the bus: 0, 1 or 2.
    unsigned unitCount = 1;
    // The cable is pulled after this many transport calls (OpenUnit, writes,
    // reads and flushes, counted from 1; DeviceCount and CloseUnit do not
    // count): every later call fails and OpenUnit finds no unit.
    std::optional<unsigned> unplugAfterCall;
    // Milliseconds the unit takes, as a real unit writing its memory does,
    // before its verdict on a block write or a firmware upload can be read:
    // the first read of the answer waits that long. At most
    // MaxVerdictDelayMs, which stays below the USB transport's bound on a
    // verdict read, so a slow unit is never taken for a silent one.
    unsigned verdictDelayMs = 0;
};

inline constexpr unsigned MaxVerdictDelayMs = 20000;

// The fault options as TUNBOX_SIMULATED_UNIT ("name" or "name=value") and
// tunbox-link-trace ("--name" or "--name value") spell them:
//   units=N          0, 1 or 2 units present
//   fail-write=K     the K-th write call fails (0: none)
//   fail-read=K      the K-th read call fails (0: none)
//   answer-status=B  byte 3 of the answer to a block write or upload, 0..255
//   bad-header       the answer to a link initialisation has a wrong header
//   bad-crc          the answer to a link initialisation has a wrong CRC
//   bad-mark         a block-read stream's second mark byte is wrong
//   bad-data         a block-read stream has its first data byte changed
//   silent           the unit never answers
//   unplug-after=K   every transport call after the K-th fails
//   slow-verdict=MS  the verdict on a block write or upload takes MS ms
enum class FaultOptionKind { Flag, Number };

// Whether `name` is a fault option and whether it takes a number; nothing for
// an unknown name.
std::optional<FaultOptionKind> FaultOptionKindOf(std::string_view name);

// Applies one fault option to `faults`. `value` is the option's number as
// text, present exactly when the option takes one. Returns an empty text when
// applied, otherwise one line saying what is wrong; `faults` is then unchanged.
std::string ApplyFaultOption(SimulatedFaults& faults, std::string_view name,
                             std::optional<std::string_view> value);

} // namespace tunbox
