#include "measure/MemoryReadout.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "device/CommandChannel.h"
#include "device/LinkMode.h"
#include "measure/AltarimRecordDecoder.h"
#include "measure/RixRecordDecoder.h"
#include "measure/RowFormatting.h"
#include "measure/VentiqRecordDecoder.h"

#include <QDateTime>

#include <algorithm>

namespace vamok {

namespace {

// Each repeat adds this to the retry counter; repeats go on while it is
// below kRetryLimit, so at most three repeats, after which it exceeds it.
constexpr int kRetryStep = 4;
constexpr int kRetryLimit = 10;

bool HoldsAirVelocity(const WorkplaceRow& row)
{
    const RawRow& r = row.raw;
    for (std::int32_t v : {r.Wind, r.WindI, r.WindII, r.WindIII})
        if (v != NoValue)
            return true;
    const RowTexts& t = row.texts;
    for (const std::string* s : {&t.Wind, &t.WindI, &t.WindII, &t.WindIII})
        if (!IsMissingValueText(*s) && *s != "131071")
            return true;
    return false;
}

bool IsPartial(ReadoutMode mode)
{
    return mode == ReadoutMode::QuadrovanOnly || mode == ReadoutMode::VentiqInsert;
}

} // namespace

const MemoryRecordDecoder& DecoderFor(LinkMode link)
{
    static const RixRecordDecoder rix;
    static const VentiqRecordDecoder ventiq;
    static const AltarimRecordDecoder altarim;
    switch (link) {
    case LinkMode::RixUsb: return rix;
    case LinkMode::VentiqUsb: return ventiq;
    case LinkMode::AltarimCom:
    case LinkMode::QuadrovanCom: break;
    }
    return altarim;
}

std::string MemoryReadout::Command(int n)
{
    return std::string("Gr") + static_cast<char>(n) + "Ck";
}

MemoryReadout::MemoryReadout(MeasurementTable& table, CommandChannel& channel, ReadoutUi& ui,
                             PollerControl& poller, std::vector<std::string>& usedTypes)
    : table_(table), channel_(channel), ui_(ui), poller_(poller), usedTypes_(usedTypes)
{
}

ReadoutResult MemoryReadout::Run(ReadoutMode mode, int from, int to, const PmvSettings& pmv)
{
    ReadoutResult result;
    mode_ = mode;
    pmv_ = pmv;
    cancel_ = false;
    from = std::clamp(from, 1, kRowCount);
    to = std::clamp(to, 1, kRowCount);
    if (from >= to)
        to = from;

    if (mode == ReadoutMode::Read) {
        table_.clearAll();
        App().MeasurementsModified = false;
        ui_.TableCleared();
    }
    if (mode == ReadoutMode::VentiqInsert && !ConfirmVentiqOverwrite(from, to))
        return result;
    result.started = true;

    ui_.Begin(from, to);
    poller_.Park();
    const MemoryRecordDecoder& decoder = DecoderFor(CurrentLinkMode());
    for (int n = from; n <= to && !cancel_; ++n) {
        ui_.ShowProgress(n);
        int retries = 0;
        const std::string reply = ReadReply(n, decoder, retries);
        DecodeReply(reply, n, to, decoder, retries, result);
        if (n % 10 == 0 || n == from)
            ui_.ShowBusy();
        if (retries > kRetryLimit) {
            ++result.unansweredRows;
            ui_.CloseBusy();
            if (!ui_.AskContinueAfterNoAnswer())
                cancel_ = true;
        }
        AddUsedTypes(n);
    }

    result.cancelled = cancel_;
    cancel_ = false;
    ui_.CloseBusy();
    ui_.Finished(from, to);
    poller_.Resume();
    return result;
}

bool MemoryReadout::ConfirmVentiqOverwrite(int from, int to)
{
    std::string rows;
    for (int r = from; r <= to; ++r)
        if (HoldsAirVelocity(table_.row(r)))
            rows += std::to_string(r) + " - ";
    return rows.empty() || ui_.ConfirmVentiqOverwrite(rows);
}

std::string MemoryReadout::ReadReply(int n, const MemoryRecordDecoder& decoder, int& retries)
{
    const std::string command = Command(n);
    auto send = [&] { return channel_.SendCommand(command, "MEM", kTimeoutMs, kReplySize, ""); };
    // A short reply is no answer; so, on the USB instruments, is the record
    // of another workplace.
    auto unanswered = [&](const std::string& reply) {
        if (reply.size() < static_cast<std::size_t>(kReplySize))
            return true;
        const auto record = RecordOfReply(reply);
        return decoder.RetriesOtherWorkplace() && record && !IsRecordFor(*record, n);
    };
    std::string reply = send();
    while (unanswered(reply) && retries < kRetryLimit) {
        reply = send();
        retries += kRetryStep;
    }
    return reply;
}

void MemoryReadout::DecodeReply(const std::string& reply, int n, int to,
                                const MemoryRecordDecoder& decoder, int& retries,
                                ReadoutResult& result)
{
    App().DecimalSep = DecimalSepFromLocale();
    const auto record = RecordOfReply(reply);
    if (!record) {
        if (decoder.ReportsMissingRecord()) {
            ++result.decodeErrors;
            ui_.ReportDecodeError();
        }
        return;
    }
    if (decoder.RetriesOtherWorkplace() && !IsRecordFor(*record, n))
        return; // no answer for this row
    ui_.RecordArrived();

    DecodeContext ctx;
    ctx.workplace = n;
    ctx.deviceVersion = App().DeviceVersion;
    ctx.firmware = VersionToNumber(App().DeviceVersion, 3);
    ctx.quadrovanMode = App().QuadrovanMode;
    ctx.usbLink = App().UsbMode;
    ctx.partial = IsPartial(mode_);

    WorkplaceRow& row = table_.row(n);
    const DecodeStatus status = decoder.Decode(*record, ctx, row.raw);
    if (status == DecodeStatus::Decoded) {
        App().MeasurementsModified = true;
        FormatRowTexts(row, ctx.partial ? decoder.PartialScope() : decoder.FullScope(), pmv_);
        ui_.ShowRow(n);
        result.rowsRead.push_back(n);
    } else if (!decoder.RetriesOtherWorkplace()) {
        ui_.RecordRejected();
    }
    retries = 0;
    if (n >= to)
        ui_.CloseBusy();
    if (status != DecodeStatus::Decoded) {
        ++result.decodeErrors;
        ui_.ReportDecodeError();
    }
}

void MemoryReadout::AddUsedTypes(int upTo)
{
    for (int r = 1; r <= upTo; ++r) {
        std::string& type = table_.row(r).texts.Type;
        if (type.empty() || type == "NONE" ||
            std::find(usedTypes_.begin(), usedTypes_.end(), type) != usedTypes_.end())
            continue;
        type = PadText(true, 4, type);
        ui_.ShowTypeCell(r);
        usedTypes_.push_back(type);
    }
}

std::string ReadoutNotesLine(const std::string& dateWord, const std::string& numberWord,
                             const std::string& toWord, int from, int to)
{
    const std::string now =
        QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")).toStdString();
    return dateWord + " (" + numberWord + std::to_string(from) + " " + toWord + " " +
           std::to_string(to) + "): " + now;
}

} // namespace vamok
