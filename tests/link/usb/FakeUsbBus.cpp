#include "FakeUsbBus.h"

namespace tunbox::test {

FakeUsbBus& FakeUsbBus::Instance() {
    static FakeUsbBus bus;
    return bus;
}

void FakeUsbBus::Reset() {
    for (FakeHandle* handle : handles)
        delete handle;
    handles.clear();
    devices_.clear();
    initResult = listResult = 0;
    contexts = deviceLists = configDescriptors = closedWhileClaimed = claims = 0;
}

ScriptedUsbDevice& FakeUsbBus::Plug(UsbId id, std::vector<FakeInterfaceSetting> settings,
                                    std::uint8_t version) {
    devices_.push_back(std::make_unique<ScriptedUsbDevice>(id, std::move(settings), version));
    return *devices_.back();
}

std::string FakeUsbBus::Leaks() const {
    std::string leaks;
    auto note = [&leaks](int count, const char* what) {
        if (count != 0)
            leaks += std::to_string(count) + " " + what + "; ";
    };
    note(contexts, "contexts");
    note(deviceLists, "device lists");
    note(configDescriptors, "config descriptors");
    note(static_cast<int>(handles.size()), "open handles");
    note(closedWhileClaimed, "handles closed with a claimed interface");
    for (const auto& device : devices_)
        note(device->refs, "device references");
    return leaks;
}

} // namespace tunbox::test
