// vamok-cli live --link L [--port PATH] [--count N] [--json]: polls the
// instrument as the online window does and prints the online table after
// every value poll.
#include "cli/Commands.h"

#include "app/AppState.h"
#include "app/Cp1252.h"
#include "app/MemorySettingsStore.h"
#include "app/SettingsStore.h"
#include "app/TextHelpers.h"
#include "device/TAPSend.h"
#include "live/LiveJson.h"
#include "live/PollTimer.h"
#include "live/PresencePoller.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

using namespace vamok;

namespace {

const char* const kUsage = "usage: vamok-cli live --link altarim|quadrovan|rix|ventiq [--port PATH] [--count N] [--json]";
constexpr int kNoInstrument = 1;
// Long enough for the first identification after a slow start.
constexpr int kOverallLimitMsPerPoll = 4000;

struct Arguments {
    std::string link;
    std::string port;
    int count = 1;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArgs& args)
{
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--link" && hasValue) {
            a.link = args[++i];
        } else if (arg == "--port" && hasValue) {
            a.port = args[++i];
        } else if (arg == "--count" && hasValue) {
            const auto n = ParseInt32(args[++i]);
            if (!n || *n < 1)
                return std::nullopt;
            a.count = *n;
        } else if (arg == "--json") {
            a.json = true;
        } else {
            return std::nullopt;
        }
    }
    if (a.link != "altarim" && a.link != "quadrovan" && a.link != "rix" && a.link != "ventiq")
        return std::nullopt;
    return a;
}

std::string Utf8(const std::string& cp1252) { return FromCp1252(cp1252).toUtf8().toStdString(); }

// Prints the table after each value poll and ends the run after `count`
// polls or when the instrument is lost.
class LivePrinter : public PollerHooks {
public:
    LivePrinter(const Arguments& a, QCoreApplication& app) : a_(a), app_(app) {}
    void attach(const PresencePoller& poller) { poller_ = &poller; }

    void LiveValues(const TVamokAPDatenStrg&) override { valuesPolled_ = true; }
    void ViewChanged() override
    {
        const PollerView& view = poller_->View();
        if (view.Face == PollerFace::Lost) {
            app_.exit(kNoInstrument);
            return;
        }
        if (!valuesPolled_)
            return;
        valuesPolled_ = false;
        Print(view);
        if (++printed_ >= a_.count)
            app_.exit(0);
    }

private:
    void Print(const PollerView& view) const
    {
        if (a_.json) {
            std::printf("%s\n", LivePollJson(view.VersionText, poller_->SerialText(), view.Rows).c_str());
        } else {
            std::printf("%s\t%s\n", Utf8(view.VersionText).c_str(), Utf8(poller_->SerialText()).c_str());
            for (std::size_t r = 0; r < view.Rows.size(); ++r)
                std::printf("%s\t%s\n", Utf8(kOnlineRowNames[r]).c_str(), Utf8(view.Rows[r]).c_str());
        }
        std::fflush(stdout);
    }

    const Arguments& a_;
    QCoreApplication& app_;
    const PresencePoller* poller_ = nullptr;
    bool valuesPolled_ = false;
    int printed_ = 0;
};

} // namespace

int CliLive(const CliArgs& args)
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
    QCoreApplication& app = *QCoreApplication::instance();

    // A look at the live values leaves the user's settings (device history) alone.
    SetSettingsStore(std::make_unique<MemorySettingsStore>());
    App().DecimalSep = DecimalSepFromLocale();
    App().UsbMode = a->link == "rix" || a->link == "ventiq";
    App().VentiqMode = a->link == "ventiq";
    App().QuadrovanMode = a->link == "quadrovan";
    if (!a->port.empty())
        App().ComPortPath = a->port;

    TAPSend link;
    if (!a->port.empty())
        link.SetUsbFramesOnSerial(App().UsbMode);
    try {
        link.SelectComPort(App().ComPortNumber);
    } catch (const PortOpenError& e) {
        std::fprintf(stderr, "vamok-cli: %s\n", e.what());
        return 1;
    }

    LivePrinter printer(*a, app);
    QtPollTimer timer(PresencePoller::kIdleIntervalMs);
    PresencePoller poller(link, timer, printer);
    printer.attach(poller);
    link.OnDeviceAnswering = [&poller] { poller.ShortenInterval(); };
    QTimer::singleShot(kOverallLimitMsPerPoll * (a->count + 1), &app, [&app] { app.exit(kNoInstrument); });
    poller.Start();
    const int rc = app.exec();
    poller.Stop();
    if (rc == kNoInstrument)
        std::fprintf(stderr, "vamok-cli: no instrument answered\n");
    return rc;
}
