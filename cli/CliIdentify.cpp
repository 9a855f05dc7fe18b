// vamok-cli identify --link L [--port PATH] [--json]: one identification as
// the presence poller makes it, printed as the main window's status bar
// would show it (panels 0, 1 and 2), or as one JSON object.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MainMessages.h"
#include "app/MainWindowLogic.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "device/TAPSend.h"
#include "live/PollTimer.h"
#include "live/PresencePoller.h"
#include "measure/RowJson.h"

#include <cstdio>
#include <memory>
#include <optional>

using namespace vamok;

namespace {

struct Arguments {
    LinkOptions link;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArguments& args)
{
    const std::optional<LinkOptions> link = TakeLinkOptions(args);
    if (!link)
        return std::nullopt;
    if (!args.operands().empty()) {
        args.UsageError("unexpected argument '" + args.operands().front() + "'");
        return std::nullopt;
    }
    return Arguments{*link, args.flag("json")};
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
    if (json) {
        std::printf("{\"interface\": %s, \"version\": %s, \"serial\": %s, \"model\": %s}\n",
                    JsonString(p.interface).c_str(), JsonString(p.version).c_str(), JsonString(p.serial).c_str(),
                    JsonString(p.model).c_str());
    } else {
        std::printf("%s\n%s\n%s\n", TerminalText(p.interface).c_str(), TerminalText(p.version).c_str(),
                    TerminalText(p.serial).c_str());
    }
    std::fflush(stdout);
}

ExitCode Run(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;

    // A look at the instrument leaves the user's settings (device history) alone.
    SetSettingsStore(std::make_unique<MemorySettingsStore>());
    TAPSend link;
    OpenLink(link, a->link);

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
    if (!poller.Present())
        return ReportNoAnswer(link);
    return ExitCode::Done;
}

} // namespace

CliCommand IdentifyCommand()
{
    std::vector<CliOption> options = LinkOptionList();
    options.push_back({{"json"}, "", "one JSON object instead of the three panels' lines"});
    return {"identify",
            "identify --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--json]",
            "one identification, as the status bar shows it",
            options,
            {},
            Run};
}
