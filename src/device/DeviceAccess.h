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

// Why opening a link failed, for the user: the cases that need their own
// advice are told apart.
enum class OpenRefusal {
    Other,        // see `reason`
    Missing,      // the device is not there
    NoPermission, // the user may not open it (group or udev rule)
    Busy,         // another program holds it
};

struct OpenFailure {
    OpenRefusal kind = OpenRefusal::Other;
    std::string device; // the node's path
    std::string group;  // the group that owns the node, where known
    std::string reason; // the system's words
    bool usbBridge = false;
};

// Classifies a failed open of `device`: the node decides missing or no
// permission; a node this user may use that still would not open is held
// by another program when the driver said so (`refusedAsBusy`).
OpenFailure ClassifyOpenFailure(const std::string& device, bool refusedAsBusy, const std::string& reason);

} // namespace vamok
