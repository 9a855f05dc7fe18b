#pragma once
// The frame of the Quadrovan gateway and the rix/Ventiq instruments:
// STX, payload, byte sum of the payload modulo 256 as two upper-case hex
// digits, ETX.
#include <string>

namespace vamok {

inline constexpr char kSTX = 0x02;
inline constexpr char kETX = 0x03;
inline constexpr char kENQ = 0x05;
inline constexpr char kACK = 0x06;
inline constexpr char kNAK = 0x15;

std::string BuildFrame(const std::string& payload);

// The payload of a received frame, or "" when the frame has 3 bytes or
// fewer or its checksum digits are not the upper-case hex of the payload's
// byte sum. The first and last bytes are dropped without being looked at.
std::string CheckFrame(const std::string& frame);

} // namespace vamok
