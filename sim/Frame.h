#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vamok::sim {

inline constexpr char kStx = 0x02;
inline constexpr char kEtx = 0x03;
inline constexpr char kAck = 0x06;
inline constexpr char kNak = 0x15;

// Sum of the payload bytes modulo 256 (STX and ETX are not counted).
unsigned PayloadChecksum(std::string_view payload);
// STX + payload + checksum as two upper-case hex digits + ETX.
std::string BuildFrame(std::string_view payload);

// Cuts the framed dialects' byte stream into frames as the instrument does:
// bytes outside STX..ETX are dropped, an STX restarts the frame.
class FrameReader {
public:
    struct Frame {
        bool valid = false;  // length, upper-case checksum digits and sum all right
        std::string payload; // valid: the payload; invalid: the raw frame
    };
    std::vector<Frame> feed(std::string_view bytes);
    void reset();
    bool inFrame() const { return inFrame_; }

private:
    static Frame check(const std::string& frame);
    std::string buffer_;
    bool inFrame_ = false;
};

} // namespace vamok::sim
