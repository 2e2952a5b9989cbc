#include "link/LibusbTransport.h"

#include "link/UsbReceiveBuffer.h"

#include <libusb.h>

#include <algorithm>

namespace tunbox {

struct LibusbTransport::Impl {
    std::vector<UsbId> ids;
    libusb_context* context = nullptr;
    bool contextTried = false;

    libusb_device_handle* handle = nullptr;
    int claimedInterface = -1;
    unsigned char outEndpoint = 0;
    unsigned char inEndpoint = 0;
    int inPacketSize = static_cast<int>(PacketLength);

    unsigned deviceCount = 0;
    std::string openError;
    UsbReceiveBuffer received{[this](std::vector<std::uint8_t>& bytes) { return Receive(bytes); }};

    bool EnsureContext();
    unsigned CountUnits(libusb_device** single);
    void OpenPipes(libusb_device* device);
    bool FindBulkEndpoints(libusb_device* device, int& interfaceNumber, int& altSetting);
    void Close();
    bool Write(const std::uint8_t* bytes, int length);
    bool Receive(std::vector<std::uint8_t>& bytes);
};

bool LibusbTransport::Impl::EnsureContext() {
    if (!contextTried) {
        contextTried = true;
        if (libusb_init(&context) != LIBUSB_SUCCESS)
            context = nullptr;
    }
    return context != nullptr;
}

// Counts the devices whose ids are in the list; when there is exactly one,
// `single` receives it with a reference the caller must drop.
unsigned LibusbTransport::Impl::CountUnits(libusb_device** single) {
    *single = nullptr;
    libusb_device** list = nullptr;
    const ssize_t total = libusb_get_device_list(context, &list);
    if (total < 0)
        return 0;
    unsigned count = 0;
    libusb_device* match = nullptr;
    for (ssize_t i = 0; i < total; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[i], &descriptor) != LIBUSB_SUCCESS)
            continue;
        const UsbId id{descriptor.idVendor, descriptor.idProduct};
        if (std::find(ids.begin(), ids.end(), id) != ids.end()) {
            ++count;
            match = list[i];
        }
    }
    if (count == 1)
        *single = libusb_ref_device(match);
    libusb_free_device_list(list, 1);
    return count;
}

bool LibusbTransport::Impl::FindBulkEndpoints(libusb_device* device, int& interfaceNumber,
                                              int& altSetting) {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != LIBUSB_SUCCESS)
        return false;
    bool found = false;
    for (int i = 0; i < config->bNumInterfaces && !found; ++i) {
        const libusb_interface& interface = config->interface[i];
        for (int a = 0; a < interface.num_altsetting && !found; ++a) {
            const libusb_interface_descriptor& setting = interface.altsetting[a];
            unsigned char out = 0;
            unsigned char in = 0;
            int inSize = 0;
            for (int e = 0; e < setting.bNumEndpoints; ++e) {
                const libusb_endpoint_descriptor& endpoint = setting.endpoint[e];
                if ((endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) !=
                    LIBUSB_TRANSFER_TYPE_BULK)
                    continue;
                if ((endpoint.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN) {
                    if (in == 0) {
                        in = endpoint.bEndpointAddress;
                        inSize = endpoint.wMaxPacketSize & 0x7FF;
                    }
                } else if (out == 0) {
                    out = endpoint.bEndpointAddress;
                }
            }
            if (in != 0 && out != 0) {
                found = true;
                interfaceNumber = setting.bInterfaceNumber;
                altSetting = setting.bAlternateSetting;
                inEndpoint = in;
                outEndpoint = out;
                inPacketSize = std::max(inSize, static_cast<int>(PacketLength));
            }
        }
    }
    libusb_free_config_descriptor(config);
    return found;
}

void LibusbTransport::Impl::OpenPipes(libusb_device* device) {
    int rc = libusb_open(device, &handle);
    if (rc != LIBUSB_SUCCESS) {
        handle = nullptr;
        openError = libusb_strerror(rc);
        return;
    }
    int interfaceNumber = -1;
    int altSetting = 0;
    if (!FindBulkEndpoints(device, interfaceNumber, altSetting)) {
        openError = libusb_strerror(LIBUSB_ERROR_NOT_FOUND);
        Close();
        return;
    }
    // Not every platform can detach a kernel driver; claiming tells us.
    libusb_set_auto_detach_kernel_driver(handle, 1);
    rc = libusb_claim_interface(handle, interfaceNumber);
    if (rc == LIBUSB_SUCCESS) {
        claimedInterface = interfaceNumber;
        if (altSetting != 0)
            rc = libusb_set_interface_alt_setting(handle, interfaceNumber, altSetting);
    }
    if (rc != LIBUSB_SUCCESS) {
        openError = libusb_strerror(rc);
        Close();
    }
}

void LibusbTransport::Impl::Close() {
    if (handle != nullptr) {
        if (claimedInterface >= 0)
            libusb_release_interface(handle, claimedInterface);
        libusb_close(handle);
    }
    handle = nullptr;
    claimedInterface = -1;
    received.Clear();
}

bool LibusbTransport::Impl::Write(const std::uint8_t* bytes, int length) {
    if (handle == nullptr)
        return false;
    int transferred = 0;
    const int rc = libusb_bulk_transfer(handle, outEndpoint, const_cast<std::uint8_t*>(bytes),
                                        length, &transferred, TransferTimeoutMs);
    return rc == LIBUSB_SUCCESS && transferred == length;
}

// Receives the next USB packet from the unit. Asking for one whole max-size
// packet lets each transfer end as soon as the unit sends anything; bytes that
// arrived before a time-out are kept, a transfer with nothing is a failure.
bool LibusbTransport::Impl::Receive(std::vector<std::uint8_t>& bytes) {
    if (handle == nullptr)
        return false;
    bytes.resize(static_cast<std::size_t>(inPacketSize));
    int transferred = 0;
    const int rc = libusb_bulk_transfer(handle, inEndpoint, bytes.data(), inPacketSize,
                                        &transferred, TransferTimeoutMs);
    bytes.resize(static_cast<std::size_t>(std::max(transferred, 0)));
    return (rc == LIBUSB_SUCCESS || rc == LIBUSB_ERROR_TIMEOUT) && transferred > 0;
}

LibusbTransport::LibusbTransport(std::vector<UsbId> ids) : impl_(std::make_unique<Impl>()) {
    impl_->ids = std::move(ids);
}

LibusbTransport::~LibusbTransport() {
    impl_->Close();
    if (impl_->context != nullptr)
        libusb_exit(impl_->context);
}

bool LibusbTransport::OpenUnit() {
    // Pipes of an earlier open are released first; a new open always starts
    // from a clean state.
    impl_->Close();
    impl_->openError.clear();
    impl_->deviceCount = 0;
    if (!impl_->EnsureContext())
        return false;

    libusb_device* unit = nullptr;
    impl_->deviceCount = impl_->CountUnits(&unit);
    if (unit == nullptr)
        return false;
    impl_->OpenPipes(unit);
    libusb_unref_device(unit);
    // A single unit whose pipes failed to open still counts as found: the
    // window shows OpenErrorText and the exchanges that follow fail.
    FlushWritePipe();
    FlushReadPipe();
    return true;
}

void LibusbTransport::CloseUnit() {
    impl_->Close();
}

bool LibusbTransport::WriteByte(std::uint8_t byte) {
    return impl_->Write(&byte, 1);
}

bool LibusbTransport::WritePacket(const std::uint8_t (&packet)[PacketLength]) {
    return impl_->Write(packet, static_cast<int>(PacketLength));
}

bool LibusbTransport::ReadByte(std::uint8_t& byte) {
    return impl_->received.ReadByte(byte);
}

bool LibusbTransport::ReadPacket(std::uint8_t (&packet)[PacketLength]) {
    return impl_->received.ReadPacket(packet);
}

void LibusbTransport::FlushWritePipe() {
    // Every write is complete when its transfer returns; nothing is held back.
}

void LibusbTransport::FlushReadPipe() {
    impl_->received.Clear();
}

unsigned LibusbTransport::DeviceCount() const {
    return impl_->deviceCount;
}

std::string LibusbTransport::OpenErrorText() const {
    return impl_->openError;
}

} // namespace tunbox
