// vamok-cli live --link L [--port PATH] [--count N] [--json]: polls the
// instrument as the online window does and prints the online table after
// every value poll.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"
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

// Long enough for the first identification after a slow start.
constexpr int kOverallLimitMsPerPoll = 4000;

struct Arguments {
    LinkOptions link;
    int count = 1;
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
    Arguments a{*link, 1, args.flag("json")};
    if (const std::optional<std::string> text = args.value("count")) {
        const auto n = ParseInt32(*text);
        if (!n || *n < 1) {
            args.UsageError("--count needs a whole number from 1, not '" + *text + "'");
            return std::nullopt;
        }
        a.count = *n;
    }
    return a;
}

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
            app_.exit(static_cast<int>(ExitCode::NoInstrument));
            return;
        }
        if (!valuesPolled_)
            return;
        valuesPolled_ = false;
        Print(view);
        if (++printed_ >= a_.count)
            app_.exit(static_cast<int>(ExitCode::Done));
    }

private:
    void Print(const PollerView& view) const
    {
        if (a_.json) {
            std::printf("%s\n", LivePollJson(view.VersionText, poller_->SerialText(), view.Rows).c_str());
        } else {
            std::printf("%s\t%s\n", TerminalText(view.VersionText).c_str(), TerminalText(poller_->SerialText()).c_str());
            for (std::size_t r = 0; r < view.Rows.size(); ++r)
                std::printf("%s\t%s\n", TerminalText(kOnlineRowNames[r]).c_str(), TerminalText(view.Rows[r]).c_str());
        }
        std::fflush(stdout);
    }

    const Arguments& a_;
    QCoreApplication& app_;
    const PresencePoller* poller_ = nullptr;
    bool valuesPolled_ = false;
    int printed_ = 0;
};

ExitCode Run(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;
    QCoreApplication& app = *QCoreApplication::instance();
    // A look at the live values leaves the user's settings (device history) alone.
    SetSettingsStore(std::make_unique<MemorySettingsStore>());
    App().DecimalSep = DecimalSepFromLocale();
    LoadTypesForRating(a->link.library);
    TAPSend link;
    OpenLink(link, a->link);
    LivePrinter printer(*a, app);
    QtPollTimer timer(PresencePoller::kIdleIntervalMs);
    PresencePoller poller(link, timer, printer);
    printer.attach(poller);
    link.OnDeviceAnswering = [&poller] { poller.ShortenInterval(); };
    QTimer::singleShot(kOverallLimitMsPerPoll * (a->count + 1), &app, [&app] {
        app.exit(static_cast<int>(ExitCode::NoInstrument));
    });
    poller.Start();
    const auto rc = static_cast<ExitCode>(app.exec());
    poller.Stop();
    if (rc == ExitCode::NoInstrument)
        return ReportNoAnswer(link);
    return rc;
}

} // namespace

CliCommand LiveCommand()
{
    std::vector<CliOption> options = LinkOptionList();
    options.insert(options.end(), {
        {{"count"}, "N", "the number of value polls to print (default 1)"},
        {{"json"}, "", "one JSON object per poll instead of the table's lines"},
    });
    return {"live",
            "live --link altarim|quadrovan|rix|ventiq|demo [--port PATH] [--count N] [--json] [--library FILE]",
            "the online table after each value poll",
            options,
            {},
            Run};
}
