#include "SimWorkplaces.h"

#include "core/Cp1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <set>

using namespace vamok;

namespace {

using F = Field;

std::int32_t Scaled(double v, int decimals) { return static_cast<std::int32_t>(std::llround(v * std::pow(10, decimals))); }

std::int32_t HalfEvenTenth(std::int32_t x)
{
    // x / 10 rounded, halves to the even neighbour.
    const double q = x / 10.0;
    return static_cast<std::int32_t>(std::nearbyint(q));
}

long long Version(const std::string& text)
{
    long long a = 0, b = 0, c = 0;
    std::sscanf(text.c_str(), "%lld.%lld.%lld", &a, &b, &c);
    return a * 65536 + b * 256 + c;
}

const std::vector<F> kAltarimBasic{F::Temp, F::Feu, F::Lae, F::LaeM, F::Bel, F::Fre,
                                    F::LdS, F::LdW, F::SWK, F::LdMon, F::LdUmg, F::MUK,
                                    F::Wind, F::WindI, F::WindII, F::WindIII, F::WindT,
                                    F::WindTI, F::WindTII, F::WindTIII};
const std::vector<F> kAltarimNone{F::VOC, F::CO, F::LaeUser, F::LaeDauer, F::CPeak, F::CPeakUser,
                                   F::PM1u0, F::PM2u5, F::PM10u, F::TIR, F::Emiss};
// Rix words in record order with the firmware that first sends them.
const std::vector<std::pair<F, long long>> kRixWords{
    {F::Temp, 0}, {F::Feu, 0}, {F::Wind, 0}, {F::WindT, 0}, {F::WindI, 0}, {F::WindTI, 0},
    {F::WindII, 0}, {F::WindTII, 0}, {F::WindIII, 0}, {F::WindTIII, 0}, {F::Lae, 0},
    {F::LaeM, 0}, {F::Bel, 0}, {F::Fre, 0}, {F::Hell, 0}, {F::LdS, 0}, {F::LdW, 0}, {F::SWK, 0},
    {F::LdMon, 0}, {F::LdUmg, 0}, {F::MUK, 0}, {F::GT, 0}, {F::CO2, 0}, {F::LaeUser, 0},
    {F::LaeDauer, 0}, {F::CPeak, 0x1000B}, {F::CPeakUser, 0x1000B}, {F::Tu, 0x10103},
    {F::TuI, 0x10103}, {F::TuII, 0x10103}, {F::TuIII, 0x10103}, {F::VOC, 0x10403},
    {F::CO, 0x10403}, {F::PM1u0, 0x20006}, {F::PM2u5, 0x20006}, {F::PM10u, 0x20006},
    {F::TIR, 0x30000}, {F::Emiss, 0x30000}};
const std::vector<F> kVentiqWords{F::Wind, F::WindT, F::WindI, F::WindTI, F::TuI, F::WindII,
                                  F::WindTII, F::TuII, F::WindIII, F::WindTIII, F::TuIII};

// The raw integer the table should hold for a sent field.
std::int32_t RawOf(const std::string& dialect, F f, const SimWorkplace& wp)
{
    const auto it = wp.values.find(f);
    if (it == wp.values.end())
        return NoValue;
    const double v = it->second;
    if (f == F::GT)
        return HalfEvenTenth(Scaled(v, 2));
    if (dialect == "rix" && (f == F::Tu || f == F::TuI || f == F::TuII || f == F::TuIII))
        return std::min(HalfEvenTenth(Scaled(v, 1)), 999);
    return Scaled(v, InfoOf(f).decimals);
}

std::string Trim(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string Padded(const std::string& s, std::size_t width)
{
    std::string out = s.substr(0, width);
    out.resize(width, ' ');
    return out;
}

} // namespace

std::string SimStateJson(const std::string& firmware, const std::vector<SimWorkplace>& workplaces)
{
    QJsonArray list;
    for (const SimWorkplace& wp : workplaces) {
        QJsonObject values;
        for (const auto& [f, v] : wp.values)
            values.insert(QString::fromLatin1(InfoOf(f).name), v);
        QJsonObject o{{"number", wp.number},
                      {"name", FromCp1252(wp.name)},
                      {"type", FromCp1252(wp.type)},
                      {"profile", wp.profile},
                      {"values", values}};
        if (wp.seconds)
            o.insert("time", static_cast<double>(*wp.seconds));
        list.append(o);
    }
    const QJsonObject state{{"firmware", QString::fromStdString(firmware)},
                            {"serial", 1234},
                            {"series", 56},
                            {"flags", 1},
                            {"workplaces", list}};
    return QJsonDocument(state).toJson().toStdString();
}

SimWorkplace EmptyWorkplace(int number)
{
    SimWorkplace wp;
    wp.number = number;
    wp.type = "NONE";
    return wp;
}

std::map<Field, std::string> ExpectedTexts(const std::string& dialect, const std::string& firmware,
                                           const SimWorkplace& wp, char sep)
{
    RawRow raw; // the cleared row the readout starts from
    std::set<F> sent;
    if (dialect == "altarim" || dialect == "quadrovan") {
        const bool old = dialect == "altarim" &&
                         (firmware.find("0.") != std::string::npos || firmware.find("1.0") != std::string::npos);
        sent.insert(kAltarimBasic.begin(), kAltarimBasic.end());
        if (!old)
            sent.insert(F::Hell);
        else
            raw.Hell = 0;
        for (F f : kAltarimNone)
            *raw.number(f) = NoValue;
        if (dialect == "quadrovan") {
            sent.insert(F::GT);
            sent.insert(F::CO2);
        } else {
            raw.GT = NoValue;
            raw.CO2 = NoValue;
        }
        raw.Name = Padded(wp.name, 8);
        raw.Type = Padded(wp.type, 4);
    } else if (dialect == "rix") {
        for (const auto& [f, fw] : kRixWords) {
            if (fw == 0 || Version(firmware) >= fw)
                sent.insert(f);
            else
                *raw.number(f) = NoValue;
        }
        raw.Name = Trim(wp.name.substr(0, 20));
        raw.Type = Padded(wp.type, 4);
        raw.Profile = std::to_string(wp.profile > 9 ? 0 : wp.profile);
    } else {
        sent.insert(kVentiqWords.begin(), kVentiqWords.end());
        raw.Name = Trim(wp.name.substr(0, 20));
        raw.Type = Padded(wp.type, 4);
    }
    for (F f : sent)
        *raw.number(f) = RawOf(dialect, f, wp);
    if (wp.seconds && (dialect == "rix" || dialect == "ventiq") && *wp.seconds > 0)
        raw.MessZeit = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
                           .addSecs(*wp.seconds)
                           .toString("dd.MM.yyyy hh:mm:ss")
                           .toStdString();

    std::map<Field, std::string> texts;
    for (const FieldInfo& info : AllFields()) {
        if (info.isComputed)
            continue;
        texts[info.field] = info.isText ? *raw.text(info.field)
                                        : formatFixed(*raw.number(info.field), info.decimals, sep);
    }
    auto ratio = [sep](std::int32_t v, std::int32_t a, std::int32_t b) {
        const std::string t = formatFixed(v, 1, sep);
        return a > b ? t + " / 1" : "1 / " + t;
    };
    texts[F::SWK] = ratio(raw.SWK, raw.LdS, raw.LdW);
    texts[F::MUK] = ratio(raw.MUK, raw.LdMon, raw.LdUmg);
    if (dialect == "ventiq") {
        // A Ventiq measures air velocity only: everything else stays empty
        // instead of showing (and rating) zeros.
        for (const FieldInfo& info : AllFields())
            if (!info.isText && !info.isComputed && !sent.count(info.field) &&
                info.field != F::Tu)
                texts[info.field] = "";
        texts[F::SWK] = "";
        texts[F::MUK] = "";
    }
    return texts;
}

std::vector<SimWorkplace> VariedWorkplaces(int count)
{
    std::vector<SimWorkplace> list;
    for (int n = 1; n <= count; ++n) {
        SimWorkplace wp;
        wp.number = n;
        wp.name = n == 1 ? "K\xFC" "che Stra\xDF" "e \xC4\xD6\xDC" "x1234" : "Platz " + std::to_string(n);
        wp.type = n % 3 == 0 ? "B\xFC" "RO" : "VAM ";
        wp.profile = n % 10;
        wp.seconds = 60L * n + (n == 1 ? 0 : 86400L * 365 * 26);
        const double k = n;
        wp.values = {
            {F::Temp, 18.0 + k / 10}, {F::Feu, 30.0 + k / 10}, {F::Lae, 40.0 + k / 10},
            {F::LaeM, 41.0 + k / 10}, {F::Bel, 300 + k}, {F::Fre, 60.0 + k / 10},
            {F::Hell, 100.0 + k / 10}, {F::LdS, 1.0 + k / 10}, {F::LdW, 10.0 + k},
            {F::SWK, 5.0 + k / 10}, {F::LdMon, n % 2 ? 90.0 : 20.0}, {F::LdUmg, 30.0},
            {F::MUK, 3.0}, {F::Wind, 0.05 + k / 100}, {F::WindT, 21.0},
            {F::WindI, 0.04 + k / 100}, {F::WindTI, 21.1}, {F::WindII, 0.06 + k / 100},
            {F::WindTII, 21.2}, {F::WindIII, 0.07 + k / 100}, {F::WindTIII, 21.3},
            {F::GT, 23.45 + k / 10}, {F::CO2, 400 + k}, {F::VOC, 100 + k}, {F::CO, k},
            {F::LaeUser, 44.0 + k / 10}, {F::LaeDauer, 60 + k}, {F::CPeak, 90.0 + k / 10},
            {F::CPeakUser, 95.0}, {F::Tu, 12.5}, {F::TuI, 13.5}, {F::TuII, 20.0 + k},
            {F::TuIII, 1200.0}, {F::PM1u0, 5 + k}, {F::PM2u5, 10 + k}, {F::PM10u, 20 + k},
            {F::TIR, n % 2 ? -10.0 : 25.5}, {F::Emiss, 0.95},
        };
        if (n == 2) // a workplace with gaps
            for (F f : {F::Feu, F::Wind, F::WindII, F::GT, F::CO2, F::Tu})
                wp.values.erase(f);
        list.push_back(wp);
    }
    return list;
}
