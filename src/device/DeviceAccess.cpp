#include "device/DeviceAccess.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vamok {
namespace {

std::string GroupName(gid_t gid)
{
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    while (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < 65536)
        buffer.resize(buffer.size() * 2);
    return found && found->gr_name ? std::string(found->gr_name) : std::string();
}

} // namespace

DeviceAccessCheck CheckDeviceAccess(const std::string& path)
{
    DeviceAccessCheck check;
    struct stat node {};
    if (path.empty() || ::stat(path.c_str(), &node) != 0)
        return check;
    check.group = GroupName(node.st_gid);
    check.access = ::access(path.c_str(), R_OK | W_OK) == 0 ? DeviceAccess::Usable : DeviceAccess::NoPermission;
    return check;
}

OpenFailure ClassifyOpenFailure(const std::string& device, bool refusedAsBusy, const std::string& reason)
{
    OpenFailure failure;
    failure.device = device;
    failure.reason = reason;
    const DeviceAccessCheck check = CheckDeviceAccess(device);
    failure.group = check.group;
    if (check.access == DeviceAccess::Missing)
        failure.kind = OpenRefusal::Missing;
    else if (check.access == DeviceAccess::NoPermission)
        failure.kind = OpenRefusal::NoPermission;
    else if (refusedAsBusy)
        failure.kind = OpenRefusal::Busy;
    return failure;
}

} // namespace vamok
