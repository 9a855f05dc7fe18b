#pragma once
// The instrument end of a pseudo-terminal, played by the test itself: the
// program opens slavePath() like a serial port; whatever it writes reaches
// onReceive, and send() answers (at once or after a delay).
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace vamok::test {

class PtyPeer {
public:
    PtyPeer()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        slave_ = ptsname(master_);
        // Keep the slave side open so the terminal survives the program
        // closing and reopening it, and set it raw before the program opens.
        keepOpen_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(keepOpen_, &t);
        cfmakeraw(&t);
        tcsetattr(keepOpen_, TCSANOW, &t);
        notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated, [this] { ReadMaster(); });
    }
    ~PtyPeer()
    {
        delete notifier_;
        ::close(keepOpen_);
        ::close(master_);
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& slavePath() const { return slave_; }
    std::string received; // everything the program wrote
    std::function<void(PtyPeer&, const std::string& chunk)> onReceive;

    void send(const std::string& bytes) { (void)!::write(master_, bytes.data(), bytes.size()); }
    void sendAfter(int ms, const std::string& bytes)
    {
        QTimer::singleShot(ms, notifier_, [this, bytes] { send(bytes); });
    }
    // The line settings the program gave the terminal.
    termios settings() const
    {
        termios t{};
        tcgetattr(keepOpen_, &t);
        return t;
    }

private:
    void ReadMaster()
    {
        char buf[512];
        for (;;) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            const std::string chunk(buf, static_cast<std::size_t>(n));
            received += chunk;
            if (onReceive)
                onReceive(*this, chunk);
        }
    }

    int master_ = -1;
    int keepOpen_ = -1;
    std::string slave_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vamok::test
