#pragma once
#include <map>
#include <string>

namespace vamok::sim {

// Current measured values by key ("Temp", "Feu", ..., see README); a missing
// key means the sensor has no value.
using LiveValues = std::map<std::string, double>;

bool IsLiveKey(const std::string& key);

// Answer to "Mm": "MESS", then per quantity a two-letter marker and a
// big-endian 16-bit word (altarim: M0-M7 and Mb-Me).
std::string AltarimLiveReply(const LiveValues& values);
// The rix sends the same binary form (more markers, newer firmware more
// still, temperatures signed with 0x7FFF for no value); the frame carries it
// as hex text.
std::string RixLiveReply(const LiveValues& values, long firmware);
// The Ventiq answers "MES" followed by markers with four hex digits each:
// M0 air velocity, M1 anemometer temperature, M2 air velocity per minute,
// M7 anemometer battery.
std::string VentiqLiveReply(const LiveValues& values);
// The Quadrovan gateway's own sensors ("GVR"): globe temperature (signed,
// hundredths of °C) and CO2 (ppm), two big-endian words.
std::string GatewayValues(const LiveValues& values);

} // namespace vamok::sim
