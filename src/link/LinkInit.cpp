#include "link/LinkInit.h"

#include "link/CommandFrame.h"

namespace tunbox {

OpenLinkResult OpenLink(Transport& transport, std::uint8_t command, UnitIdentity& identity) {
    const CommandFrame request = BuildCommandFrame(command, LinkInitParam, 0);
    transport.FlushWritePipe();
    transport.FlushReadPipe();
    if (!SendFrame(transport, request))
        return OpenLinkResult::SendFailed;
    transport.FlushWritePipe();

    CommandFrame answer{};
    if (!ReceiveFrame(transport, answer))
        return OpenLinkResult::ReceiveFailed;
    if (!FrameHeaderValid(answer))
        return OpenLinkResult::BadHeader;
    if (!FrameCrcValid(answer))
        return OpenLinkResult::BadCrc;
    transport.FlushReadPipe();

    identity = IdentifyUnit(answer[3]);
    transport.FlushWritePipe();
    return OpenLinkResult::Ok;
}

bool CloseLink(Transport& transport) {
    const CommandFrame request = BuildCommandFrame(CmdLink, LinkBreakParam, 0);
    transport.FlushWritePipe();
    transport.FlushReadPipe();
    const bool sent = SendFrame(transport, request);
    transport.FlushWritePipe();
    return sent;
}

} // namespace tunbox
