#pragma once
// The settings window's message texts (its hidden list, by index).
#include <array>
#include <string>

namespace vamok {

inline constexpr int kDiscoveryTextCount = 19;
using DiscoveryTexts = std::array<std::string, kDiscoveryTextCount>;

inline const DiscoveryTexts& DefaultDiscoveryTexts()
{
    static const DiscoveryTexts texts{
        "Schnittstelle kann nicht ge\xF6" "ffnet werden!",
        "Hinweis",
        "Ver\xE4nderung wird erst beim Neustart wirksam",
        "Keine",
        "Folgende Schnittstellen wurden gefunden",
        "und \xFC" "berpr\xFC" "ft:",
        "(Schnittstellen > COM32 werden nicht angesprochen)",
        "Freie Schnittstellen:",
        "Belegte Schnittstellen:",
        "Belegte Schnittstellen werden durch gestartete",
        "Programme auf Ihrem PC belegt. Bitte verwenden",
        "Sie ggf. andere Ports oder beenden Sie die",
        "entsprechenden Programme.",
        "Achtung",
        "Quadrovan",
        "VAMOK",
        "gefunden an",
        "konnte an keiner g\xFCltigen",
        "Schnittstelle gefunden werden!",
    };
    return texts;
}

} // namespace vamok
