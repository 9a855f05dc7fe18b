#pragma once
// A HID backend that plays CP2110-class bridge chips, written from the chip
// maker's interface facts alone: it encodes and decodes every report itself
// and shares no code with the program, so a wrong report ID, length or byte
// order fails a test instead of being mirrored.
//
// What the chip does here:
// - Its UART is disabled after every open (and power-up) until feature
//   report 0x41 enables it; bytes written or received meanwhile are lost, as
//   are bytes on a line whose speed or frame differs from the instrument's.
// - The UART configuration (0x50) takes only what the chip can run (a speed
//   up to maxBaud, valid codes); a get returns what the chip holds.
// - A feature report of a wrong length, of an unknown ID or in the wrong
//   direction fails.
// - Bytes from the instrument wait in the 480-byte receive FIFO until the
//   host's queue (64 input reports per open handle, as hidraw keeps) has
//   room; a full FIFO loses bytes and sets the overrun bit of the status
//   (0x42). Nobody polls the chip while no handle is open.
// - Purge (0x43) empties the chip's FIFOs, never the host's queue.
// - Pulling the plug makes every call on the open handle fail, as hidraw
//   does; plugging in again is a power-up, the old handle stays dead.
// - Input reports arrive padded to 64 bytes unless padInput is off.
// - A read waits for a report up to its timeout and no longer.
#include "device/HidDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace vamok::test {

namespace chip {
inline constexpr std::uint8_t kReset = 0x40;
inline constexpr std::uint8_t kUartEnable = 0x41;
inline constexpr std::uint8_t kUartStatus = 0x42;
inline constexpr std::uint8_t kPurge = 0x43;
inline constexpr std::uint8_t kGetLatch = 0x44;
inline constexpr std::uint8_t kSetLatch = 0x45;
inline constexpr std::uint8_t kPartNumber = 0x46;
inline constexpr std::uint8_t kUartConfig = 0x50;
inline constexpr std::size_t kMaxData = 63;
inline constexpr std::size_t kPaddedReport = 64;
inline constexpr std::size_t kFifoBytes = 480;
inline constexpr std::size_t kHostQueueReports = 64;
inline constexpr std::uint8_t kParityError = 0x01;
inline constexpr std::uint8_t kOverrun = 0x02;

// Bytes of each feature report with its ID; 0 where the direction is not
// offered.
struct Feature {
    std::uint8_t id;
    std::size_t setBytes;
    std::size_t getBytes;
};
inline constexpr Feature kFeatures[] = {
    {kReset, 2, 0},     {kUartEnable, 2, 2}, {kUartStatus, 0, 7},  {kPurge, 2, 0},
    {kGetLatch, 0, 3},  {kSetLatch, 5, 0},   {kPartNumber, 0, 3},  {kUartConfig, 9, 9},
};
inline const Feature* FindFeature(std::uint8_t id)
{
    for (const Feature& f : kFeatures) {
        if (f.id == id)
            return &f;
    }
    return nullptr;
}
} // namespace chip

struct FakeBridge {
    using Clock = std::chrono::steady_clock;

    HidDeviceInfo info; // strings in UTF-8, as the backend hands them over
    bool permissionDenied = false;
    bool plugged = true;
    bool padInput = true;
    std::uint32_t maxBaud = 2000000;
    // The instrument's side of the line: 8 data bits, no parity, 1 stop bit.
    std::uint32_t lineBaud = 1500000;
    // Set by 0x41; every open and power-up clears it, closing does not.
    bool uartEnabled = false;

    // Held by the chip (power-up values).
    std::uint32_t baud = 115200;
    std::uint8_t parity = 0, flowControl = 0, dataBits = 3, stopBits = 0;
    std::uint16_t latch = 0x0000;
    std::string rxFifo;
    std::uint8_t errorStatus = 0;

    // The open handle's input queue in the kernel.
    bool handleOpen = false;
    int generation = 0;
    std::deque<std::vector<std::uint8_t>> hostQueue;

    // What can be observed from outside.
    std::string heard;                              // bytes that reached the instrument
    std::vector<std::vector<std::uint8_t>> outReports; // interrupt OUT reports as sent
    std::uint32_t baudWhenEnabled = 0;              // UART speed when 0x41 enabled it
    int purges = 0;
    int opens = 0;
    // Scenario: the cable is pulled after the host has taken this many more
    // input reports (or OUT reports); -1: never.
    int unplugAfterReads = -1;
    int unplugAfterWrites = -1;

    // The instrument behind the UART: gets every byte it hears and may answer
    // with FromInstrument.
    std::function<void(FakeBridge&, const std::string&)> instrument;

    bool LineMatches() const
    {
        return uartEnabled && baud == lineBaud && parity == 0 && flowControl == 0 && dataBits == 3
            && stopBits == 0;
    }

    // The instrument sends bytes; they reach the chip at once.
    void FromInstrument(const std::string& bytes)
    {
        if (!plugged)
            return;
        for (char c : bytes) {
            if (!LineMatches())
                continue;
            if (rxFifo.size() >= chip::kFifoBytes) {
                errorStatus |= chip::kOverrun;
                continue;
            }
            rxFifo += c;
            if (rxFifo.size() >= chip::kMaxData)
                HandOver();
        }
        HandOver();
    }
    // The instrument sends bytes after a pause.
    void FromInstrumentAfter(int ms, const std::string& bytes)
    {
        scheduled.push_back({Clock::now() + std::chrono::milliseconds(ms), bytes});
    }
    // Delivers what the instrument has sent by now.
    void Advance()
    {
        const auto now = Clock::now();
        while (true) {
            auto due = std::find_if(scheduled.begin(), scheduled.end(),
                                    [now](const auto& s) { return s.at <= now; });
            if (due == scheduled.end())
                return;
            const std::string bytes = due->bytes;
            scheduled.erase(due);
            FromInstrument(bytes);
        }
    }
    bool HasScheduled() const { return !scheduled.empty(); }
    Clock::time_point NextScheduled() const
    {
        Clock::time_point next = Clock::time_point::max();
        for (const auto& s : scheduled)
            next = std::min(next, s.at);
        return next;
    }

    // The chip hands its FIFO over in reports while the host queue has room.
    void HandOver()
    {
        while (handleOpen && hostQueue.size() < chip::kHostQueueReports && !rxFifo.empty()) {
            const std::size_t n = std::min(chip::kMaxData, rxFifo.size());
            std::vector<std::uint8_t> report{static_cast<std::uint8_t>(n)};
            report.insert(report.end(), rxFifo.begin(), rxFifo.begin() + static_cast<long>(n));
            if (padInput)
                report.resize(chip::kPaddedReport, 0);
            rxFifo.erase(0, n);
            hostQueue.push_back(std::move(report));
        }
    }

    void Unplug()
    {
        plugged = false;
        ++generation;
        handleOpen = false;
        hostQueue.clear();
        scheduled.clear();
    }
    // Plugging in powers the chip up afresh.
    void Plug()
    {
        PowerUp();
        plugged = true;
    }
    void PowerUp()
    {
        uartEnabled = false;
        baud = 115200;
        parity = flowControl = stopBits = 0;
        dataBits = 3;
        latch = 0x0000;
        rxFifo.clear();
        errorStatus = 0;
    }

    // Encodes the get side of a feature report.
    std::vector<std::uint8_t> FeatureValue(std::uint8_t id) const
    {
        const auto hi = [](unsigned v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); };
        const auto lo = [](unsigned v) { return static_cast<std::uint8_t>(v & 0xFF); };
        switch (id) {
        case chip::kUartEnable: return {id, static_cast<std::uint8_t>(uartEnabled ? 1 : 0)};
        case chip::kUartStatus: {
            const auto rx = static_cast<unsigned>(rxFifo.size());
            return {id, 0, 0, hi(rx), lo(rx), errorStatus, 0};
        }
        case chip::kGetLatch: return {id, hi(latch), lo(latch)};
        case chip::kPartNumber: return {id, 0x0A, 0x01};
        case chip::kUartConfig:
            return {id,     lo(baud >> 24), lo(baud >> 16), lo(baud >> 8), lo(baud),
                    parity, flowControl,    dataBits,       stopBits};
        default: return {};
        }
    }

    // Decodes the set side of a feature report; false when the chip stalls.
    bool TakeFeature(const std::vector<std::uint8_t>& r)
    {
        switch (r[0]) {
        case chip::kReset:
            Unplug(); // it re-enumerates
            Plug();
            return true;
        case chip::kUartEnable:
            if (r[1] > 1)
                return false;
            uartEnabled = r[1] == 1;
            if (uartEnabled)
                baudWhenEnabled = baud;
            return true;
        case chip::kPurge:
            if (r[1] < 1 || r[1] > 3)
                return false;
            if (r[1] & 0x02)
                rxFifo.clear();
            ++purges;
            return true;
        case chip::kSetLatch: {
            const auto value = static_cast<std::uint16_t>((r[1] << 8) | r[2]);
            const auto mask = static_cast<std::uint16_t>((r[3] << 8) | r[4]);
            latch = static_cast<std::uint16_t>((latch & ~mask) | (value & mask));
            return true;
        }
        case chip::kUartConfig: {
            const std::uint32_t b = (std::uint32_t{r[1]} << 24) | (std::uint32_t{r[2]} << 16)
                | (std::uint32_t{r[3]} << 8) | r[4];
            // Values the chip cannot run are not taken; it keeps what it has.
            if (b == 0 || b > maxBaud || r[5] > 4 || r[6] > 1 || r[7] > 3 || r[8] > 1)
                return true;
            baud = b;
            parity = r[5];
            flowControl = r[6];
            dataBits = r[7];
            stopBits = r[8];
            return true;
        }
        default: return false;
        }
    }

    // The host opens a handle: a new, empty queue, and the chip is polled.
    void OpenHandle()
    {
        ++opens;
        handleOpen = true;
        hostQueue.clear();
        uartEnabled = false;
        HandOver();
    }

private:
    struct Scheduled {
        Clock::time_point at;
        std::string bytes;
    };
    std::vector<Scheduled> scheduled;
};

class FakeHidDevice : public HidDevice {
public:
    explicit FakeHidDevice(std::shared_ptr<FakeBridge> bridge)
        : b_(std::move(bridge)), generation_(b_->generation)
    {
        b_->OpenHandle();
    }
    ~FakeHidDevice() override
    {
        if (Alive())
            b_->handleOpen = false;
    }

    bool WriteReport(const HidReport& report) override
    {
        if (!Alive())
            return false;
        b_->Advance();
        if (report.size() < 2 || report[0] == 0 || report[0] > chip::kMaxData
            || report.size() < std::size_t{report[0]} + 1 || report.size() > chip::kPaddedReport)
            return false;
        b_->outReports.push_back(report);
        if (b_->LineMatches()) {
            const std::string bytes(report.begin() + 1, report.begin() + 1 + report[0]);
            b_->heard += bytes;
            if (b_->instrument)
                b_->instrument(*b_, bytes);
        }
        if (b_->unplugAfterWrites > 0 && --b_->unplugAfterWrites == 0)
            b_->Unplug();
        return true;
    }

    bool ReadReport(HidReport& report, int timeoutMs) override
    {
        if (!Alive())
            return false;
        b_->Advance();
        if (timeoutMs < 0 && b_->hostQueue.empty() && !b_->HasScheduled()) {
            ADD_FAILURE() << "a read without timeout would wait forever";
            timeoutMs = 0;
        }
        const auto deadline = timeoutMs < 0
            ? FakeBridge::Clock::time_point::max()
            : FakeBridge::Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (b_->hostQueue.empty() && FakeBridge::Clock::now() < deadline
               && (timeoutMs >= 0 || b_->HasScheduled())) {
            std::this_thread::sleep_until(std::min(deadline, b_->NextScheduled()));
            b_->Advance();
        }
        report.clear();
        if (b_->hostQueue.empty())
            return true;
        report = b_->hostQueue.front();
        b_->hostQueue.pop_front();
        b_->HandOver();
        if (b_->unplugAfterReads > 0 && --b_->unplugAfterReads == 0)
            b_->Unplug();
        return true;
    }

    bool SetFeature(const HidReport& report) override
    {
        if (!Alive() || report.empty())
            return false;
        b_->Advance();
        const chip::Feature* f = chip::FindFeature(report[0]);
        if (!f || f->setBytes == 0 || report.size() != f->setBytes)
            return false;
        return b_->TakeFeature(report);
    }

    bool GetFeature(HidReport& report) override
    {
        if (!Alive() || report.empty())
            return false;
        b_->Advance();
        const chip::Feature* f = chip::FindFeature(report[0]);
        if (!f || f->getBytes == 0 || report.size() < f->getBytes)
            return false;
        report = b_->FeatureValue(report[0]);
        return true;
    }

private:
    bool Alive() const { return b_->plugged && b_->generation == generation_; }

    std::shared_ptr<FakeBridge> b_;
    int generation_;
};

class FakeHidBackend : public HidBackend {
public:
    explicit FakeHidBackend(std::vector<std::shared_ptr<FakeBridge>>* bridges) : bridges_(bridges) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vid, std::uint16_t pid) override
    {
        std::vector<HidDeviceInfo> out;
        for (const auto& b : *bridges_) {
            if (b->plugged && (vid == 0 || b->info.vendorId == vid)
                && (pid == 0 || b->info.productId == pid))
                out.push_back(b->info);
        }
        return out;
    }
    std::unique_ptr<HidDevice> Open(const std::string& path, HidOpenResult& result) override
    {
        for (const auto& b : *bridges_) {
            if (!b->plugged || b->info.path != path)
                continue;
            if (b->permissionDenied) {
                result = HidOpenResult::PermissionDenied;
                return nullptr;
            }
            result = HidOpenResult::Opened;
            return std::make_unique<FakeHidDevice>(b);
        }
        result = HidOpenResult::NotFound;
        return nullptr;
    }

private:
    std::vector<std::shared_ptr<FakeBridge>>* bridges_;
};

// A bridge chip with the instrument of its product ID behind it (rix at
// 1500000 baud, Ventiq at 230400).
inline std::shared_ptr<FakeBridge> MakeFakeBridge(const std::string& path, std::uint16_t pid,
                                                  const std::string& serial = "0001")
{
    auto b = std::make_shared<FakeBridge>();
    b->info = {path, 0x10C4, pid, serial, "Silicon Labs", "VAMOK rix"};
    b->lineBaud = pid == 0x89CF ? 230400 : 1500000;
    return b;
}

} // namespace vamok::test
