// vamok-cli identify --link L [--port PATH] [--json]: one identification as
// the presence poller makes it, printed as the main window's status bar
// would show it (panels 0, 1 and 2), or as one JSON object.
#include "cli/Commands.h"

#include "app/AppState.h"
#include "app/Cp1252.h"
#include "app/MainMessages.h"
#include "app/MainWindowLogic.h"
#include "app/MemorySettingsStore.h"
#include "app/SettingsStore.h"
#include "device/DemoLink.h"
#include "device/TAPSend.h"
#include "live/PollTimer.h"
#include "live/PresencePoller.h"
#include "measure/RowJson.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <optional>

using namespace vamok;

namespace {

const char* const kUsage =
    "usage: vamok-cli identify --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--json]";
constexpr int kNoAnswer = 3;

struct Arguments {
    std::string link;
    std::string port;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArgs& args)
{
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--link" && hasValue)
            a.link = args[++i];
        else if (arg == "--port" && hasValue)
            a.port = args[++i];
        else if (arg == "--json")
            a.json = true;
        else
            return std::nullopt;
    }
    const bool serialLink = a.link == "altarim" || a.link == "quadrovan" || a.link == "rix" || a.link == "ventiq";
    // The demo instrument has no port.
    if (!serialLink && !(a.link == "demo" && a.port.empty()))
        return std::nullopt;
    return a;
}

// The status bar's panel 2 as the poller writes it.
class SerialPanel : public PollerHooks {
public:
    void SerialPanelChanged(const std::string& text) override { text_ = text; }
    const std::string& Text() const { return text_; }

private:
    std::string text_ = PollerTexts{}.SerialCaption;
};

struct StatusPanels {
    std::string interface, version, serial, model;
};

void Print(const StatusPanels& p, bool json)
{
    auto utf8 = [](const std::string& cp1252) { return FromCp1252(cp1252).toUtf8(); };
    if (json) {
        std::printf("{\"interface\": %s, \"version\": %s, \"serial\": %s, \"model\": %s}\n",
                    JsonString(p.interface).c_str(), JsonString(p.version).c_str(), JsonString(p.serial).c_str(),
                    JsonString(p.model).c_str());
    } else {
        std::printf("%s\n%s\n%s\n", utf8(p.interface).constData(), utf8(p.version).constData(),
                    utf8(p.serial).constData());
    }
    std::fflush(stdout);
}

} // namespace

int CliIdentify(const CliArgs& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    static int argc = 1;
    static char name[] = "vamok-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> owned;
    if (!QCoreApplication::instance())
        owned = std::make_unique<QCoreApplication>(argc, argv);

    // A look at the instrument leaves the user's settings (device history) alone.
    SetSettingsStore(std::make_unique<MemorySettingsStore>());
    App().UsbMode = a->link == "rix" || a->link == "ventiq";
    App().VentiqMode = a->link == "ventiq";
    App().QuadrovanMode = a->link == "quadrovan";
    if (!a->port.empty())
        App().ComPortPath = a->port;

    TAPSend link;
    try {
        if (a->link == "demo") {
            StartDemoLink(link);
        } else {
            if (!a->port.empty())
                link.SetUsbFramesOnSerial(App().UsbMode);
            link.SelectComPort(App().ComPortNumber);
        }
    } catch (const PortOpenError& e) {
        // As in the program: nothing will answer on a port that is not open
        // (the USB bridge is opened on the first send).
        std::fprintf(stderr, "vamok-cli: %s\n", e.what());
    }

    // One identification tick, waiting for its answer as a port search's
    // probe does.
    SerialPanel panel;
    QtPollTimer timer(PresencePoller::kIdleIntervalMs);
    PresencePoller poller(link, timer, panel);
    DeviceAnswering = true;
    poller.OnTimerTimer();

    const StatusPanels panels{InterfacePanelText(App().UsbMode, App().ComPortNumber, kMainMessages[0]),
                              poller.View().VersionText, panel.Text(), App().LastVamok};
    Print(panels, a->json);
    if (!poller.Present()) {
        std::fprintf(stderr, "vamok-cli: no instrument answered\n");
        return kNoAnswer;
    }
    return 0;
}
