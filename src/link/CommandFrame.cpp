#include "link/CommandFrame.h"

#include "link/Crc16.h"

namespace tunbox {

CommandFrame BuildCommandFrame(std::uint8_t command, std::uint8_t first, std::uint8_t second,
                               std::uint8_t third) {
    CommandFrame frame{FrameHeaderByte, FrameHeaderByte, command, first, second, third, 0, 0};
    StoreFrameCrc(frame);
    return frame;
}

void StoreFrameCrc(CommandFrame& frame) {
    const std::uint16_t crc = Crc16Of(std::span(frame).first(6));
    frame[6] = static_cast<std::uint8_t>(crc & 0xFF);
    frame[7] = static_cast<std::uint8_t>(crc >> 8);
}

bool FrameHeaderValid(const CommandFrame& frame) {
    return frame[0] == FrameHeaderByte && frame[1] == FrameHeaderByte;
}

bool FrameCrcValid(const CommandFrame& frame) {
    const std::uint16_t crc = Crc16Of(std::span(frame).first(6));
    return frame[6] == (crc & 0xFF) && frame[7] == (crc >> 8);
}

bool SendFrame(Transport& transport, const CommandFrame& frame) {
    for (std::uint8_t byte : frame) {
        if (!transport.WriteByte(byte))
            return false;
    }
    return true;
}

bool ReceiveFrame(Transport& transport, CommandFrame& frame) {
    for (std::uint8_t& byte : frame) {
        if (!transport.ReadByte(byte))
            return false;
    }
    return true;
}

} // namespace tunbox
