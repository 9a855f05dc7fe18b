#include "live/PresencePoller.h"

#include "core/AppState.h"
#include "core/ConnectionSettings.h"
#include "core/TextHelpers.h"
#include "device/TAPSend.h"
#include "live/IdentificationParser.h"
#include "live/LivePmv.h"
#include "live/LiveValueParser.h"
#include "types/TypeLibrary.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr int kTicksPerIdentification = 8; // tick counter 0..7
constexpr int kSilentLimit = 10;
constexpr int kDeveloperSilentWrap = 100;
constexpr int kLost = 3;
constexpr int kBlankedRowsOnLoss = 8;

int IdentifyTimeoutMs() { return App().VentiqMode ? 400 : 300; }
int ValuesTimeoutMs() { return App().VentiqMode ? 1000 : 500; }

std::string PortLabel()
{
    if (App().UsbMode)
        return "USB";
    if (!App().ComPortPath.empty())
        return App().ComPortPath;
    return "COM" + std::to_string(App().ComPortNumber);
}

// Firmware before 1.4.3 has no TVOC and CO sensor.
bool OldFirmware(const std::string& version)
{
    return VersionToNumber(version, 3) < VersionToNumber("1.4.3", 3);
}

} // namespace

PresencePoller::PresencePoller(CommandChannel& channel, PollTimer& timer, PollerHooks& hooks,
                               KnownVamokList& known)
    : channel_(channel), timer_(timer), hooks_(hooks), known_(known)
{
    timer_.setHandler([this] { OnTimerTimer(); });
    InstrumentDialogue::SetPoller(this);
}

PresencePoller::~PresencePoller()
{
    InstrumentDialogue::SetPoller(nullptr);
    timer_.setHandler({});
}

void PresencePoller::SetTexts(const PollerTexts& texts)
{
    if (view_.VersionText == texts_.Searching)
        view_.VersionText = texts.Searching;
    texts_ = texts;
}

void PresencePoller::Start()
{
    state_ = PollState::Identify;
    timer_.setInterval(kIdleIntervalMs);
    timerAllowed_ = true;
    if (!tickRunning_ && !InstrumentDialogue::Busy())
        timer_.start();
}

void PresencePoller::Stop()
{
    timerAllowed_ = false;
    timer_.stop();
}

void PresencePoller::ResetPoller()
{
    timer_.setInterval(kIdleIntervalMs);
    ++resets_;
    silent_ = 0;
    silentMax_ = 0;
    if (App().DeveloperMode)
        hooks_.DiagnosticLine(3, "OnTimerResets: " + std::to_string(resets_));
}

void PresencePoller::ShortenInterval() { timer_.setInterval(kAnsweringIntervalMs); }

void PresencePoller::Park()
{
    state_ = PollState::Parked;
    timerAllowed_ = false;
    timer_.stop();
}

void PresencePoller::Resume()
{
    timerAllowed_ = true;
    if (!tickRunning_)
        timer_.start();
}

void PresencePoller::RunAfterTick(std::function<void()> action) { afterTick_.push_back(std::move(action)); }

void PresencePoller::OnTimerTimer()
{
    // A timer started from inside a running tick's wait must not nest a
    // second tick; the running one restarts the timer at its end.
    if (tickRunning_)
        return;
    timer_.stop();
    tickRunning_ = true;
    if (!hooks_.TypeTransferRunning()) {
        if (++tick_ >= kTicksPerIdentification) {
            tick_ = 0;
            state_ = PollState::Identify;
        }
        view_.PortLabel = PortLabel();
        if (state_ == PollState::Identify)
            Identify();
        else if (state_ == PollState::PollValues)
            PollValues();
    }
    EndTick();
}

void PresencePoller::EndTick()
{
    if (loss_ == kLost) {
        view_.Face = PollerFace::Lost;
        view_.Rows.fill(kNotAvailable);
    } else {
        view_.Face = PollerFace::Connected;
    }
    if (state_ != PollState::Identify)
        state_ = PollState::PollValues;
    tickRunning_ = false;
    if (timerAllowed_ && !InstrumentDialogue::Busy())
        timer_.start();
    hooks_.ViewChanged();

    auto pending = std::move(afterTick_);
    afterTick_.clear();
    for (auto& action : pending)
        action();
}

void PresencePoller::Identify()
{
    const std::string reply = channel_.SendCommand("VeSr", "VAMOK", IdentifyTimeoutMs(), 53, "");
    if (!reply.empty()) {
        ApplyIdentification(PrefixWithLength(reply));
        state_ = PollState::PollValues;
        timer_.setInterval(kIdleIntervalMs);
        silent_ = 0;
        // The command layer records the rix and the Quadrovan itself.
        if (!App().UsbMode && !App().QuadrovanMode) {
            App().LastVamok = "VamokAltarim";
            WriteDeviceHistory();
        }
    } else {
        CountSilence();
    }
    if (App().DeveloperMode)
        ShowDiagnostics();
    DetectLoss();
}

void PresencePoller::CountSilence()
{
    if (silent_ <= kSilentLimit) {
        ++silent_;
    } else if (App().DeveloperMode) {
        if (++silent_ > kDeveloperSilentWrap)
            silent_ = kSilentLimit + 1;
    }
    if (silent_ > kSilentLimit)
        DeviceAnswering = false;
}

void PresencePoller::ShowDiagnostics()
{
    silentMax_ = std::max(silentMax_, silent_);
    hooks_.DiagnosticLine(0, "NoanswerCntMax: " + std::to_string(silentMax_));
    hooks_.DiagnosticLine(1, "NoanswerCnt: " + std::to_string(silent_));
    hooks_.DiagnosticLine(2, "TimeOut (/ms): 300");
}

void PresencePoller::DetectLoss()
{
    if (unanswered_) {
        if (loss_ < 2)
            ++loss_;
        else
            ShowLost();
    } else {
        loss_ = 0;
    }
    unanswered_ = true;
}

void PresencePoller::ShowLost()
{
    present_ = false;
    view_.VersionText = texts_.Searching;
    App().DeviceVersion.clear();
    hooks_.SerialPanelChanged(texts_.SerialCaption);
    serialText_.clear();
    loss_ = kLost;
    std::fill(view_.Rows.begin(), view_.Rows.begin() + kBlankedRowsOnLoss, std::string());
}

void PresencePoller::ApplyIdentification(const std::string& prefixedReply)
{
    const Identification id = ParseIdentification(prefixedReply, App().UsbMode);
    if (id.SerialText) {
        const std::string& serial = *id.SerialText;
        hooks_.SerialPanelChanged(serial);
        present_ = true;
        if (!known_.Contains(serial) || serial != lastSerial_) {
            DeviceTypes().clear();
            App().UsedAPT.clear();
            known_.Append(serial);
            hooks_.NewInstrument();
        }
        serialText_ = serial;
        lastSerial_ = serial;
    }
    unanswered_ = false;
    if (id.VersionText) {
        view_.VersionText = *id.VersionText;
        view_.VersionCaptionHidden = App().QuadrovanMode || App().UsbMode;
    }
    if (id.DeviceVersion)
        App().DeviceVersion = *id.DeviceVersion;
}

void PresencePoller::PollValues()
{
    std::string reply = channel_.SendCommand("MmCkSr", "MESS", ValuesTimeoutMs(), 0, "SER");
    if (reply.empty())
        state_ = PollState::Identify;
    if (App().QuadrovanMode)
        reply = AppendGlobeValues(reply, channel_.SendCommand("GVR", "GVR", 500, 0, ""));

    LiveParseOptions options;
    options.UsbMode = App().UsbMode;
    options.VentiqMode = App().VentiqMode;
    options.LuminanceTest = App().DeveloperMode && App().SensorTestMode;
    options.OldFirmware = OldFirmware(App().DeviceVersion);
    options.DecimalSep = App().DecimalSep;
    TVamokAPDatenStrg record = ParseLiveValues(PrefixWithLength(reply), options);
    record[TVamokAPDatenStrg::PMV] = LivePmvText(record, FirstPcTypeOrNull(), App().DecimalSep);
    hooks_.LiveValues(record);
    ShowRecord(record);
}

void PresencePoller::ShowRecord(const TVamokAPDatenStrg& record)
{
    for (std::size_t r = 0; r < kOnlineRowFields.size(); ++r)
        view_.Rows[r] = record[kOnlineRowFields[r]];
}

} // namespace vamok
