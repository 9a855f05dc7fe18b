#include "device/DemoByteLink.h"

#include "sim/Instrument.h"

#include <algorithm>

namespace vamok {

namespace {

constexpr qint64 kQuietDropMs = 1000; // an unfinished command is forgotten after this pause
constexpr long kBitsPerByte = 10;     // start, eight data bits, stop

} // namespace

DemoByteLink::DemoByteLink(std::unique_ptr<sim::Instrument> instrument)
    : instrument_(std::move(instrument))
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Deliver(); });
}

DemoByteLink::~DemoByteLink() = default;

bool DemoByteLink::Open(std::string*)
{
    open_ = true;
    return true;
}

void DemoByteLink::Close()
{
    open_ = false;
    Purge();
}

long DemoByteLink::Write(const std::string& bytes)
{
    if (!open_)
        return -1;
    const qint64 now = clock_.elapsed();
    if (instrument_->hasPartialInput() && now - lastInputMs_ > kQuietDropMs)
        instrument_->dropPartialInput();
    lastInputMs_ = now;
    // Sent at another line speed the bytes arrive as noise.
    if (instrument_->onSerialPort() && baud_ != instrument_->lineSpeed()) {
        instrument_->dropPartialInput();
        return static_cast<long>(bytes.size());
    }
    for (const sim::Answer& answer : instrument_->receive(bytes))
        Queue(answer.reply);
    return static_cast<long>(bytes.size());
}

void DemoByteLink::Queue(const std::string& reply)
{
    if (reply.empty())
        return;
    // Each reply follows the previous one on the line and takes its own
    // transfer time.
    const qint64 start = pending_.empty() ? clock_.elapsed() : pending_.back().dueMs;
    const qint64 wireMs =
        static_cast<qint64>(reply.size()) * kBitsPerByte * 1000 / std::max(1L, instrument_->lineSpeed());
    pending_.push_back({start + wireMs, reply});
    ArmTimer();
}

void DemoByteLink::ArmTimer()
{
    if (pending_.empty() || timer_.isActive())
        return;
    timer_.start(static_cast<int>(std::max<qint64>(0, pending_.front().dueMs - clock_.elapsed())));
}

void DemoByteLink::Deliver()
{
    const qint64 now = clock_.elapsed();
    bool delivered = false;
    while (!pending_.empty() && pending_.front().dueMs <= now) {
        received_ += pending_.front().bytes;
        pending_.pop_front();
        delivered = true;
    }
    ArmTimer();
    if (delivered && DataAvailable)
        DataAvailable();
}

bool DemoByteLink::ReadAvailable(std::string& out)
{
    if (!open_)
        return false;
    out += received_;
    received_.clear();
    return true;
}

void DemoByteLink::Purge()
{
    pending_.clear();
    received_.clear();
    timer_.stop();
    instrument_->dropPartialInput();
}

bool DemoByteLink::SetBaudRate(int baud)
{
    baud_ = baud;
    return true;
}

} // namespace vamok
