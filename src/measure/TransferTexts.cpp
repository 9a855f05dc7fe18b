#include "measure/TransferTexts.h"

namespace vamok {

const std::array<const char*, kTransferTextCount>& TransferLangTexts()
{
    static const std::array<const char*, kTransferTextCount> texts{
        "Die im Vamok gespeicherten Daten der gew\xE4hlten",            // 0
        "Arbeitspl\xE4tze gehen bei diesem Vorgang verloren.",
        "Sie k\xF6nnen diese Daten jedoch zuvor mit Hilfe der",
        "\"Daten lesen\"-Funktion auslesen und speichern.",
        "Trotzdem fortfahren?",
        "Hinweis",                                                     // 5
        "Fehler",
        "Warnung",
        "Nicht gespeicherte Daten gehen verloren.",
        "Fenster trotzdem schlie\xDF" "en?",
        "VAMOK antwortet nicht.",                                      // 10
        "Diese Funktion l\xF6scht alle angezeigten Daten.",
        "VAMOK kann maximal 9 Arbeitsplatzdefinitionen speichern",
        "Bitte entfernen Sie nicht ben\xF6tigte Definitionen durch",
        "die Funktion \"Arbeitsplatzdefinitionen ausw\xE4hlen\" im",
        "Menue \"Bearbeiten\".",                                       // 15
        "Konnte Datei nicht laden!",
        "Diese Programmversion kann leider keine",
        "Excel-5-Dateien laden.",
        "Konnte Datei nicht speichern!",
        "Diese Funktion l\xF6scht alle markierten Daten.",             // 20
        "Trotzdem Fortfahren?",
        "Vamok - Daten",
        "Datenabruf",
        "ok",
        "tb",                                                          // 25
        "aG",
        "Absolutwerte der Leuchtdichte-Messungen zus\xE4tzlich anzeigen.",
        "(Zus\xE4tzliche Temperaturanzeige bei Luftgeschwindigk. im Druck)",
        "Bei Kontrastmessungen nur die Leuchtdichte-Verh\xE4ltnisse anzeigen.",
        "(keine Temperaturanzeige bei Luftgeschwindigk. im Druck)",    // 30
        "Arbeitsplatz wurde nicht richtig \xFC" "bertragen",
        "VAMOK Datei",
        "CSV Datei",
        "Luftgeschw",
        "",                                                            // 35
        "f\xFCr Tabellenkalk. (Excel)",
        "",
        "",
        "Alle Eingaben (Tabelle, Notizen und Titel)",
        "werden unwiderruflich gel\xF6scht!!",                        // 40
        "Im Zweifel speichern sie bitte vorher die Daten.",
        "Wollen Sie wirklich l\xF6schen?",
        "Doppelklick vergr\xF6ssert das Memo-Feld",
        "Esc zum verkleinern des Feldes",
        "",                                                            // 45
        "Bei ",
        "LD-Schwarz",
        "Temp",
        "Name",
        "Typ",                                                         // 50
        "Temp. /\xB0" "C",
        "rel.Feuchte/%",
        "L\xE4rmp./dB(A)",
        "L\xE4rmp.(Min)",
        "Beleucht./Lux",                                               // 55
        "Bildfreq. /Hz",
        "max.Bildh./Cd/m\xB2",
        "S/W-Kontrast",
        "Mon./Umgeb.",
        "Luftgeschw./m/s",                                             // 60
        "Luftg I.(3Min)",
        "Luftg II.(3Min)",
        "Luftg III.(3Min)",
        "LD-Schwarz/Cd/m\xB2",
        "LD-Weiss/Cd/m\xB2",                                           // 65
        "LD-Mon/Cd/m\xB2",
        "LD-Umgeb/Cd/m\xB2",
        "Lu_Temp/\xB0" "C",
        "Lu_Temp I/\xB0" "C",
        "Lu_Temp II/\xB0" "C",                                         // 70
        "Lu_Temp III/\xB0" "C",
        "Auslese-Datum",
        "Nr.",
        "von",
        "bis",                                                         // 75
        "Folgende Arbeitsplatztypen sind nicht vorhanden:",
        "Vermutlich wurde eine Datei geladen,",
        "die mit einem anderen VAMOK, bzw.",
        "mit einem anderen PC erstellt wurde.",
        "Sollen die Arbeitspl\xE4tze dennoch \xFC" "bertragen werden?",  // 80
        "(Ja: Nicht vorhandene Arbeitspl\xE4tze werden mit \"None\" belegt!)",
        "Bitte vergewissern sie sich",
        "dass das VAMOK richtig angeschlossen ist.",
        "Wollen Sie mit der \xDC" "bertagung fortfahren?",
        "L\xE4rm (User)",                                              // 85
        "L\xE4rm Dauer",
        "Profil",
        "Messzeit",
        "CPeak",
        "CPeak (User)",                                                // 90
        "Tu",
        "Lu_Tu",
        "Lu_Tu I",
        "Lu_Tu II",
        "Lu_Tu III",                                                   // 95
        "ACHTUNG, in Arbeitspl\xE4tzen folgender Nummern stehen",
        "bereits Werte f\xFCr Luftgeschwindigkeit.",
        "Diese werden \xFC" "berschrieben!",
        "Wollen Sie wirklich fortfahren?",
        "ACHTUNG",                                                     // 100
        "Mitt - STemp",
        "Globe - Temp",
        "PMV (Sommer)",
        "PMV (Mittel)",
        "PMV (Winter)",                                                // 105
        "CO2 /ppm",
        "TVOC /ppb ibu eq",
        "CO /ppm",
        "Taupunkt",
        "PM 1 /ug/m\xB3",                                              // 110
        "PM 2,5 /ug/m\xB3",
        "PM 10 /ug/m\xB3",
        "IR-Temp/\xB0" "C",
        "Emissionsg.",
        "Bewertung: gr\xFCn",                                        // 115
        "Bewertung: gelb",
        "Bewertung: rot",
    };
    return texts;
}

std::string JoinedTexts(const std::vector<std::string>& lang, std::initializer_list<int> indices)
{
    std::string text;
    bool first = true;
    for (int index : indices) {
        if (!first)
            text += "\r\n";
        first = false;
        if (index >= 0 && static_cast<std::size_t>(index) < lang.size())
            text += lang[static_cast<std::size_t>(index)];
    }
    return text;
}

std::string KindHeader(const std::vector<std::string>& lang, ColumnKind kind, bool meanRadiantHeader)
{
    int index = InfoOf(kind).langIndex;
    if (kind == ColumnKind::GT)
        index = meanRadiantHeader ? TransferText::MeanRadiantHeader : TransferText::GlobeHeader;
    if (index < 0 || static_cast<std::size_t>(index) >= lang.size())
        return {};
    return lang[static_cast<std::size_t>(index)];
}

} // namespace vamok
