#include "link/LibusbTransport.h"

#include "link/UsbReceiveBuffer.h"

#include <libusb.h>

#include <algorithm>
#include <utility>

namespace tunbox {
namespace {

// One of the unit's two pipes.
struct Endpoint {
    unsigned char address = 0;
    bool interrupt = false; // interrupt endpoint; otherwise bulk
    int maxPacket = static_cast<int>(PacketLength);
};

// A run of zero-length packets this long without data counts as a failed
// read; a unit sends one only after a full packet, never several in a row.
constexpr int MaxZeroLengthPackets = 4;
// Flushing reads at most this many transfers (64 KiB in 64-byte packets), so
// a unit that keeps sending cannot hold the flush forever.
constexpr int MaxDrainTransfers = 1024;

bool IsDataEndpoint(const libusb_endpoint_descriptor& endpoint) {
    const int type = endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK;
    return type == LIBUSB_TRANSFER_TYPE_BULK || type == LIBUSB_TRANSFER_TYPE_INTERRUPT;
}

Endpoint EndpointOf(const libusb_endpoint_descriptor& endpoint) {
    Endpoint pipe;
    pipe.address = endpoint.bEndpointAddress;
    pipe.interrupt =
        (endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) == LIBUSB_TRANSFER_TYPE_INTERRUPT;
    const int size = endpoint.wMaxPacketSize & 0x7FF;
    if (size > 0)
        pipe.maxPacket = size;
    return pipe;
}

} // namespace

struct LibusbTransport::Impl {
    std::vector<UsbId> ids;
    libusb_context* context = nullptr;

    libusb_device_handle* handle = nullptr;
    int claimedInterface = -1;
    Endpoint out;
    Endpoint in;

    unsigned deviceCount = 0;
    std::string openError;
    // A data stream has gone out since the last read: the next read waits
    // for the unit's verdict.
    bool verdictAhead = false;
    unsigned readTimeout = ReadTimeoutMs; // of the read being served
    UsbReceiveBuffer received{[this](std::vector<std::uint8_t>& bytes) { return Receive(bytes); }};

    bool EnsureContext();
    unsigned CountUnits(libusb_device** single);
    void OpenPipes(libusb_device* device);
    bool FindEndpoints(libusb_device* device, int& interfaceNumber, int& altSetting);
    void Close();
    int Transfer(const Endpoint& endpoint, std::uint8_t* bytes, int length, int& transferred,
                 unsigned timeout);
    bool Write(const std::uint8_t* bytes, int length);
    bool Receive(std::vector<std::uint8_t>& bytes);
    void Drain();
    void StartRead();
};

bool LibusbTransport::Impl::EnsureContext() {
    // Tried again on every open: USB access that could not start once (no
    // USB file system yet, for example) may start later.
    if (context == nullptr) {
        const int rc = libusb_init(&context);
        if (rc != LIBUSB_SUCCESS) {
            context = nullptr;
            openError = std::string("cannot start USB access: ") + libusb_strerror(rc);
        }
    }
    return context != nullptr;
}

// Counts the devices whose ids are in the list; when there is exactly one,
// `single` receives it with a reference the caller must drop.
unsigned LibusbTransport::Impl::CountUnits(libusb_device** single) {
    *single = nullptr;
    libusb_device** list = nullptr;
    const ssize_t total = libusb_get_device_list(context, &list);
    if (total < 0) {
        openError =
            std::string("cannot list the USB devices: ") + libusb_strerror(static_cast<int>(total));
        return 0;
    }
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

// The two pipes are the first interface setting with both an IN and an OUT
// endpoint; bulk and interrupt endpoints both serve.
bool LibusbTransport::Impl::FindEndpoints(libusb_device* device, int& interfaceNumber,
                                          int& altSetting) {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != LIBUSB_SUCCESS)
        return false;
    bool found = false;
    for (int i = 0; i < config->bNumInterfaces && !found; ++i) {
        const libusb_interface& interface = config->interface[i];
        for (int a = 0; a < interface.num_altsetting && !found; ++a) {
            const libusb_interface_descriptor& setting = interface.altsetting[a];
            const libusb_endpoint_descriptor* inEndpoint = nullptr;
            const libusb_endpoint_descriptor* outEndpoint = nullptr;
            for (int e = 0; e < setting.bNumEndpoints; ++e) {
                const libusb_endpoint_descriptor& endpoint = setting.endpoint[e];
                if (!IsDataEndpoint(endpoint))
                    continue;
                const bool isIn =
                    (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN;
                const libusb_endpoint_descriptor*& slot = isIn ? inEndpoint : outEndpoint;
                if (slot == nullptr)
                    slot = &endpoint;
            }
            if (inEndpoint != nullptr && outEndpoint != nullptr) {
                found = true;
                interfaceNumber = setting.bInterfaceNumber;
                altSetting = setting.bAlternateSetting;
                in = EndpointOf(*inEndpoint);
                out = EndpointOf(*outEndpoint);
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
    if (!FindEndpoints(device, interfaceNumber, altSetting)) {
        openError = libusb_strerror(LIBUSB_ERROR_NOT_FOUND);
        Close();
        return;
    }
    // Where a kernel driver holds the interface it is detached for as long as
    // we hold it. Not every platform can detach; claiming then reports the
    // busy interface, which is the reason the user needs to see.
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
        return;
    }
    // A halt left on an endpoint by an earlier session would fail every
    // transfer until the unit is plugged in again.
    libusb_clear_halt(handle, out.address);
    libusb_clear_halt(handle, in.address);
}

void LibusbTransport::Impl::Close() {
    if (handle != nullptr) {
        if (claimedInterface >= 0)
            libusb_release_interface(handle, claimedInterface);
        libusb_close(handle);
    }
    handle = nullptr;
    claimedInterface = -1;
    verdictAhead = false;
    received.Clear();
}

// One transfer on `endpoint`. After a stall the endpoint's halt is cleared at
// once: this call still fails, as any failed transfer does, but the next
// exchange starts on a working pipe.
int LibusbTransport::Impl::Transfer(const Endpoint& endpoint, std::uint8_t* bytes, int length,
                                    int& transferred, unsigned timeout) {
    transferred = 0;
    const int rc = endpoint.interrupt ? libusb_interrupt_transfer(handle, endpoint.address, bytes,
                                                                  length, &transferred, timeout)
                                      : libusb_bulk_transfer(handle, endpoint.address, bytes,
                                                             length, &transferred, timeout);
    if (rc == LIBUSB_ERROR_PIPE)
        libusb_clear_halt(handle, endpoint.address);
    return rc;
}

bool LibusbTransport::Impl::Write(const std::uint8_t* bytes, int length) {
    if (handle == nullptr)
        return false;
    int transferred = 0;
    const int rc =
        Transfer(out, const_cast<std::uint8_t*>(bytes), length, transferred, WriteTimeoutMs);
    return rc == LIBUSB_SUCCESS && transferred == length;
}

// Receives the next USB packet from the unit. Asking for exactly one
// max-size packet lets each transfer end as soon as the unit sends anything;
// bytes that arrived before a time-out are kept, a transfer with nothing is a
// failure.
//
// A zero-length packet after a full packet is how a USB device marks the end
// of what it sent: it carries no byte and is no failure, so the read listens
// on for the next packet.
bool LibusbTransport::Impl::Receive(std::vector<std::uint8_t>& bytes) {
    if (handle == nullptr)
        return false;
    bytes.resize(static_cast<std::size_t>(in.maxPacket));
    for (int empty = 0; empty < MaxZeroLengthPackets; ++empty) {
        int transferred = 0;
        const int rc = Transfer(in, bytes.data(), in.maxPacket, transferred, readTimeout);
        if (transferred > 0 && (rc == LIBUSB_SUCCESS || rc == LIBUSB_ERROR_TIMEOUT)) {
            bytes.resize(static_cast<std::size_t>(transferred));
            return true;
        }
        if (rc != LIBUSB_SUCCESS)
            break;
    }
    bytes.clear();
    return false;
}

// Reads and drops whatever the unit still sends (the rest of an exchange that
// failed half way, for example), until a short wait brings nothing more.
void LibusbTransport::Impl::Drain() {
    if (handle == nullptr)
        return;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.maxPacket));
    for (int i = 0; i < MaxDrainTransfers; ++i) {
        int transferred = 0;
        const int rc = Transfer(in, bytes.data(), in.maxPacket, transferred, DrainTimeoutMs);
        // Data or a zero-length packet: more may follow.
        if (transferred == 0 && rc != LIBUSB_SUCCESS)
            return;
    }
}

// How long the read about to run may wait. The exchanges never say which of
// their reads is the unit's verdict, and need not: only a block write and a
// firmware upload send 64-byte packets, and both end by reading the unit's
// verdict. So the first read after a packet went out waits the long bound;
// every other read waits the short one. The order of calls stays exactly as
// the exchanges make it.
void LibusbTransport::Impl::StartRead() {
    readTimeout = std::exchange(verdictAhead, false) ? VerdictTimeoutMs : ReadTimeoutMs;
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
    impl_->openError.clear();
    impl_->deviceCount = 0;
    if (!impl_->EnsureContext())
        return false;

    libusb_device* unit = nullptr;
    impl_->deviceCount = impl_->CountUnits(&unit);
    if (impl_->deviceCount >= 2) {
        impl_->Close();
        return false;
    }
    if (unit != nullptr) {
        // The pipes of an earlier open are released first: the same unit
        // cannot be claimed twice.
        impl_->Close();
        impl_->OpenPipes(unit);
        libusb_unref_device(unit);
    }
    // With no unit the pipes keep what they held (a unit that is gone fails
    // every transfer on them). A single unit whose pipes failed to open still
    // counts as found: the window shows OpenErrorText and the exchanges that
    // follow fail.
    FlushWritePipe();
    FlushReadPipe();
    return impl_->deviceCount == 1;
}

void LibusbTransport::CloseUnit() {
    impl_->Close();
}

bool LibusbTransport::WriteByte(std::uint8_t byte) {
    return impl_->Write(&byte, 1);
}

bool LibusbTransport::WritePacket(const std::uint8_t (&packet)[PacketLength]) {
    const bool written = impl_->Write(packet, static_cast<int>(PacketLength));
    if (written)
        impl_->verdictAhead = true;
    return written;
}

bool LibusbTransport::ReadByte(std::uint8_t& byte) {
    impl_->StartRead();
    return impl_->received.ReadByte(byte);
}

bool LibusbTransport::ReadPacket(std::uint8_t (&packet)[PacketLength]) {
    impl_->StartRead();
    return impl_->received.ReadPacket(packet);
}

void LibusbTransport::FlushWritePipe() {
    // Every write is complete when its transfer returns; nothing is held back.
}

void LibusbTransport::FlushReadPipe() {
    impl_->verdictAhead = false;
    impl_->received.Clear();
    impl_->Drain();
}

unsigned LibusbTransport::DeviceCount() const {
    return impl_->deviceCount;
}

std::string LibusbTransport::OpenErrorText() const {
    return impl_->openError;
}

} // namespace tunbox
