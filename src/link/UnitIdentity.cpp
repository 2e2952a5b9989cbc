#include "link/UnitIdentity.h"

namespace tunbox {

UnitIdentity IdentifyUnit(std::uint8_t version) {
    UnitIdentity identity;
    identity.DeviceVersion = version;
    if (version < 40) {
        identity.DeviceMode = DeviceModeRelayModule;
        identity.TypeTextId = 10006;
    } else if (version < 100) {
        identity.DeviceMode = DeviceModePartner;
        identity.TypeTextId = 10072;
    } else {
        identity.DeviceMode = DeviceModeReceiver;
        identity.TypeTextId = 10005;
    }
    return identity;
}

std::string FormatDeviceVersion(unsigned version) {
    return std::to_string(version / 10) + "_" + std::to_string(version % 10);
}

} // namespace tunbox
