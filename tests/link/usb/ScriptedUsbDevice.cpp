#include "ScriptedUsbDevice.h"

#include <libusb.h>

#include <algorithm>
#include <utility>

namespace tunbox::test {

ScriptedUsbDevice::ScriptedUsbDevice(UsbId id, std::vector<FakeInterfaceSetting> settings,
                                     std::uint8_t version)
    : id_(id), settings_(std::move(settings)), unit_(version) {
    // The unit's verdict wait becomes a wait of the IN pipe.
    unit_.SetVerdictWait([this](unsigned ms) { delayMs_ += ms; });
    unit_.OpenUnit();
}

void ScriptedUsbDevice::CutNextPacket(std::size_t bytes, bool restArrives) {
    cutAt_ = bytes;
    cutRestArrives_ = restArrives;
}

void ScriptedUsbDevice::SendUnasked(const std::vector<std::uint8_t>& bytes) {
    inPipe_.insert(inPipe_.end(), bytes.begin(), bytes.end());
}

void ScriptedUsbDevice::PullCable() {
    present_ = false;
    ++generation_;
}

void ScriptedUsbDevice::PlugIn() {
    present_ = true;
    ++generation_;
    inPipe_.clear();
    halted_.clear();
    stallAt_.clear();
    zeroLengthArmed_ = zeroLengthDue_ = false;
    cutAt_.reset();
    delayMs_ = 0;
    pullAt_ = 0;
    unit_.OpenUnit(); // powered up afresh: listening for a command
}

int ScriptedUsbDevice::ClearHalts(std::uint8_t endpoint) const {
    const auto found = clearHalts_.find(endpoint);
    return found == clearHalts_.end() ? 0 : found->second;
}

bool ScriptedUsbDevice::Halted(std::uint8_t endpoint) const {
    const auto found = halted_.find(endpoint);
    return found != halted_.end() && found->second;
}

std::size_t ScriptedUsbDevice::BytesWaiting() {
    PullFromUnit();
    return inPipe_.size();
}

const FakeEndpoint* ScriptedUsbDevice::FindEndpoint(std::uint8_t address,
                                                    int interfaceNumber) const {
    for (const FakeInterfaceSetting& setting : settings_) {
        if (setting.number != interfaceNumber)
            continue;
        for (const FakeEndpoint& endpoint : setting.endpoints) {
            if (endpoint.address == address)
                return &endpoint;
        }
    }
    return nullptr;
}

void ScriptedUsbDevice::ClearHalt(std::uint8_t endpoint) {
    halted_[endpoint] = false;
    ++clearHalts_[endpoint];
    if ((endpoint & LIBUSB_ENDPOINT_IN) == 0)
        unit_.OpenUnit(); // what it was receiving is lost
}

void ScriptedUsbDevice::PullFromUnit() {
    std::uint8_t byte = 0;
    while (unit_.ReadByte(byte))
        inPipe_.push_back(byte);
}

int ScriptedUsbDevice::Transfer(const FakeEndpoint& endpoint, unsigned char* data, int length,
                                int* transferred, unsigned timeout) {
    *transferred = 0;
    TransferRecord record{endpoint.address, length, timeout, 0, 0};
    if (pullAt_ > 0 && --pullAt_ == 0)
        PullCable();
    if (!present_) {
        record.result = LIBUSB_ERROR_NO_DEVICE;
    } else if (unsigned& stall = stallAt_[endpoint.address];
               (stall > 0 && --stall == 0) || Halted(endpoint.address)) {
        halted_[endpoint.address] = true;
        record.result = LIBUSB_ERROR_PIPE;
    } else if (endpoint.address & LIBUSB_ENDPOINT_IN) {
        record.result = TransferIn(endpoint, data, length, transferred, timeout);
    } else {
        record.result = TransferOut(endpoint, data, length, transferred);
    }
    record.transferred = *transferred;
    transfers_.push_back(record);
    return record.result;
}

int ScriptedUsbDevice::TransferOut(const FakeEndpoint& /*endpoint*/, const unsigned char* data,
                                   int length, int* transferred) {
    for (int i = 0; i < length; ++i)
        unit_.WriteByte(data[i]);
    *transferred = length;
    return LIBUSB_SUCCESS;
}

int ScriptedUsbDevice::TransferIn(const FakeEndpoint& endpoint, unsigned char* data, int length,
                                  int* transferred, unsigned timeout) {
    PullFromUnit();
    // The wait runs while the unit has something to send but holds it back.
    if (delayMs_ > 0 && !inPipe_.empty()) {
        if (delayMs_ > timeout) {
            delayMs_ -= timeout;
            return LIBUSB_ERROR_TIMEOUT;
        }
        delayMs_ = 0;
    }
    if (std::exchange(zeroLengthDue_, false))
        return LIBUSB_SUCCESS;
    if (inPipe_.empty())
        return LIBUSB_ERROR_TIMEOUT;

    if (cutAt_) {
        const std::size_t count = std::min({*cutAt_, inPipe_.size(), std::size_t(length)});
        std::copy_n(inPipe_.begin(), count, data);
        inPipe_.erase(inPipe_.begin(), inPipe_.begin() + static_cast<std::ptrdiff_t>(count));
        if (!cutRestArrives_)
            inPipe_.clear();
        cutAt_.reset();
        *transferred = static_cast<int>(count);
        return LIBUSB_ERROR_TIMEOUT;
    }

    // Packets of maxPacket bytes until the request is full or a short packet
    // ends it; a full packet with nothing after it leaves the host waiting.
    const int maxPacket = endpoint.maxPacket;
    while (true) {
        const int room = length - *transferred;
        // A packet larger than the room the host left overflows, as on a real bus.
        if (room<maxPacket&& int(inPipe_.size())> room)
            return LIBUSB_ERROR_OVERFLOW;
        const int packet = std::min({maxPacket, room, int(inPipe_.size())});
        std::copy_n(inPipe_.begin(), packet, data + *transferred);
        inPipe_.erase(inPipe_.begin(), inPipe_.begin() + packet);
        *transferred += packet;
        if (packet < maxPacket)
            return LIBUSB_SUCCESS;
        if (*transferred == length) {
            if (std::exchange(zeroLengthArmed_, false))
                zeroLengthDue_ = true;
            return LIBUSB_SUCCESS;
        }
        if (inPipe_.empty())
            return std::exchange(zeroLengthArmed_, false) ? LIBUSB_SUCCESS : LIBUSB_ERROR_TIMEOUT;
    }
}

} // namespace tunbox::test
