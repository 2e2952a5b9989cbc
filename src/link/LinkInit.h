#pragma once

#include "link/Transport.h"
#include "link/UnitIdentity.h"

#include <cstdint>

namespace tunbox {

enum class OpenLinkResult : int {
    Ok = 0,            // unit identified
    SendFailed = 1,    // a byte of the command frame could not be written
    ReceiveFailed = 2, // a byte of the answer could not be read
    BadHeader = 3,     // answer bytes 0 and 1 are not both 0x55
    BadCrc = 4,        // answer CRC does not match
};

// Initialises the link and identifies the unit. `command` is CmdLink from the
// main page or CmdLinkPages from the backup and settings pages. On Ok the
// unit's identity is written to `identity`; on any other result `identity` is
// left as it was. Neither exchange shows progress or pauses.
OpenLinkResult OpenLink(Transport& transport, std::uint8_t command, UnitIdentity& identity);

// Sends the link-break frame; no answer is expected. True when all 8 bytes
// were written.
bool CloseLink(Transport& transport);

} // namespace tunbox
