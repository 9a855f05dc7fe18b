#include "device/DeviceAccess.h"

#include "device/AccessMessages.h"
#include "core/AppState.h"
#include "device/Discovery.h"
#include "device/SerialLink.h"

#include "device/PtyPeer.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vamok;

namespace {

constexpr uid_t kNobody = 65534;

std::string Describe(const DeviceAccessCheck& c)
{
    const char* kind = c.access == DeviceAccess::Usable         ? "usable"
                       : c.access == DeviceAccess::NoPermission ? "no permission"
                                                                : "missing";
    return std::string(kind) + ":" + c.group;
}

// What `probe` says when an unprivileged user runs it: in a child that drops
// root, or in this process where the tests do not run as root.
std::string AsUnprivileged(const std::function<std::string()>& probe)
{
    if (geteuid() != 0)
        return probe();
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string result = "could not drop root";
        if (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0)
            result = probe();
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

// A pseudo-terminal that an unprivileged user may not open, as a port of
// root and a serial group is on a distribution; returns that group.
std::string DenyToUnprivileged(const std::string& path)
{
    if (geteuid() == 0) {
        const ::group* dialout = getgrnam("dialout");
        if (!dialout)
            return {};
        if (chown(path.c_str(), 0, dialout->gr_gid) != 0 || chmod(path.c_str(), 0660) != 0)
            return {};
        return "dialout";
    }
    struct stat node {};
    if (stat(path.c_str(), &node) != 0 || chmod(path.c_str(), 0) != 0)
        return {};
    return getgrgid(node.st_gid)->gr_name;
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
    const std::string group = DenyToUnprivileged(path);
    if (group.empty())
        GTEST_SKIP() << "cannot make a node this user may not open";
    EXPECT_EQ(AsUnprivileged([&] { return Describe(CheckDeviceAccess(path)); }), "no permission:" + group);
}

TEST(DeviceAccess, SerialPortClosedToTheUserSaysWhichGroupToJoin)
{
    test::PtyPeer peer;
    const std::string path = peer.slavePath();
    const std::string group = DenyToUnprivileged(path);
    if (group.empty())
        GTEST_SKIP() << "cannot make a node this user may not open";
    const std::string told = AsUnprivileged([&] {
        SerialLink link;
        link.SetDevicePath(path);
        std::string error;
        if (link.Open(&error))
            return std::string("opened");
        return AccessRefusalText(link.LastOpenFailure(), DefaultAccessTexts());
    });
    EXPECT_EQ(told, "Keine Berechtigung f\xFCr die Schnittstelle " + path + ".\r\nAbhilfe: Ihren Benutzer in die Gruppe \"" +
                        group + "\" aufnehmen (sudo usermod -aG " + group + " $USER), dann ab- und wieder anmelden.");
}

TEST(DeviceAccess, PortHeldByAnotherOpenIsBusy)
{
    test::PtyPeer peer;
    SerialLink first;
    first.SetDevicePath(peer.slavePath());
    std::string error;
    ASSERT_TRUE(first.Open(&error)) << error;
    SerialLink second;
    second.SetDevicePath(peer.slavePath());
    EXPECT_FALSE(second.Open(&error));
    EXPECT_EQ(second.LastOpenFailure().kind, OpenRefusal::Busy);
    EXPECT_EQ(AccessRefusalText(second.LastOpenFailure(), EnglishAccessTexts()),
              "The serial port " + peer.slavePath() + " is busy: another program is using it.");
}

TEST(AccessMessages, NameTheDeviceItsPortNumberAndTheFix)
{
    const auto failure = [](OpenRefusal kind, const char* device, bool bridge) {
        OpenFailure f;
        f.kind = kind;
        f.device = device;
        f.group = "uucp";
        f.usbBridge = bridge;
        return f;
    };
    const std::vector<std::pair<OpenFailure, std::string>> cases{
        {failure(OpenRefusal::NoPermission, "/dev/ttyUSB2", false),
         "No permission to open the serial port /dev/ttyUSB2 (COM3).\r\n"
         "Fix: add your user to the group \"uucp\" (sudo usermod -aG uucp $USER), then log out and in again."},
        {failure(OpenRefusal::Busy, "/dev/ttyS0", false),
         "The serial port /dev/ttyS0 (COM25) is busy: another program is using it."},
        {failure(OpenRefusal::NoPermission, "/dev/hidraw3", true),
         "No permission to open the USB bridge /dev/hidraw3.\r\n"
         "Fix: install the udev rule, then unplug and replug the instrument:\r\n" +
             UdevInstallCommand()},
        {failure(OpenRefusal::Missing, "/dev/ttyUSB0", false), ""},
        {failure(OpenRefusal::Other, "/dev/ttyUSB0", false), ""},
    };
    for (const auto& [f, text] : cases)
        EXPECT_EQ(AccessRefusalText(f, EnglishAccessTexts()), text) << f.device;
}

// The command names the rule shipped beside the program, wherever that is,
// so that it works from the installed tree too; a path the shell would split
// is quoted.
TEST(AccessMessages, UdevCommandNamesTheShippedRule)
{
    const std::string saved = App().ProgramPath;
    const std::string tail = " /etc/udev/rules.d/ && sudo udevadm control --reload-rules && sudo udevadm trigger";
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/share/vamok/", "sudo install -m 644 /usr/share/vamok/udev/99-vamok.rules" + tail},
        {"/opt/VAMOK Desktop/it's/", "sudo install -m 644 '/opt/VAMOK Desktop/it'\\''s/udev/99-vamok.rules'" + tail},
        {"", "sudo install -m 644 udev/99-vamok.rules" + tail},
    };
    for (const auto& [folder, command] : cases) {
        App().ProgramPath = folder;
        EXPECT_EQ(UdevInstallCommand(), command) << folder;
    }
    App().ProgramPath = saved;
}

TEST(AccessMessages, PortCheckNamesWhyAPortIsUsed)
{
    PortCheck check;
    check.Free = {"COM2"};
    check.Used = {{"COM1", OpenRefusal::NoPermission}, {"COM3", OpenRefusal::Busy}, {"COM4", OpenRefusal::Other}};
    BridgeEntry absent;
    absent.product = "VAMOK rix";
    absent.path = "/dev/vamok-no-such-hidraw";
    check.Bridges = CheckBridges({absent});
    check.Bridges.push_back({"/dev/hidraw3 - VAMOK rix", OpenRefusal::NoPermission});
    EXPECT_NE(PortCheckMessage(check, DefaultDiscoveryTexts(), DefaultAccessTexts())
                  .find("Belegte Schnittstellen:\r\nCOM1 (keine Berechtigung)\r\nCOM3 (belegt)\r\nCOM4\r\n\r\n"
                        "Angeschlossene USB-Schnittstellen:\r\n/dev/vamok-no-such-hidraw - VAMOK rix\r\n"
                        "/dev/hidraw3 - VAMOK rix (keine Berechtigung)\r\n\r\n"),
              std::string::npos);
}
