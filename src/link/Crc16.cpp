#include "link/Crc16.h"

namespace tunbox {

void Crc16Update(std::uint16_t& crc, std::uint8_t byte) {
    for (int bit = 0; bit < 8; ++bit) {
        const bool carry = ((byte ^ crc) & 1u) != 0;
        crc = static_cast<std::uint16_t>(crc >> 1);
        if (carry)
            crc ^= 0xA001;
        byte = static_cast<std::uint8_t>(byte >> 1);
    }
}

std::uint16_t Crc16Of(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (std::uint8_t byte : bytes)
        Crc16Update(crc, byte);
    return crc;
}

} // namespace tunbox
