#pragma once

#include "ScriptedUsbDevice.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tunbox::test {

// An open handle of the fake libusb.
struct FakeHandle {
    ScriptedUsbDevice* device = nullptr;
    unsigned generation = 0; // of the device when opened; a pulled cable ends it
    std::set<int> claimed;
    bool autoDetach = false;
    std::set<int> detached; // interfaces whose kernel driver we detached
};

// The USB bus the fake libusb shows: the devices plugged in, failures of
// libusb itself, and the count of everything the host took and must give
// back.
class FakeUsbBus {
  public:
    static FakeUsbBus& Instance();

    // No devices, no failures, nothing outstanding.
    void Reset();
    ScriptedUsbDevice& Plug(UsbId id, std::vector<FakeInterfaceSetting> settings,
                            std::uint8_t version = 104);
    const std::vector<std::unique_ptr<ScriptedUsbDevice>>& Devices() const { return devices_; }

    // libusb_init and libusb_get_device_list fail with these results when
    // not 0.
    int initResult = 0;
    int listResult = 0;

    // Outstanding resources, changed by the fake libusb.
    int contexts = 0;
    int deviceLists = 0;
    int configDescriptors = 0;
    std::set<FakeHandle*> handles;
    int closedWhileClaimed = 0;
    int claims = 0; // libusb_claim_interface calls that succeeded

    // Empty when the host gave back everything it took; otherwise what it kept.
    std::string Leaks() const;

  private:
    std::vector<std::unique_ptr<ScriptedUsbDevice>> devices_;
};

} // namespace tunbox::test
