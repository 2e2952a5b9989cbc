#include "link/FirmwareUpload.h"

#include "link/CommandFrame.h"

namespace tunbox {
namespace {

constexpr int PacketGroupPauseMs = 10; // after every fourth packet
constexpr int LastBytePauseMs = 10;    // between the last two bytes
constexpr int AnswerPauseMs = 25;      // before the unit's verdict is read

std::uint8_t LowByte(std::uint32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

UploadResult UploadFirmware(Transport& transport, LinkHost& host,
                            const std::vector<std::uint32_t>& image, std::size_t size) {
    if (size > image.size())
        return UploadResult::WriteFailed;

    host.SetProgress(0);
    host.ShowStatus(MsgWritingFirmware, 0);

    // The body goes out only in complete packets of image positions
    // 8 + 64m .. 71 + 64m. The last two positions are always sent singly as
    // well, so an image of 10 + 64n bytes goes out exactly once, byte for byte.
    std::uint8_t packet[PacketLength];
    unsigned packetsSincePause = 0;
    int stepCounter = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (i <= 7) {
            if (!transport.WriteByte(LowByte(image[i])))
                return UploadResult::WriteFailed;
        } else {
            packet[(i - 8) % PacketLength] = LowByte(image[i]);
            if ((i - 7) % PacketLength == 0) {
                if (!transport.WritePacket(packet))
                    return UploadResult::WriteFailed;
                ++packetsSincePause;
            }
        }
        if (packetsSincePause != 0 && packetsSincePause % 4 == 0) {
            packetsSincePause = 0;
            host.Pause(PacketGroupPauseMs);
        }
        if (size >= 2 && i == size - 2) {
            if (!transport.WriteByte(LowByte(image[i])))
                return UploadResult::WriteFailed;
            host.Pause(LastBytePauseMs);
            if (!transport.WriteByte(LowByte(image[i + 1])))
                return UploadResult::WriteFailed;
        }
        if (stepCounter >= 7) {
            stepCounter = -1;
            // 64-bit so that no image size can overflow the percentage.
            const auto percent = static_cast<int>((100 * static_cast<std::uint64_t>(i) + 100) /
                                                  (static_cast<std::uint64_t>(size) + 7));
            host.SetProgress(percent);
            host.ProcessEvents();
            host.ShowStatus(MsgWritingFirmware, percent);
        }
        ++stepCounter;
    }
    host.SetProgress(100);
    host.ShowStatus(MsgWritingFirmware, 100);
    host.Pause(AnswerPauseMs);

    CommandFrame answer{};
    if (!ReceiveFrame(transport, answer))
        return UploadResult::AnswerFailed;
    if (answer[3] != 0) {
        host.SetProgress(0);
        return UploadResult::Rejected;
    }
    return UploadResult::Ok;
}

} // namespace tunbox
