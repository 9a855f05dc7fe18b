#include "print/MeasurementReport.h"

#include "comfort/Pmv.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace vamok {
namespace {

// The data sets and their fields, as the report definition names them.
constexpr const char* kTexts = "TexteData1";
constexpr const char* kSlots1 = "TexteMultiColData1";
constexpr const char* kSlots2 = "TexteMultiColData1_P2";
constexpr const char* kCells1 = "WerteColData1";
constexpr const char* kCells2 = "WerteColData1_P2";
constexpr const char* kMemo = "MemoBlobData1";

constexpr const char* kTextFieldNames[] = {
    "Name", "Type", "Profil", "Temp", "Feuchte", "Laerm", "LaeMin", "Beleucht", "Freq", "BildHell", "SW", "MU",
    "Luft", "Luft1", "Luft2", "Luft3", "Schwarz", "Weiss", "Mon", "Umg", "MSTemp", "PMVC1", "PMVC2", "PMVC3",
    "Legende1", "Legende2", "Seite", "Datum", "bei", "von", "Titel", "OK", "TB", "AG", "CO2", "VOC", "CO",
    "Laerm_User", "Messzeit", "Dauer", "CPeak", "CPeak_User", "PM1u0", "PM2u5", "PM10u", "TIR"};

std::vector<ReportField> TextFields()
{
    std::vector<ReportField> fields;
    for (const char* name : kTextFieldNames)
        fields.push_back({name, std::string(name) == "Titel" ? 255 : 40, FieldKind::Text});
    return fields;
}

std::vector<ReportField> SlotFields()
{
    return {{"ColTitel", 40}, {"ColEinheit", 40}, {"ColExt1", 40}, {"ColExt2", 40}};
}

std::vector<ReportField> CellFields()
{
    return {{"RowNumber", 8}, {"ColValue", 8}, {"ColBew", 2}, {"ColBit", 0, FieldKind::Picture},
            {"ColExt1", 8}, {"ColExt2", 8}, {"ColNumber", 8}};
}

std::string Message(const std::vector<std::string>& messages, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < messages.size())
        return messages[static_cast<std::size_t>(index)];
    return index >= 0 && index < kReportMessageCount ? ReportMessages()[static_cast<std::size_t>(index)] : "";
}

const std::string& Header(const DataFileTexts& texts, Field f)
{
    return texts.headers[static_cast<std::size_t>(f)];
}

// Characters from..to (1-based, inclusive) of a text, as far as it reaches.
std::string Characters(const std::string& text, std::size_t from, std::size_t to)
{
    return from - 1 < text.size() ? text.substr(from - 1, to - from + 1) : std::string();
}

// A value with its unit; nothing when there is no value.
std::string WithUnit(const std::string& value, const char* unit)
{
    return value.empty() ? std::string() : value + unit;
}

std::string TurbulenceText(const std::string& text)
{
    if (text.empty() || text == "---")
        return {};
    return (text.size() < 3 ? " " : "") + text + "%";
}

std::string WithoutBlanks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

// The marker of an invalid PMV, with either decimal separator.
bool IsInvalidPmv(const std::string& text) { return text == "655,35" || text == "655.35"; }

bool HasDigit(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Cell {
    std::string value, rating, picture, ext1, ext2;
};

// Extra texts of a kind (ColExt1, ColExt2).
std::pair<std::string, std::string> Extras(ColumnKind kind, const RowTexts& t, bool extend)
{
    switch (kind) {
    case ColumnKind::Name: return {"", extend ? Characters(t.Name, 11, 20) : ""};
    case ColumnKind::SWK: return {t.LdS, t.LdW};
    case ColumnKind::MUK: return {t.LdMon, t.LdUmg};
    case ColumnKind::Wind: return {"", WithUnit(t.WindT, "\xB0" "C")};
    case ColumnKind::WindI: return {TurbulenceText(t.TuI), WithUnit(t.WindTI, "\xB0" "C")};
    case ColumnKind::WindII: return {TurbulenceText(t.TuII), WithUnit(t.WindTII, "\xB0" "C")};
    case ColumnKind::WindIII: return {TurbulenceText(t.TuIII), WithUnit(t.WindTIII, "\xB0" "C")};
    case ColumnKind::LaeUser: return {"", WithUnit(t.LaeDauer, " s")};
    case ColumnKind::MessZeit: return {"", Characters(t.MessZeit, 12, 21)};
    case ColumnKind::TIR: return {t.Emiss, ""};
    default: return {};
    }
}

std::string Value(ColumnKind kind, int rowNumber, const RowTexts& t, bool extend)
{
    switch (kind) {
    case ColumnKind::No: return std::to_string(rowNumber);
    case ColumnKind::Name: return extend ? Characters(t.Name, 1, 10) : t.Name;
    case ColumnKind::MessZeit: return Characters(t.MessZeit, 1, 10);
    default: {
        const std::optional<Field> field = InfoOf(kind).field;
        return field ? t[*field] : std::string();
    }
    }
}

class Builder {
public:
    explicit Builder(const MeasurementReportInput& in) : in_(in) {}

    Report build()
    {
        Report report;
        report.name = kMeasurementReportName;
        report.landscape = true;
        report.parameters = {{"Color", YesNo(in_.color)},
                             {"Extend", YesNo(in_.extend)},
                             {"SecondPage", YesNo(in_.split.secondPage)},
                             {"ColCnt", std::to_string(in_.split.slots1)},
                             {"ColCnt2", std::to_string(in_.split.slots2)}};
        report.dataSets.emplace_back("Custom_Data1", kTexts, TextFields());
        report.dataSets.emplace_back("Custom_MultiColData1", kSlots1, SlotFields());
        report.dataSets.emplace_back("Custom_MultiColData1_P2", kSlots2, SlotFields());
        report.dataSets.emplace_back("Custom_Data_ColData1", kCells1, CellFields());
        report.dataSets.emplace_back("Custom_Data_ColData1_P2", kCells2, CellFields());
        report.dataSets.emplace_back("Custom_Memo_Blob", kMemo,
                                     std::vector<ReportField>{{"Memo", 0, FieldKind::Memo}});
        fillTexts(report.dataSet(kTexts));
        fillSlots(report.dataSet(kSlots1), in_.split.slots1, false);
        fillSlots(report.dataSet(kSlots2), in_.split.slots2, true);
        fillCells(report.dataSet(kCells1), in_.split.slots1, false);
        fillCells(report.dataSet(kCells2), in_.split.slots2, true);
        fillMemo(report.dataSet(kMemo));
        return report;
    }

private:
    std::string message(int index) const { return Message(in_.messages, index); }
    const std::string& header(Field f) const { return Header(in_.tableTexts, f); }

    int column(int slot, bool page2) const
    {
        return page2 ? in_.split.page2Column(slot) : in_.split.page1Column(slot);
    }

    void fillTexts(DataSet& set) const
    {
        using namespace ReportMessage;
        const std::size_t r = set.addRecord();
        const std::pair<const char*, std::string> values[] = {
            {"Name", message(Name)}, {"Type", message(Type)}, {"Profil", header(Field::Profile)},
            {"Temp", message(Temp)}, {"Feuchte", message(11)}, {"Laerm", message(12)}, {"LaeMin", message(13)},
            {"Beleucht", message(14)}, {"Freq", message(15)}, {"BildHell", message(16)}, {"SW", message(17)},
            {"MU", message(18)}, {"Luft", message(19)}, {"Luft1", message(20)}, {"Luft2", message(21)},
            {"Luft3", message(22)}, {"Schwarz", message(Black)}, {"Weiss", message(White)},
            {"Mon", message(Monitor)}, {"Umg", message(Surroundings)}, {"MSTemp", header(Field::GT)},
            {"PMVC1", header(Field::PMV1)}, {"PMVC2", header(Field::PMV2)}, {"PMVC3", header(Field::PMV3)},
            {"Legende1", message(Legend1)}, {"Legende2", message(Legend2)}, {"Seite", message(Page)},
            {"Datum", message(Date)}, {"bei", message(At)}, {"von", message(Of)}, {"Titel", in_.title},
            {"OK", in_.tableTexts.ratingWord(1)}, {"TB", in_.tableTexts.ratingWord(2)},
            {"AG", in_.tableTexts.ratingWord(3)}, {"CO2", "CO2"}, {"VOC", "TVOC"}, {"CO", "CO"},
            {"Laerm_User", header(Field::LaeUser)}, {"Messzeit", header(Field::MessZeit)},
            {"Dauer", header(Field::LaeDauer)}, {"CPeak", header(Field::CPeak)},
            {"CPeak_User", header(Field::CPeakUser)}, {"PM1u0", header(Field::PM1u0)},
            {"PM2u5", header(Field::PM2u5)}, {"PM10u", header(Field::PM10u)}, {"TIR", header(Field::TIR)}};
        for (const auto& [field, value] : values)
            set.set(r, field, value);
    }

    void fillSlots(DataSet& set, int slots, bool page2) const
    {
        for (int s = 0; s < slots; ++s) {
            const std::size_t r = set.addRecord();
            const std::optional<ColumnKind> kind = in_.columns.kindAt(column(s, page2));
            if (!kind)
                continue;
            set.set(r, "ColTitel", PrintTitle(*kind, in_.tableTexts, in_.messages));
            set.set(r, "ColEinheit", PrintUnit(*kind));
        }
    }

    void fillCells(DataSet& set, int slots, bool page2) const
    {
        if (!in_.table || slots <= 0)
            return;
        for (int n = in_.firstRow; n <= in_.lastRow; ++n) {
            for (int s = 0; s < slots; ++s) {
                const std::size_t r = set.addRecord();
                try {
                    fillCell(set, r, n, s, page2);
                } catch (const std::exception&) {
                    if (in_.recordFailed)
                        in_.recordFailed();
                }
            }
        }
    }

    void fillCell(DataSet& set, std::size_t r, int n, int slot, bool page2) const
    {
        set.set(r, "RowNumber", std::to_string(n));
        const int printColumn = column(slot, page2);
        const std::optional<ColumnKind> kind = in_.columns.kindAt(printColumn);
        if (!kind) {
            set.set(r, "ColNumber", std::to_string(slot));
            return;
        }
        set.set(r, "ColNumber", std::to_string(printColumn));
        const Cell cell = makeCell(*kind, n, page2);
        set.set(r, "ColValue", cell.value);
        set.set(r, "ColBew", cell.rating);
        set.set(r, "ColBit", cell.picture);
        set.set(r, "ColExt1", cell.ext1);
        set.set(r, "ColExt2", cell.ext2);
    }

    Cell makeCell(ColumnKind kind, int n, bool page2) const
    {
        const RowTexts& t = in_.table->row(n).texts;
        Cell cell;
        cell.value = Value(kind, n, t, in_.extend);
        if (IsInvalidPmv(cell.value))
            cell.value.clear();
        const ColumnKindInfo& info = InfoOf(kind);
        const bool isPmv = kind == ColumnKind::PMV1 || kind == ColumnKind::PMV2 || kind == ColumnKind::PMV3;
        if (info.ratingQuantity > 0 && !cell.value.empty()) {
            const int rating = in_.rate(t.Type, info.ratingQuantity, cell.value);
            if (rating >= 1 && rating <= 3) {
                cell.rating = in_.tableTexts.ratingWord(rating);
                cell.picture = std::to_string(rating);
            }
        }
        std::tie(cell.ext1, cell.ext2) = Extras(kind, t, in_.extend);
        if (isPmv && HasDigit(cell.value))
            cell.ext2 = "PPD:" + PPDText(cell.value);
        // Narrow columns: "1 / 8,5" becomes "1/8,5" (after rating, which
        // needs the blanks to recognise the ratio).
        if (!page2 && in_.columns.count > 16 && (kind == ColumnKind::SWK || kind == ColumnKind::MUK))
            cell.value = WithoutBlanks(cell.value);
        return cell;
    }

    void fillMemo(DataSet& set) const
    {
        std::string memo;
        for (const std::string& line : in_.notes)
            memo += (memo.empty() ? "" : "\r\n") + line;
        set.set(set.addRecord(), "Memo", memo);
    }

    const MeasurementReportInput& in_;
};

} // namespace

std::string PrintTitle(ColumnKind kind, const DataFileTexts& tableTexts, const std::vector<std::string>& messages)
{
    // Messages 7..22 title No, Name, Type and Temp..WindIII (Profile has none).
    const int k = static_cast<int>(kind);
    if (k < static_cast<int>(ColumnKind::Profile))
        return Message(messages, ReportMessage::No + k);
    if (k > static_cast<int>(ColumnKind::Profile) && k <= static_cast<int>(ColumnKind::WindIII))
        return Message(messages, ReportMessage::Temp + k - static_cast<int>(ColumnKind::Temp));
    switch (kind) {
    case ColumnKind::CO2: return "CO2";
    case ColumnKind::VOC: return "TVOC";
    case ColumnKind::CO: return "CO";
    default: {
        const std::optional<Field> field = InfoOf(kind).field;
        return field ? Header(tableTexts, *field) : std::string();
    }
    }
}

const char* PrintUnit(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Temp:
    case ColumnKind::GT: return " /\xB0" "C";
    case ColumnKind::Feu: return " /%";
    case ColumnKind::Lae:
    case ColumnKind::LaeM:
    case ColumnKind::LaeUser: return " /dB(A)";
    case ColumnKind::Bel: return " /Lux";
    case ColumnKind::Fre: return " /Hz";
    case ColumnKind::Hell: return " /cd/m\xB2";
    case ColumnKind::Wind:
    case ColumnKind::WindI:
    case ColumnKind::WindII:
    case ColumnKind::WindIII: return " /m/s";
    case ColumnKind::CO2:
    case ColumnKind::CO: return " /ppm";
    case ColumnKind::VOC: return " /ppb ibu eq";
    case ColumnKind::CPeak:
    case ColumnKind::CPeakUser: return " /dB(C)";
    default: return "";
    }
}

Report BuildMeasurementReport(const MeasurementReportInput& input)
{
    return Builder(input).build();
}

} // namespace vamok
