#include "profiles/ProfileEditor.h"

#include <cstdio>

namespace vamok {

const ProfileTexts& OriginalProfileTexts()
{
    static const ProfileTexts texts{
        "FEHLER",
        "ACHTUNG",
        "WARNUNG",
        "Meldung",
        "Fehler in der \xDC" "bertragung!",
        "\xDC" "bertragung erfolgreich.",
        "Profildaten wurden ver\xE4ndert",
        "Diese \xC4nderungen gehen beim Auslesen verloren.",
        "Zum \xDC" "bernehmen der \xC4nderungen, bitte erst Daten schreiben.",
        "Wollen Sie fortfahren?",
        "Die vorhandenen Profildaten in VAMOK rix",
        "werden mit dieser Funktion \xFC" "berschrieben!",
        "VAMOK-Profildaten",
        "Diese \xC4nderungen gehen beim Schliessen verloren.",
        "Die Datei kann nicht gelesen werden:",
        "Die Profildatei ist unvollst\xE4ndig:",
        "im Abschnitt %s fehlt der Eintrag %s.",
        "Es wurde nichts zum VAMOK \xFC" "bertragen.",
        "Die Datei kann nicht geschrieben werden:",
    };
    return texts;
}

std::string DiscardChangesQuestion(const ProfileTexts& t, bool closing)
{
    return t[PtModified] + ",\r\n" + t[closing ? PtFileTitle : PtLostOnRead] + "\r\n\r\n" + t[PtWriteFirst] +
           "\r\n\r\n" + t[PtContinue];
}

std::string OverwriteQuestion(const ProfileTexts& t)
{
    return t[PtOverwrite1] + "\r\n" + t[PtOverwrite2] + "\r\n\r\n" + t[PtContinue];
}

std::string ProfileFileProblemText(const ProfileTexts& t, const std::string& path, const ProfileFileProblem& p)
{
    if (p.kind == ProfileFileProblem::Kind::Unreadable)
        return t[PtFileUnreadable] + "\r\n" + path + "\r\n" + p.reason + "\r\n\r\n" + t[PtNothingWritten];
    // The translated pattern holds two "%s": the section, then the key.
    std::string detail = t[PtMissingKey];
    for (const std::string* part : {&p.section, &p.key}) {
        const std::size_t at = detail.find("%s");
        if (at == std::string::npos)
            detail += " " + *part;
        else
            detail.replace(at, 2, *part);
    }
    return t[PtFileDamaged] + "\r\n" + path + "\r\n" + detail + "\r\n\r\n" + t[PtNothingWritten];
}

std::string ProposedProfileFileName(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "Profiles_%04d%02d%02d.VPD", year, month, day);
    return text;
}

void ProfileEditor::ChangeBox(int bit, bool on)
{
    mask_ = ChangeDrivingBit(mask_, bit, on);
    modified_ = true;
}

void ProfileEditor::SelectAll()
{
    mask_ = ~std::uint64_t{0};
    modified_ = true;
}

void ProfileEditor::SelectNone()
{
    mask_ = 0;
    modified_ = true;
}

void ProfileEditor::EditName(const std::string& name)
{
    name_ = name;
    modified_ = true;
}

void ProfileEditor::Show(const DeviceProfile& profile)
{
    mask_ = profile.mask;
    name_ = profile.number == 1 ? "Standard" : profile.name;
    modified_ = false;
}

DeviceProfile ProfileEditor::Current() const
{
    return {selected_, selected_ == 1 ? "Standard" : name_, mask_};
}

void ProfileEditor::Select(int n)
{
    if (IsProfileNumber(n))
        selected_ = n;
}

} // namespace vamok
