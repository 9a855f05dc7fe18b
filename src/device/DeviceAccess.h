#pragma once
// Why a serial port or a USB bridge node cannot be opened, told apart from
// "no instrument": on Linux the usual reason is that the user may not open
// the node (not in its group, or no udev rule for the bridge), or that
// another program holds the port.
#include <string>

namespace vamok {

enum class DeviceAccess {
    Usable,       // the node exists and this user may read and write it
    Missing,      // no such node
    NoPermission, // the node exists but this user may not open it
};

struct DeviceAccessCheck {
    DeviceAccess access = DeviceAccess::Missing;
    // The group that owns the node (the one to join), "" when unknown.
    std::string group;
};

// Looks at the node only (it is not opened).
DeviceAccessCheck CheckDeviceAccess(const std::string& path);

} // namespace vamok
