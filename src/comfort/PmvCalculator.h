#pragma once
// What the PMV calculator computes from the texts typed into it.
#include <optional>
#include <string>

namespace vamok {

struct PmvCalculatorInput {
    // CP1252 texts of the edits, numbers in the locale's notation.
    std::string airTemperature, humidity, airVelocity, globeTemperature, meanRadiantTemperature, clo, met;
    bool globeMode = true;  // the globe temperature is entered (else the mean radiant one)
    bool secondColumn = false; // also compute with the 15 cm globe (developer mode)
};

struct PmvCalculatorResult {
    // Which edits held a number; the temperature flag belongs to the edit
    // of the current mode.
    bool airTemperatureOk = false, humidityOk = false, airVelocityOk = false, temperatureOk = false;
    bool cloOk = false, metOk = false;
    // Result texts; the mean radiant temperature only in globe mode, the
    // second column only when asked for.
    std::string meanRadiant16, pmv16, ppd16;
    std::string meanRadiant15, pmv15, ppd15;

    bool InputOk() const
    {
        return airTemperatureOk && humidityOk && airVelocityOk && temperatureOk && cloOk && metOk;
    }
};

// A number written with the locale's separator `sep` (optional sign,
// digits, at most one separator, surrounding blanks allowed).
std::optional<long double> ReadLocaleNumber(const std::string& text, char sep);

// Reads and scales the inputs (App().DecimalSep) and computes PMV, PPD and,
// in globe mode, the mean radiant temperature.
PmvCalculatorResult CalculatePmv(const PmvCalculatorInput& input);

// The clothing and activity presets of the buttons, in the locale's notation.
std::string SummerCloText();
std::string MeanCloText();
std::string WinterCloText();
std::string DefaultMetText();

} // namespace vamok
