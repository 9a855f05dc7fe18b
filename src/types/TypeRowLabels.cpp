#include "types/TypeRowLabels.h"

#include "types/TAPDef.h"

namespace vamok {

const char* TypeRowLabel(int row)
{
    static const char* const kLabels[kTypeRowCount] = {
        "Temperatur                /\xB0" "C",
        "rel. Feuchte               /%",
        "L\xE4" "rm akt.                   /dB(A)",
        "L\xE4" "rm / Min                 /dB(A)",
        "Beleuchtungsst\xE4" "rke  /Lux",
        "Bildfrequenz               /Hz",
        "max. Bildschirm Helligkeit /cd/m\xB2",
        "S/W LD-Kontrast",
        "LD Mon./Umgeb.",
        "Luftgeschwindigkeit   /m/s",
        "CO2                   /ppm",
        "TVOC                /ppb ibu eq",
        "CO                     /ppm",
        "PM 1                  /ug/m\xB3",
        "PM 2,5               /ug/m\xB3",
        "PM 10                /ug/m\xB3",
        "PMV (Predicted Mean Vote)   /1",
        "Clo / Met",
    };
    return row >= 1 && row <= kTypeRowCount ? kLabels[row - 1] : "";
}

} // namespace vamok
