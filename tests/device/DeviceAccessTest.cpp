#include "device/DeviceAccess.h"

#include "device/PtyPeer.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vamok;

namespace {

constexpr uid_t kNobody = 65534;

// CheckDeviceAccess as seen by an unprivileged user: in a child that drops
// root, or in this process where the tests do not run as root.
std::string CheckAsUnprivileged(const std::string& path)
{
    const auto describe = [](const DeviceAccessCheck& c) {
        const char* kind = c.access == DeviceAccess::Usable         ? "usable"
                           : c.access == DeviceAccess::NoPermission ? "no permission"
                                                                    : "missing";
        return std::string(kind) + ":" + c.group;
    };
    if (geteuid() != 0)
        return describe(CheckDeviceAccess(path));
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string result = "could not drop root";
        if (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0)
            result = describe(CheckDeviceAccess(path));
        [[maybe_unused]] const ssize_t n = write(fds[1], result.data(), result.size());
        _exit(0);
    }
    close(fds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return result;
}

} // namespace

TEST(DeviceAccess, MissingNodeIsMissing)
{
    EXPECT_EQ(CheckDeviceAccess("/dev/ttyUSB-vamok-none").access, DeviceAccess::Missing);
    EXPECT_EQ(CheckDeviceAccess("").access, DeviceAccess::Missing);
}

TEST(DeviceAccess, OwnPseudoTerminalIsUsable)
{
    test::PtyPeer peer;
    EXPECT_EQ(CheckDeviceAccess(peer.slavePath()).access, DeviceAccess::Usable);
}

TEST(DeviceAccess, NodeOfAGroupTheUserIsNotInNamesTheGroup)
{
    test::PtyPeer peer;
    const std::string path = peer.slavePath();
    std::string group;
    if (geteuid() == 0) {
        // As on a distribution: the port belongs to root and a serial group.
        const ::group* dialout = getgrnam("dialout");
        if (!dialout)
            GTEST_SKIP() << "no dialout group on this machine";
        ASSERT_EQ(chown(path.c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(chmod(path.c_str(), 0660), 0);
        group = "dialout";
    } else {
        struct stat node {};
        ASSERT_EQ(stat(path.c_str(), &node), 0);
        group = getgrgid(node.st_gid)->gr_name;
        ASSERT_EQ(chmod(path.c_str(), 0), 0);
    }
    EXPECT_EQ(CheckAsUnprivileged(path), "no permission:" + group);
}
