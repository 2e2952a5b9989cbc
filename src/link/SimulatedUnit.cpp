#include "link/SimulatedUnit.h"

#include "link/BlockTransfer.h"
#include "link/Crc16.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace tunbox {

namespace {

void Sleep(unsigned ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

SimulatedUnit::SimulatedUnit(std::uint8_t version) : version_(version), verdictWait_(Sleep) {}

SimulatedUnit::SimulatedUnit(std::uint8_t version, std::span<const std::uint8_t> settings)
    : SimulatedUnit(version) {
    for (std::size_t k = 0; k + 1 < RegistrationSize; ++k)
        memory_[k] = static_cast<std::uint8_t>(k % 251);
    memory_[RegistrationSize - 1] = StartingConfigurationCode;
    const auto settingsBlock = memory_.begin() + SettingsBlockAddress * BlockLength;
    std::copy_n(settings.begin(), std::min(settings.size(), BlockLength), settingsBlock);
}

// Counts one transport call; false once the cable is pulled.
bool SimulatedUnit::Plugged() {
    ++transportCalls_;
    return !faults_.unplugAfterCall || transportCalls_ <= *faults_.unplugAfterCall;
}

bool SimulatedUnit::OpenUnit() {
    if (!Plugged()) {
        deviceCount_ = 0;
        return false;
    }
    deviceCount_ = faults_.unitCount;
    if (deviceCount_ >= 2)
        open_ = false;
    if (deviceCount_ != 1)
        return false;
    open_ = true;
    ResetReceiver();
    outgoing_.clear();
    return true;
}

void SimulatedUnit::CloseUnit() {
    open_ = false;
}

unsigned SimulatedUnit::DeviceCount() const {
    return deviceCount_;
}

bool SimulatedUnit::CountWrite() {
    const bool plugged = Plugged();
    ++writeCalls_;
    return plugged && open_ && writeCalls_ != faults_.failWriteCall;
}

bool SimulatedUnit::CountRead() {
    const bool plugged = Plugged();
    ++readCalls_;
    if (!plugged)
        return false;
    // A unit that has taken a whole image answers once the program starts
    // listening; it does so even if that read then fails.
    if (state_ == State::Firmware)
        FinishFirmware();
    if (std::exchange(verdictDue_, false) && faults_.verdictDelayMs > 0)
        verdictWait_(std::min(faults_.verdictDelayMs, MaxVerdictDelayMs));
    return open_ && readCalls_ != faults_.failReadCall;
}

bool SimulatedUnit::WriteByte(std::uint8_t byte) {
    if (!CountWrite())
        return false;
    Receive(byte);
    return true;
}

bool SimulatedUnit::WritePacket(const std::uint8_t (&packet)[PacketLength]) {
    if (!CountWrite())
        return false;
    for (std::uint8_t byte : packet)
        Receive(byte);
    return true;
}

bool SimulatedUnit::ReadByte(std::uint8_t& byte) {
    if (!CountRead() || outgoing_.empty())
        return false;
    byte = outgoing_.front();
    outgoing_.pop_front();
    return true;
}

bool SimulatedUnit::ReadPacket(std::uint8_t (&packet)[PacketLength]) {
    if (!CountRead() || outgoing_.size() < PacketLength)
        return false;
    for (std::uint8_t& byte : packet) {
        byte = outgoing_.front();
        outgoing_.pop_front();
    }
    return true;
}

void SimulatedUnit::FlushWritePipe() {
    Plugged();
}

void SimulatedUnit::FlushReadPipe() {
    if (Plugged())
        outgoing_.clear();
}

void SimulatedUnit::ResetReceiver() {
    state_ = State::Command;
    received_.clear();
    verdictDue_ = false;
}

void SimulatedUnit::Receive(std::uint8_t byte) {
    received_.push_back(byte);
    switch (state_) {
    case State::Command:
        // Look for a frame: skip bytes until 0x55 0x55, ignore frames whose
        // CRC is wrong.
        if (received_.size() == 1 && byte != FrameHeaderByte) {
            received_.clear();
        } else if (received_.size() == 2 && byte != FrameHeaderByte) {
            received_.clear();
        } else if (received_.size() == 8) {
            CommandFrame frame;
            std::copy(received_.begin(), received_.end(), frame.begin());
            received_.clear();
            if (FrameCrcValid(frame))
                HandleCommand(frame);
        }
        break;
    case State::BlockData:
        if (received_.size() == blockCount_ * BlockLength + 4)
            FinishBlockWrite();
        break;
    case State::Firmware:
        firmware_.push_back(byte);
        received_.clear();
        break;
    }
}

void SimulatedUnit::HandleCommand(const CommandFrame& frame) {
    const std::uint8_t command = frame[2];
    const std::size_t first = frame[4];
    const std::size_t count = frame[3];
    const bool inMemory = count > 0 && first + count <= BlockCount;

    if ((command == CmdLink || command == CmdLinkPages) && frame[3] == LinkInitParam) {
        Answer(command, version_);
    } else if (command == CmdReadBlocks && inMemory) {
        if (faults_.silent)
            return;
        std::vector<std::uint8_t> stream{DataMarkByte, DataMarkByte};
        const auto begin = memory_.begin() + static_cast<std::ptrdiff_t>(first * BlockLength);
        stream.insert(stream.end(), begin,
                      begin + static_cast<std::ptrdiff_t>(count * BlockLength));
        const std::uint16_t crc = Crc16Of(stream);
        stream.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        stream.push_back(static_cast<std::uint8_t>(crc >> 8));
        if (faults_.wrongMarkByte == 0 || faults_.wrongMarkByte == 1)
            stream[static_cast<std::size_t>(faults_.wrongMarkByte)] = FrameHeaderByte;
        if (faults_.changedStreamByte >= 0 &&
            static_cast<std::size_t>(faults_.changedStreamByte) < count * BlockLength)
            stream[static_cast<std::size_t>(faults_.changedStreamByte) + 2] ^= 0x01;
        outgoing_.insert(outgoing_.end(), stream.begin(), stream.end());
    } else if (command == CmdWriteBlocks && count > 0) {
        state_ = State::BlockData;
        blockStart_ = first;
        blockCount_ = count;
    } else if (command == CmdFirmware) {
        state_ = State::Firmware;
        firmwareVersion_ = frame[3];
        firmware_.assign(frame.begin(), frame.end());
    }
    // A link break, and anything the unit does not know, gets no answer.
}

void SimulatedUnit::FinishBlockWrite() {
    const std::vector<std::uint8_t> stream = std::exchange(received_, {});
    state_ = State::Command;

    const std::size_t n = blockCount_ * BlockLength;
    const std::uint16_t crc = Crc16Of(std::span(stream).first(n + 2));
    const bool intact = stream[0] == DataMarkByte && stream[1] == DataMarkByte &&
                        stream[n + 2] == (crc & 0xFF) && stream[n + 3] == (crc >> 8) &&
                        blockStart_ + blockCount_ <= BlockCount;
    std::uint8_t status = intact ? faults_.answerStatus : 1;
    if (status == 0) {
        std::copy(stream.begin() + 2, stream.begin() + 2 + static_cast<std::ptrdiff_t>(n),
                  memory_.begin() + static_cast<std::ptrdiff_t>(blockStart_ * BlockLength));
    }
    Answer(CmdWriteBlocks, status);
    verdictDue_ = true;
}

void SimulatedUnit::FinishFirmware() {
    state_ = State::Command;
    received_.clear();
    if (faults_.answerStatus == 0)
        version_ = firmwareVersion_;
    Answer(CmdFirmware, faults_.answerStatus);
    verdictDue_ = true;
}

void SimulatedUnit::Answer(std::uint8_t command, std::uint8_t value) {
    if (faults_.silent)
        return;
    CommandFrame answer = BuildCommandFrame(command, value, 0);
    if (command == CmdLink || command == CmdLinkPages) {
        if (faults_.badHeader) {
            answer[0] = DataMarkByte;
            StoreFrameCrc(answer);
        }
        if (faults_.badCrc) {
            std::swap(answer[6], answer[7]);
            if (answer[6] == answer[7])
                answer[7] ^= 0xFF;
        }
    }
    outgoing_.insert(outgoing_.end(), answer.begin(), answer.end());
}

} // namespace tunbox
