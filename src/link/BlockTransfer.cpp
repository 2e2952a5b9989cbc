#include "link/BlockTransfer.h"

#include "link/CommandFrame.h"
#include "link/Crc16.h"

#include <algorithm>

namespace tunbox {
namespace {

// The unit takes the data at this pace: a gap after the command, after every
// packet, an extra one after every fourth packet, between the CRC bytes and
// before the answer.
constexpr int StepPauseMs = 10;

int Percent(std::size_t done, std::size_t total) {
    return static_cast<int>(100 * done / total);
}

} // namespace

BlockResult WriteBlocks(Transport& transport, LinkHost& host, std::uint8_t blockCount,
                        std::uint8_t blockAddress, const std::vector<std::uint32_t>& data) {
    const std::size_t n = BlockLength * blockCount;
    if (data.size() < n)
        return BlockResult::CommandFailed;

    if (!SendFrame(transport, BuildCommandFrame(CmdWriteBlocks, blockCount, blockAddress)))
        return BlockResult::CommandFailed;
    host.SetProgress(0);
    host.ShowStatus(MsgWritingParameters, 0);
    host.Pause(StepPauseMs);

    std::vector<std::uint8_t> stream(n + 4);
    stream[0] = DataMarkByte;
    stream[1] = DataMarkByte;
    for (std::size_t i = 0; i < n; ++i)
        stream[i + 2] = static_cast<std::uint8_t>(data[i] & 0xFF);
    const std::uint16_t crc = Crc16Of(std::span(stream).first(n + 2));
    stream[n + 2] = static_cast<std::uint8_t>(crc & 0xFF);
    stream[n + 3] = static_cast<std::uint8_t>(crc >> 8);

    std::uint8_t packet[PacketLength];
    std::size_t packetFill = 0;
    unsigned packetsSent = 0;
    for (std::size_t l = 0; l < n + 4; ++l) {
        if (l < 2) {
            if (!transport.WriteByte(stream[l]))
                return BlockResult::StreamWriteFailed;
        } else if (l < n + 2) {
            packet[packetFill++] = stream[l];
            if (packetFill == PacketLength) {
                if (!transport.WritePacket(packet))
                    return BlockResult::StreamWriteFailed;
                packetFill = 0;
                host.Pause(StepPauseMs);
                if (++packetsSent % 4 == 0)
                    host.Pause(StepPauseMs);
            }
        } else if (l == n + 2) {
            if (!transport.WriteByte(stream[l]))
                return BlockResult::StreamWriteFailed;
            host.Pause(StepPauseMs);
            if (!transport.WriteByte(stream[l + 1]))
                return BlockResult::StreamWriteFailed;
        }
        if ((l + 1) % 8 == 0) {
            const int percent = Percent(l + 1, n + 4);
            host.SetProgress(percent);
            host.ShowStatus(MsgWritingParameters, percent);
            host.ProcessEvents();
        }
    }
    host.SetProgress(100);
    host.ShowStatus(MsgWritingParameters, 100);
    host.Pause(StepPauseMs);

    CommandFrame answer{};
    if (!ReceiveFrame(transport, answer))
        return BlockResult::AnswerFailed;
    if (answer[3] != 0) {
        host.SetProgress(0);
        return BlockResult::Rejected;
    }
    return BlockResult::Ok;
}

BlockResult ReadBlocks(Transport& transport, LinkHost& host, std::uint8_t blockCount,
                       std::uint8_t blockAddress, std::vector<std::uint32_t>& data) {
    const std::size_t n = BlockLength * blockCount;
    if (!SendFrame(transport, BuildCommandFrame(CmdReadBlocks, blockCount, blockAddress)))
        return BlockResult::CommandFailed;
    host.Pause(StepPauseMs);
    host.SetProgress(0);
    host.ShowStatus(MsgReadingParameters, 0);

    std::vector<std::uint8_t> stream(n + 4);
    if (!transport.ReadByte(stream[0]) || !transport.ReadByte(stream[1]))
        return BlockResult::StreamReadFailed;
    if (stream[0] != DataMarkByte || stream[1] != DataMarkByte)
        return BlockResult::BadMark;

    std::uint8_t packet[PacketLength];
    for (std::size_t k = 0; k < n; k += PacketLength) {
        if (!transport.ReadPacket(packet))
            return BlockResult::StreamReadFailed;
        for (std::size_t j = 0; j < PacketLength; ++j) {
            const std::size_t i = k + j;
            stream[i + 2] = packet[j];
            const int percent = Percent(i + 1, n + 4);
            host.SetProgress(percent);
            host.ShowStatus(MsgReadingParameters, percent);
        }
    }
    if (!transport.ReadByte(stream[n + 2]) || !transport.ReadByte(stream[n + 3]))
        return BlockResult::StreamReadFailed;
    host.SetProgress(100);
    host.ShowStatus(MsgReadingParameters, 100);

    const std::uint16_t crc = Crc16Of(std::span(stream).first(n + 2));
    if (stream[n + 2] != (crc & 0xFF) || stream[n + 3] != (crc >> 8))
        return BlockResult::BadCrc;

    data.assign(stream.begin() + 2, stream.begin() + 2 + static_cast<std::ptrdiff_t>(n));
    host.ShowStatus(MsgParametersRead, 0);
    return BlockResult::Ok;
}

} // namespace tunbox
