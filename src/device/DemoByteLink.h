#pragma once
// A byte link to a simulated instrument inside this process: written bytes
// go to the instrument engine of vamok_sim, its answers come back after the
// time they would take on the instrument's line, through the event loop, so
// the command layer waits for them exactly as it waits for a real port.
#include "device/ByteLink.h"

#include <QElapsedTimer>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>

namespace vamok::sim {
class Instrument;
}

namespace vamok {

class DemoByteLink : public ByteLink {
public:
    explicit DemoByteLink(std::unique_ptr<sim::Instrument> instrument);
    ~DemoByteLink() override;
    DemoByteLink(const DemoByteLink&) = delete;
    DemoByteLink& operator=(const DemoByteLink&) = delete;

    bool Open(std::string* error) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    long Write(const std::string& bytes) override;
    bool ReadAvailable(std::string& out) override;
    void Purge() override;
    bool SetBaudRate(int baud) override;
    int BaudRate() const override { return baud_; }

    const sim::Instrument& Instrument() const { return *instrument_; }

private:
    struct Pending {
        qint64 dueMs; // on clock_
        std::string bytes;
    };
    void Queue(const std::string& reply);
    void Deliver();
    void ArmTimer();

    std::unique_ptr<sim::Instrument> instrument_;
    bool open_ = false;
    int baud_ = 9600;
    QElapsedTimer clock_;
    qint64 lastInputMs_ = 0;
    std::deque<Pending> pending_;
    std::string received_;
    QTimer timer_;
};

} // namespace vamok
