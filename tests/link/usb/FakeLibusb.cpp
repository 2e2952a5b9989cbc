// The libusb calls LibusbTransport makes, over the devices of FakeUsbBus, so
// that the real backend can be tested without a unit. The opaque libusb types
// stand for the fake's own objects: a libusb_device* is a ScriptedUsbDevice*,
// a libusb_device_handle* a FakeHandle*, a libusb_context* a FakeContext*.
#include "FakeUsbBus.h"

#include <libusb.h>

#include <algorithm>
#include <map>
#include <memory>

using tunbox::test::FakeEndpoint;
using tunbox::test::FakeHandle;
using tunbox::test::FakeInterfaceSetting;
using tunbox::test::FakeUsbBus;
using tunbox::test::ScriptedUsbDevice;

namespace {

struct FakeContext {
    int unused = 0;
};

ScriptedUsbDevice* DeviceOf(libusb_device* device) {
    return reinterpret_cast<ScriptedUsbDevice*>(device);
}

libusb_device* AsLibusb(ScriptedUsbDevice* device) {
    return reinterpret_cast<libusb_device*>(device);
}

FakeHandle* HandleOf(libusb_device_handle* handle) {
    return reinterpret_cast<FakeHandle*>(handle);
}

// A handle works while its device stays plugged in since it was opened.
bool Live(const FakeHandle* handle) {
    return handle->device->Present() && handle->device->Generation() == handle->generation;
}

// A config descriptor and the arrays it points into.
struct ConfigHolder {
    libusb_config_descriptor config{};
    std::vector<libusb_interface> interfaces;
    std::vector<std::vector<libusb_interface_descriptor>> settings;
    std::vector<std::vector<std::vector<libusb_endpoint_descriptor>>> endpoints;
};

std::map<const libusb_config_descriptor*, std::unique_ptr<ConfigHolder>>& Configs() {
    static std::map<const libusb_config_descriptor*, std::unique_ptr<ConfigHolder>> configs;
    return configs;
}

std::unique_ptr<ConfigHolder> BuildConfig(const std::vector<FakeInterfaceSetting>& settings) {
    auto holder = std::make_unique<ConfigHolder>();
    std::vector<std::uint8_t> numbers;
    for (const FakeInterfaceSetting& setting : settings) {
        if (std::find(numbers.begin(), numbers.end(), setting.number) == numbers.end())
            numbers.push_back(setting.number);
    }
    holder->settings.resize(numbers.size());
    holder->endpoints.resize(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (const FakeInterfaceSetting& setting : settings) {
            if (setting.number != numbers[i])
                continue;
            std::vector<libusb_endpoint_descriptor> endpoints;
            for (const FakeEndpoint& endpoint : setting.endpoints) {
                libusb_endpoint_descriptor e{};
                e.bLength = LIBUSB_DT_ENDPOINT_SIZE;
                e.bDescriptorType = LIBUSB_DT_ENDPOINT;
                e.bEndpointAddress = endpoint.address;
                e.bmAttributes =
                    endpoint.interrupt ? LIBUSB_TRANSFER_TYPE_INTERRUPT : LIBUSB_TRANSFER_TYPE_BULK;
                e.wMaxPacketSize = endpoint.maxPacket;
                endpoints.push_back(e);
            }
            holder->endpoints[i].push_back(std::move(endpoints));
            libusb_interface_descriptor d{};
            d.bLength = LIBUSB_DT_INTERFACE_SIZE;
            d.bDescriptorType = LIBUSB_DT_INTERFACE;
            d.bInterfaceNumber = setting.number;
            d.bAlternateSetting = setting.alternate;
            d.bNumEndpoints = static_cast<std::uint8_t>(setting.endpoints.size());
            d.bInterfaceClass = LIBUSB_CLASS_VENDOR_SPEC;
            holder->settings[i].push_back(d);
        }
        for (std::size_t a = 0; a < holder->settings[i].size(); ++a)
            holder->settings[i][a].endpoint = holder->endpoints[i][a].data();
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        libusb_interface interface {};
        interface.altsetting = holder->settings[i].data();
        interface.num_altsetting = static_cast<int>(holder->settings[i].size());
        holder->interfaces.push_back(interface);
    }
    holder->config.bLength = LIBUSB_DT_CONFIG_SIZE;
    holder->config.bDescriptorType = LIBUSB_DT_CONFIG;
    holder->config.bNumInterfaces = static_cast<std::uint8_t>(numbers.size());
    holder->config.bConfigurationValue = 1;
    holder->config.interface = holder->interfaces.data();
    return holder;
}

int DoTransfer(libusb_device_handle* handle, unsigned char endpoint, unsigned char* data,
               int length, int* transferred, unsigned timeout, bool interruptCall) {
    *transferred = 0;
    FakeHandle* fake = HandleOf(handle);
    if (!Live(fake))
        return LIBUSB_ERROR_NO_DEVICE;
    const FakeEndpoint* found = nullptr;
    for (int number : fake->claimed) {
        if ((found = fake->device->FindEndpoint(endpoint, number)) != nullptr)
            break;
    }
    // No transfers on an interface the host has not claimed.
    if (found == nullptr)
        return LIBUSB_ERROR_NOT_FOUND;
    // Each endpoint type has its own call.
    if (found->interrupt != interruptCall)
        return LIBUSB_ERROR_IO;
    return fake->device->Transfer(*found, data, length, transferred, timeout);
}

} // namespace

extern "C" {

int LIBUSB_CALL libusb_init(libusb_context** context) {
    FakeUsbBus& bus = FakeUsbBus::Instance();
    if (bus.initResult != 0)
        return bus.initResult;
    *context = reinterpret_cast<libusb_context*>(new FakeContext);
    ++bus.contexts;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context* context) {
    delete reinterpret_cast<FakeContext*>(context);
    --FakeUsbBus::Instance().contexts;
}

const char* LIBUSB_CALL libusb_strerror(int code) {
    switch (code) {
    case LIBUSB_SUCCESS:
        return "Success";
    case LIBUSB_ERROR_IO:
        return "Input/Output Error";
    case LIBUSB_ERROR_INVALID_PARAM:
        return "Invalid parameter";
    case LIBUSB_ERROR_ACCESS:
        return "Access denied (insufficient permissions)";
    case LIBUSB_ERROR_NO_DEVICE:
        return "No such device (it may have been disconnected)";
    case LIBUSB_ERROR_NOT_FOUND:
        return "Entity not found";
    case LIBUSB_ERROR_BUSY:
        return "Resource busy";
    case LIBUSB_ERROR_TIMEOUT:
        return "Operation timed out";
    case LIBUSB_ERROR_OVERFLOW:
        return "Overflow";
    case LIBUSB_ERROR_PIPE:
        return "Pipe error";
    case LIBUSB_ERROR_NO_MEM:
        return "Insufficient memory";
    case LIBUSB_ERROR_NOT_SUPPORTED:
        return "Operation not supported or unimplemented on this platform";
    default:
        return "Other error";
    }
}

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context* /*context*/, libusb_device*** list) {
    FakeUsbBus& bus = FakeUsbBus::Instance();
    if (bus.listResult != 0)
        return bus.listResult;
    std::vector<ScriptedUsbDevice*> present;
    for (const auto& device : bus.Devices()) {
        if (device->Present())
            present.push_back(device.get());
    }
    *list = new libusb_device*[present.size() + 1];
    for (std::size_t i = 0; i < present.size(); ++i) {
        ++present[i]->refs;
        (*list)[i] = AsLibusb(present[i]);
    }
    (*list)[present.size()] = nullptr;
    ++bus.deviceLists;
    return static_cast<ssize_t>(present.size());
}

void LIBUSB_CALL libusb_free_device_list(libusb_device** list, int unrefDevices) {
    if (list == nullptr)
        return;
    for (libusb_device** device = list; *device != nullptr; ++device) {
        if (unrefDevices)
            --DeviceOf(*device)->refs;
    }
    delete[] list;
    --FakeUsbBus::Instance().deviceLists;
}

libusb_device* LIBUSB_CALL libusb_ref_device(libusb_device* device) {
    ++DeviceOf(device)->refs;
    return device;
}

void LIBUSB_CALL libusb_unref_device(libusb_device* device) {
    --DeviceOf(device)->refs;
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device* device,
                                             libusb_device_descriptor* descriptor) {
    *descriptor = {};
    descriptor->bLength = LIBUSB_DT_DEVICE_SIZE;
    descriptor->bDescriptorType = LIBUSB_DT_DEVICE;
    descriptor->bcdUSB = 0x0200;
    descriptor->bMaxPacketSize0 = 64;
    descriptor->idVendor = DeviceOf(device)->Id().vendor;
    descriptor->idProduct = DeviceOf(device)->Id().product;
    descriptor->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_get_active_config_descriptor(libusb_device* device,
                                                    libusb_config_descriptor** config) {
    auto holder = BuildConfig(DeviceOf(device)->Settings());
    *config = &holder->config;
    Configs()[*config] = std::move(holder);
    ++FakeUsbBus::Instance().configDescriptors;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_free_config_descriptor(libusb_config_descriptor* config) {
    if (config == nullptr)
        return;
    if (Configs().erase(config) == 1)
        --FakeUsbBus::Instance().configDescriptors;
}

int LIBUSB_CALL libusb_open(libusb_device* device, libusb_device_handle** handle) {
    ScriptedUsbDevice* scripted = DeviceOf(device);
    if (!scripted->Present())
        return LIBUSB_ERROR_NO_DEVICE;
    if (scripted->openResult != 0)
        return scripted->openResult;
    auto* fake = new FakeHandle{scripted, scripted->Generation(), {}, false, {}};
    ++scripted->refs;
    FakeUsbBus::Instance().handles.insert(fake);
    *handle = reinterpret_cast<libusb_device_handle*>(fake);
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_close(libusb_device_handle* handle) {
    if (handle == nullptr)
        return;
    FakeHandle* fake = HandleOf(handle);
    FakeUsbBus& bus = FakeUsbBus::Instance();
    if (!fake->claimed.empty())
        ++bus.closedWhileClaimed;
    --fake->device->refs;
    bus.handles.erase(fake);
    delete fake;
}

int LIBUSB_CALL libusb_set_auto_detach_kernel_driver(libusb_device_handle* handle, int enable) {
    FakeHandle* fake = HandleOf(handle);
    if (!fake->device->canDetachKernelDriver)
        return LIBUSB_ERROR_NOT_SUPPORTED;
    fake->autoDetach = enable != 0;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle* handle, int number) {
    FakeHandle* fake = HandleOf(handle);
    if (!Live(fake))
        return LIBUSB_ERROR_NO_DEVICE;
    bool exists = false;
    for (const FakeInterfaceSetting& setting : fake->device->Settings())
        exists = exists || setting.number == number;
    if (!exists)
        return LIBUSB_ERROR_NOT_FOUND;
    if (fake->device->kernelDriverAttached) {
        if (!fake->autoDetach)
            return LIBUSB_ERROR_BUSY;
        fake->device->kernelDriverAttached = false;
        fake->detached.insert(number);
    }
    fake->claimed.insert(number);
    ++FakeUsbBus::Instance().claims;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle* handle, int number) {
    FakeHandle* fake = HandleOf(handle);
    if (fake->claimed.erase(number) == 0)
        return LIBUSB_ERROR_NOT_FOUND;
    if (fake->detached.erase(number) == 1)
        fake->device->kernelDriverAttached = true;
    return Live(fake) ? LIBUSB_SUCCESS : LIBUSB_ERROR_NO_DEVICE;
}

int LIBUSB_CALL libusb_set_interface_alt_setting(libusb_device_handle* handle, int number,
                                                 int /*alternate*/) {
    FakeHandle* fake = HandleOf(handle);
    if (!Live(fake))
        return LIBUSB_ERROR_NO_DEVICE;
    return fake->claimed.count(number) == 1 ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int LIBUSB_CALL libusb_clear_halt(libusb_device_handle* handle, unsigned char endpoint) {
    FakeHandle* fake = HandleOf(handle);
    if (!Live(fake))
        return LIBUSB_ERROR_NO_DEVICE;
    fake->device->ClearHalt(endpoint);
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_bulk_transfer(libusb_device_handle* handle, unsigned char endpoint,
                                     unsigned char* data, int length, int* transferred,
                                     unsigned int timeout) {
    return DoTransfer(handle, endpoint, data, length, transferred, timeout, false);
}

int LIBUSB_CALL libusb_interrupt_transfer(libusb_device_handle* handle, unsigned char endpoint,
                                          unsigned char* data, int length, int* transferred,
                                          unsigned int timeout) {
    return DoTransfer(handle, endpoint, data, length, transferred, timeout, true);
}

} // extern "C"
