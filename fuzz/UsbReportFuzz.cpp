// libFuzzer target: interrupt IN reports of the USB bridge, their data
// gathered and cut into frames. The frames do not depend on how the bytes
// were split into reports; each is STX ... ETX with no STX inside, within
// the size limit, and a frame that passes its check is the frame its payload
// builds.
#include "device/Frame.h"
#include "device/HidUartReports.h"
#include "device/UsbFrameAssembler.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vamok;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is a sequence of reports as hidraw hands them over: a lead
    // byte whose low 7 bits are the report ID (the data length for 1..63) and
    // whose bit 7 pads the report to 64 bytes, as some hosts deliver them;
    // then the report's bytes.
    UsbFrameAssembler perReport;
    std::vector<std::string> frames;
    std::string stream;
    std::size_t at = 0;
    while (at < size) {
        const bool padded = data[at] & 0x80;
        const std::uint8_t id = data[at] & 0x7F;
        ++at;
        const std::size_t length = std::min<std::size_t>(id, size - at);
        HidReport report(1, id);
        report.insert(report.end(), data + at, data + at + length);
        if (padded)
            report.resize(64, 0);
        at += length;
        std::string received;
        AppendReportData(report, received);
        // A data report gives the bytes its ID counts, or those it holds
        // when it is shorter; other IDs carry no UART data.
        const std::size_t expected =
            (id == 0 || id > hidreport::kMaxData) ? 0 : std::min<std::size_t>(id, report.size() - 1);
        if (received.size() != expected)
            std::abort();
        stream += received;
        for (std::string& frame : perReport.Feed(received))
            frames.push_back(std::move(frame));
    }
    UsbFrameAssembler whole;
    if (whole.Feed(stream) != frames)
        std::abort();
    for (const std::string& frame : frames) {
        if (frame.size() < 2 || frame.front() != '\x02' || frame.back() != '\x03'
            || frame.find('\x02', 1) != std::string::npos || frame.size() > UsbFrameAssembler::kMaxFrame)
            std::abort();
        const std::string payload = CheckFrame(frame);
        if (!payload.empty() && BuildFrame(payload) != frame)
            std::abort();
    }
    return 0;
}
