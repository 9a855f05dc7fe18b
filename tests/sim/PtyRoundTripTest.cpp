#include "SimTestHelpers.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using vamok::sim::test::Bytes;
using vamok::sim::test::Framed;
using Clock = std::chrono::steady_clock;

namespace {

const char* const kState = R"({
  "firmware": "2.10", "serial": 1234, "series": 56, "flags": 1,
  "live": {"Temp": 22.4},
  "workplaces": [{"number": 3, "name": "Lager", "type": "VAM "}],
  "types": [{"slot": 1, "name": "VAM "}, {"slot": 2, "name": "AB"}]
})";

// The program's end of the line: the pty opened like a serial port.
class Line {
public:
    explicit Line(const std::string& path, speed_t speed = B9600) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY))
    {
        setSpeed(speed);
    }
    void setSpeed(speed_t speed) const
    {
        termios tio{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::cfsetispeed(&tio, speed);
            ::cfsetospeed(&tio, speed);
            ::tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~Line()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }
    void send(const std::string& bytes) const { ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    // Reads until `count` bytes have come or `ms` have passed.
    std::string receive(std::size_t count, int ms) const
    {
        std::string out;
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (out.size() < count && Clock::now() < end) {
            pollfd p{fd_, POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            if (::poll(&p, 1, static_cast<int>(std::max<long>(1, left))) > 0) {
                char buffer[512];
                const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - out.size()));
                if (n > 0)
                    out.append(buffer, static_cast<std::size_t>(n));
            }
        }
        return out;
    }

private:
    int fd_;
};

class SimPty : public ::testing::Test {
protected:
    void SetUp() override { dir_.write("state.json", kState); }
    std::string statePath() const { return dir_.file("state.json"); }
    TempDir dir_;
};

} // namespace

TEST_F(SimPty, AltarimIdentifiesOverThePty)
{
    SimProcess sim("altarim", statePath());
    Line line(sim.ptyPath());
    ASSERT_TRUE(line.isOpen());
    line.send("VeSr");
    const std::string reply = line.receive(53, 2000);
    ASSERT_EQ(reply.size(), 53u);
    EXPECT_EQ(reply.substr(0, 5), "VAMOK");
    EXPECT_EQ(reply.substr(46), "SER" + Bytes({0x04, 0xD2, 0x38, 0x01}));
    EXPECT_EQ(line.receive(1, 200), ""); // nothing more than asked for
}

TEST_F(SimPty, WritesEndUpInTheRecordFile)
{
    const std::string record = dir_.file("record.json");
    SimProcess sim("altarim", statePath(), {"--record", record});
    {
        Line line(sim.ptyPath());
        line.send("Pt" + Bytes({0x03, 'B', 0xF5, 'r', 'o', ' ', ' ', ' ', ' ', 0x00, 0x02}) + "Gr\x03");
        const std::string reply = line.receive(1 + 3 + 76, 2000);
        ASSERT_EQ(reply.size(), 80u);
        EXPECT_EQ(reply.substr(0, 5), "\x06MEM\x03");
    }
    sim.stop();
    const QJsonObject written = QJsonDocument::fromJson(QByteArray::fromStdString(dir_.read("record.json"))).object();
    const QJsonObject name = written["names"].toObject()["3"].toObject();
    EXPECT_EQ(name["name"].toString(), QString::fromUtf8("B\u00fcro    "));
    EXPECT_EQ(name["hex"].toString(), "42F5726F20202020");
    EXPECT_EQ(name["slot"].toInt(), 2);
    EXPECT_EQ(written["writes"].toInt(), 1);
}

TEST_F(SimPty, RixFramesWithGarbageAndIgnoredCommands)
{
    SimProcess sim("rix", statePath(), {"--garbage", "--ignore-every", "2"});
    Line line(sim.ptyPath());
    line.send(Framed("SER"));
    const std::string first = line.receive(64, 500);
    const std::size_t stx = first.find('\x02');
    ASSERT_NE(stx, std::string::npos);
    EXPECT_GE(stx, 3u);
    EXPECT_EQ(first.substr(stx), Framed("SER1234-56"));
    line.send(Framed("SER"));
    EXPECT_EQ(line.receive(64, 400), "");
    line.send(Framed("VER"));
    const std::string third = line.receive(64, 500);
    EXPECT_NE(third.find(Framed("VER020A00")), std::string::npos);
}

TEST_F(SimPty, DelayAndPaceHoldTheAnswerBack)
{
    SimProcess sim("altarim", statePath(), {"--delay", "150", "--pace"});
    Line line(sim.ptyPath());
    const auto start = Clock::now();
    line.send("VeSr");
    ASSERT_EQ(line.receive(53, 3000).size(), 53u);
    // 150 ms delay plus 53 bytes at 9600 baud (10 bits each, 55 ms).
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(200));
}

// Paced, no byte arrives before the command and the answer up to it could
// have crossed the line, 10 bit times a byte.
TEST_F(SimPty, PacedBytesComeNoFasterThanTheLine)
{
    struct Case {
        const char* dialect;
        speed_t speed;
        long baud;
        std::string command;
        std::size_t answerSize;
    };
    const Case cases[] = {
        {"altarim", B9600, 9600, "VeSr", 53},
        {"quadrovan", B115200, 115200, Framed("SNR"), 13},
        {"ventiq", B9600, 230400, Framed("SER"), 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialect);
        SimProcess sim(c.dialect, statePath(), {"--pace"});
        Line line(sim.ptyPath(), c.speed);
        const auto start = Clock::now();
        line.send(c.command);
        std::size_t received = 0;
        while (received < c.answerSize) {
            const std::string chunk = line.receive(1, 2000);
            ASSERT_EQ(chunk.size(), 1u) << "after " << received << " bytes";
            ++received;
            const double earliestUs = (c.command.size() + received) * 10.0e6 / static_cast<double>(c.baud);
            const double atUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            EXPECT_GE(atUs, earliestUs) << "byte " << received;
        }
    }
}

TEST_F(SimPty, CorruptedQuadrovanAnswerHasAWrongChecksum)
{
    SimProcess sim("quadrovan", statePath(), {"--corrupt-every", "1"});
    Line line(sim.ptyPath(), B115200);
    line.send(Framed("SNR"));
    const std::string reply = line.receive(13, 1000);
    ASSERT_EQ(reply.size(), 13u);
    EXPECT_EQ(reply.substr(0, 10), "\x02SNR04D238");
    EXPECT_NE(reply, Framed("SNR04D238"));
}

TEST_F(SimPty, BytesAtTheWrongLineSpeedAreNotUnderstood)
{
    SimProcess altarim("altarim", statePath());
    Line line(altarim.ptyPath(), B115200);
    line.send("VeSr");
    EXPECT_EQ(line.receive(53, 400), "");
    line.setSpeed(B9600);
    line.send("VeSr");
    EXPECT_EQ(line.receive(53, 2000).size(), 53u);

    SimProcess quadrovan("quadrovan", statePath());
    Line framed(quadrovan.ptyPath(), B9600);
    framed.send(Framed("SNR"));
    EXPECT_EQ(framed.receive(13, 400), "");
    framed.setSpeed(B115200);
    framed.send(Framed("SNR"));
    EXPECT_EQ(framed.receive(13, 2000), Framed("SNR04D238"));
}
