#include "print/TypeReport.h"

#include "types/TypeRowLabels.h"

#include <algorithm>
#include <cstdio>

namespace vamok {
namespace {

constexpr const char* kTexts = "TexteApts1";
constexpr const char* kRows = "WerteApts1";
constexpr std::int32_t kNoLimit = 65535;

constexpr const char* kTextFieldNames[] = {"Titel", "Datum", "Bereich", "RoGe", "GeGr", "GrGe", "GeRo",
                                           "Soll", "Seite", "von", "T_Clo1", "T_Clo2", "T_Clo3", "T_MET",
                                           "T_Clo_E", "T_MET_E", "W_Clo1", "W_Clo2", "W_Clo3", "W_MET"};
constexpr const char* kValueFields[] = {"rtge", "gegn", "gnge", "gert", "Anzeige"};

std::vector<ReportField> TextFields()
{
    std::vector<ReportField> fields;
    for (const char* name : kTextFieldNames)
        fields.push_back({name, 40, FieldKind::Text});
    return fields;
}

std::vector<ReportField> RowFields()
{
    std::vector<ReportField> fields{{"Nr", 4}, {"Bereich", 30}};
    for (const char* name : kValueFields)
        fields.push_back({name, 5, FieldKind::Text});
    return fields;
}

// value / 100 as "%1.2f" with the locale's separator, followed by a unit.
std::string Hundredths(std::int32_t value, char sep, const char* unit = "")
{
    char text[40];
    std::snprintf(text, sizeof text, "%1.2f%s", value / 100.0, unit);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', sep);
    return s;
}

std::string Limit(const TAPDef& type, int column, int row, char sep)
{
    const std::int32_t v = type.at(column, row);
    if (v == kNoLimit)
        return "--";
    return IsHundredthsRow(row) ? Hundredths(v, sep) : std::to_string(v);
}

std::string Message(const std::vector<std::string>& messages, int index)
{
    if (static_cast<std::size_t>(index) < messages.size())
        return messages[static_cast<std::size_t>(index)];
    return ReportMessages()[static_cast<std::size_t>(index)];
}

} // namespace

ClothingLabels DefaultClothingLabels()
{
    return {"Bekleidung leicht", "Bekleidung mittel", "Bekleidung schwer", "k\xF6rperlicher Aktivit\xE4tsgrad",
            "(1 clo <-> 0,155 m\xB2 \xB0" "C / W  <-> Isolationswert normaler Arbeitskleidung)",
            "(1 met <-> 58 W/m\xB2)"};
}

std::array<std::string, kTypeRowCount> TypeReportInput::DefaultRowLabels()
{
    std::array<std::string, kTypeRowCount> labels;
    for (int row = 1; row <= kTypeRowCount; ++row)
        labels[static_cast<std::size_t>(row - 1)] = TypeRowLabel(row);
    return labels;
}

TypeReportInput TypeReportInputOf(const TypePrintRequest& request)
{
    TypeReportInput input;
    input.type = request.type;
    input.shownName = request.shownName;
    input.firstRow = request.firstRow;
    input.lastRow = request.lastRow;
    input.rowLabels = request.rowLabels;
    input.clothingLabels = request.clothingLabels;
    return input;
}

Report BuildTypeReport(const TypeReportInput& in)
{
    using namespace ReportMessage;
    Report report;
    report.name = kTypeReportName;
    report.landscape = false;
    report.parameters = {{"Color", YesNo(in.color)}};
    report.dataSets.emplace_back("Custom_APT1", kTexts, TextFields());
    report.dataSets.emplace_back("Custom_Data_APT1", kRows, RowFields());

    DataSet& texts = report.dataSet(kTexts);
    const std::size_t t = texts.addRecord();
    const auto m = [&in](int index) { return Message(in.messages, index); };
    const char sep = in.decimalSep;
    const std::pair<const char*, std::string> values[] = {
        {"Titel", m(TypeTitle) + in.shownName + "\""}, {"Datum", m(Date)}, {"Bereich", m(Range)},
        {"RoGe", m(RedToYellow)}, {"GeGr", m(YellowToGreen)}, {"GrGe", m(GreenToYellow)},
        {"GeRo", m(YellowToRed)}, {"Soll", m(Display)}, {"Seite", m(Page)}, {"von", m(Of)},
        {"T_Clo1", in.clothingLabels[0]}, {"T_Clo2", in.clothingLabels[1]}, {"T_Clo3", in.clothingLabels[2]},
        {"T_MET", in.clothingLabels[3]}, {"T_Clo_E", in.clothingLabels[4]}, {"T_MET_E", in.clothingLabels[5]},
        {"W_Clo1", Hundredths(in.type.at(ClothingColumn::Summer, TypeRow::Clothing), sep, " clo")},
        {"W_Clo2", Hundredths(in.type.at(ClothingColumn::Mean, TypeRow::Clothing), sep, " clo")},
        {"W_Clo3", Hundredths(in.type.at(ClothingColumn::Winter, TypeRow::Clothing), sep, " clo")},
        {"W_MET", Hundredths(in.type.at(ClothingColumn::Met, TypeRow::Clothing), sep, " met")}};
    for (const auto& [field, value] : values)
        texts.set(t, field, value);

    // The clothing row 18 is no limits row: a range ending there stops at 17.
    const int first = std::clamp(in.firstRow, 1, kTypeRowCount);
    const int last = std::min(std::clamp(in.lastRow, first, kTypeRowCount), kTypeRowCount - 1);
    DataSet& rows = report.dataSet(kRows);
    for (int row = first; row <= last; ++row) {
        const std::size_t r = rows.addRecord();
        rows.set(r, "Nr", std::to_string(row));
        rows.set(r, "Bereich", in.rowLabels[static_cast<std::size_t>(row - 1)]);
        for (int column = 1; column <= kTypeColumnCount; ++column)
            rows.set(r, kValueFields[column - 1], Limit(in.type, column, row, sep));
    }
    return report;
}

} // namespace vamok
