#pragma once
// The live-value record the online window fills on every value poll and
// hands to the large live display: 47 text fields, of which 20 carry a
// formatted value or kNotAvailable.
#include <array>
#include <string>

namespace vamok {

// Shown for a value the instrument did not deliver.
inline constexpr const char* kNotAvailable = "   -NA-";

struct TVamokAPDatenStrg {
    // 1-based positions of the fields in use.
    enum Field : int {
        AirTemperature = 4,
        Humidity = 5,
        NoiseCurrent = 6,
        NoiseMinute = 7,
        Illuminance = 8,
        Flicker = 9,
        Luminance = 10,
        AirVelocity = 17,
        AnemometerTemperature = 18,
        AirVelocityMinute = 19,
        GlobeTemperature = 25,
        PMV = 27,
        CO2 = 29,
        TVOC = 30,
        CO = 31,
        BatteryVoltage = 41,
        AnemometerBattery = 42,
        PM1 = 43,
        PM25 = 44,
        PM10 = 45,
    };
    static constexpr int kFieldCount = 47;

    std::array<std::string, kFieldCount> Fields{};

    std::string& operator[](Field f) { return Fields[static_cast<std::size_t>(f) - 1]; }
    const std::string& operator[](Field f) const { return Fields[static_cast<std::size_t>(f) - 1]; }
};

// The 20 rows of the online table, top to bottom.
inline constexpr int kOnlineRowCount = 20;
inline constexpr std::array<TVamokAPDatenStrg::Field, kOnlineRowCount> kOnlineRowFields{
    TVamokAPDatenStrg::AirTemperature,    TVamokAPDatenStrg::Humidity,
    TVamokAPDatenStrg::NoiseCurrent,      TVamokAPDatenStrg::NoiseMinute,
    TVamokAPDatenStrg::Illuminance,       TVamokAPDatenStrg::Flicker,
    TVamokAPDatenStrg::Luminance,         TVamokAPDatenStrg::BatteryVoltage,
    TVamokAPDatenStrg::AirVelocity,       TVamokAPDatenStrg::AirVelocityMinute,
    TVamokAPDatenStrg::AnemometerTemperature, TVamokAPDatenStrg::AnemometerBattery,
    TVamokAPDatenStrg::GlobeTemperature,  TVamokAPDatenStrg::CO2,
    TVamokAPDatenStrg::TVOC,              TVamokAPDatenStrg::CO,
    TVamokAPDatenStrg::PMV,               TVamokAPDatenStrg::PM1,
    TVamokAPDatenStrg::PM25,              TVamokAPDatenStrg::PM10,
};

// Row names of the online table (rows 1..20), as the window shows them.
inline constexpr std::array<const char*, kOnlineRowCount> kOnlineRowNames{
    "Temperatur",        "rel. Feuchte",        "L\xE4rmpegel aktuell", "L\xE4rmpegel / Min",
    "Beleuchtungsst\xE4rke", "Bildfrequenz",     "Leuchtdichte",        "Batteriespannung",
    "Luftgeschwindigkeit", "Luftgeschw. /Min",  "Anemometer-Temp.",    "Anemometer-Battspg.",
    "Globetemperatur",   "CO2",                 "TVOC",                "CO",
    "PMV",               "Feinstaub PM 1",      "Feinstaub PM 2.5",    "Feinstaub PM 10",
};

} // namespace vamok
