#pragma once

#include "link/SimulatedUnit.h"
#include "link/UsbIds.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace tunbox::test {

// One endpoint of a scripted device's interface setting.
struct FakeEndpoint {
    std::uint8_t address = 0; // bit 7 set for IN
    bool interrupt = false;   // interrupt endpoint; otherwise bulk
    std::uint16_t maxPacket = 64;
};

// One alternate setting of one interface.
struct FakeInterfaceSetting {
    std::uint8_t number = 0;
    std::uint8_t alternate = 0;
    std::vector<FakeEndpoint> endpoints;
};

// What one transfer asked for and got, for the tests to look at.
struct TransferRecord {
    std::uint8_t endpoint = 0;
    int length = 0;
    unsigned timeout = 0;
    int result = 0; // a libusb result code
    int transferred = 0;
};

// A USB device as the fake libusb shows it: descriptors, and behind its two
// pipes the unit's side of the link (a SimulatedUnit). Bytes written to its
// OUT endpoint go to the unit; what the unit answers waits in the IN pipe and
// goes out one packet of at most maxPacket bytes per transfer. Faults are
// scripted ahead and happen at the transfer they name. Nothing here sleeps:
// a wait longer than a transfer's time-out makes that transfer time out and
// uses up its time-out of the wait.
class ScriptedUsbDevice {
  public:
    ScriptedUsbDevice(UsbId id, std::vector<FakeInterfaceSetting> settings,
                      std::uint8_t version = 104);

    UsbId Id() const { return id_; }
    const std::vector<FakeInterfaceSetting>& Settings() const { return settings_; }
    SimulatedUnit& Unit() { return unit_; }

    // --- faults ---
    // The endpoint halts at its n-th transfer from now (1: the next): that
    // and every later transfer on it fail with a stall until the host clears
    // the halt. Clearing the OUT endpoint's halt also ends whatever the unit
    // was receiving, so it listens for a command again.
    void StallAtTransfer(std::uint8_t endpoint, unsigned n) { stallAt_[endpoint] = n; }
    // The next IN transfer that ends on a full packet is followed by a
    // zero-length packet.
    void ZeroLengthAfterNextFullPacket() { zeroLengthArmed_ = true; }
    // The next IN transfer with data delivers only `bytes` and then times
    // out; the rest comes with the next transfer, or never.
    void CutNextPacket(std::size_t bytes, bool restArrives);
    // The unit's next answer comes only after `ms` milliseconds.
    void DelayNextAnswer(unsigned ms) { delayMs_ += ms; }
    // Bytes the unit sends unasked; they wait in the IN pipe.
    void SendUnasked(const std::vector<std::uint8_t>& bytes);
    // The cable is pulled during the n-th transfer from now (1: the next):
    // it fails with "no device" and the device is gone.
    void PullCableAtTransfer(unsigned n) { pullAt_ = n; }
    void PullCable();
    // Plugged in again: a fresh start for the unit, a new address on the bus.
    void PlugIn();

    // libusb_open fails with this result when not 0 (LIBUSB_ERROR_ACCESS...).
    int openResult = 0;
    // A kernel driver holds the interface; libusb can detach it only where
    // the platform supports that.
    bool kernelDriverAttached = false;
    bool canDetachKernelDriver = true;

    // --- observation ---
    bool Present() const { return present_; }
    unsigned Generation() const { return generation_; }
    const std::vector<TransferRecord>& Transfers() const { return transfers_; }
    int ClearHalts(std::uint8_t endpoint) const;
    bool Halted(std::uint8_t endpoint) const;
    // Bytes waiting in the IN pipe (sent by the unit, not yet read).
    std::size_t BytesWaiting();

    // --- used by the fake libusb ---
    const FakeEndpoint* FindEndpoint(std::uint8_t address, int interfaceNumber) const;
    int Transfer(const FakeEndpoint& endpoint, unsigned char* data, int length, int* transferred,
                 unsigned timeout);
    void ClearHalt(std::uint8_t endpoint);
    int refs = 0; // references the host holds (device lists, opens)

  private:
    int TransferIn(const FakeEndpoint& endpoint, unsigned char* data, int length, int* transferred,
                   unsigned timeout);
    int TransferOut(const FakeEndpoint& endpoint, const unsigned char* data, int length,
                    int* transferred);
    void PullFromUnit();

    UsbId id_;
    std::vector<FakeInterfaceSetting> settings_;
    SimulatedUnit unit_;
    bool present_ = true;
    unsigned generation_ = 0;

    std::deque<std::uint8_t> inPipe_;
    std::map<std::uint8_t, bool> halted_;
    std::map<std::uint8_t, unsigned> stallAt_;
    std::map<std::uint8_t, int> clearHalts_;
    bool zeroLengthArmed_ = false;
    bool zeroLengthDue_ = false;
    std::optional<std::size_t> cutAt_;
    bool cutRestArrives_ = true;
    unsigned delayMs_ = 0;
    unsigned pullAt_ = 0;
    std::vector<TransferRecord> transfers_;
};

} // namespace tunbox::test
