#include "link/UsbReceiveBuffer.h"

#include <utility>

namespace tunbox {

UsbReceiveBuffer::UsbReceiveBuffer(Receive receive) : receive_(std::move(receive)) {}

bool UsbReceiveBuffer::Fill() {
    std::vector<std::uint8_t> arrived;
    if (!receive_(arrived) || arrived.empty())
        return false;
    bytes_.insert(bytes_.end(), arrived.begin(), arrived.end());
    return true;
}

bool UsbReceiveBuffer::ReadByte(std::uint8_t& byte) {
    if (bytes_.empty() && !Fill())
        return false;
    byte = bytes_.front();
    bytes_.pop_front();
    return true;
}

bool UsbReceiveBuffer::ReadPacket(std::uint8_t (&packet)[PacketLength]) {
    while (bytes_.size() < PacketLength) {
        if (!Fill())
            return false;
    }
    for (std::uint8_t& byte : packet) {
        byte = bytes_.front();
        bytes_.pop_front();
    }
    return true;
}

void UsbReceiveBuffer::Clear() {
    bytes_.clear();
}

} // namespace tunbox
