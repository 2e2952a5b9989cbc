#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tunbox {

// One line per event on the link, in the order they happened. The transport
// side writes "W xx", "WP <128 hex digits>", "R xx", "RP <128 hex digits>",
// a failed call as its mnemonic and " !" ("W !"), "FW" and "FR" for flushes;
// the host side writes "PAUSE n", "PROGRESS n", "YIELD" and "STATUS id n";
// the trace tool's simulated unit writes "DELAY n" when it waits n ms before
// a verdict.
using LinkEventLog = std::vector<std::string>;

// Lower-case hex digits of `bytes`, two per byte, no separators.
std::string HexBytes(std::span<const std::uint8_t> bytes);

} // namespace tunbox
