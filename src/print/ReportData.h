#pragma once
// What a report is fed with: named data sets of records with named fields,
// and a few named parameters. The renderer reads nothing else, so the
// builders of the two reports can be tested without drawing. Texts are
// CP1252 bytes.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vamok {

enum class FieldKind { Text, Memo, Picture };

struct ReportField {
    std::string name;
    int width = 0; // maximum length in characters; 0 for memo and picture fields
    FieldKind kind = FieldKind::Text;
};

// A picture field holds the rating code of its icon: "1" green, "2" yellow,
// "3" red, "" the empty picture.
class DataSet {
public:
    DataSet(std::string connection, std::string view, std::vector<ReportField> fields);

    const std::string& connection() const { return connection_; }
    const std::string& view() const { return view_; }
    const std::vector<ReportField>& fields() const { return fields_; }
    bool hasField(std::string_view name) const;

    std::size_t recordCount() const { return records_.size(); }
    // Appends a record with every field empty and returns its index.
    std::size_t addRecord();
    // Throws std::out_of_range for an unknown field or record.
    void set(std::size_t record, std::string_view field, std::string value);
    const std::string& value(std::size_t record, std::string_view field) const;

private:
    std::size_t fieldIndex(std::string_view name) const;

    std::string connection_;
    std::string view_;
    std::vector<ReportField> fields_;
    std::vector<std::vector<std::string>> records_;
};

struct Report {
    std::string name; // "VAMOKData_MultiCol" or "VAMOKAPTReport1"
    bool landscape = false;
    std::map<std::string, std::string, std::less<>> parameters;
    std::vector<DataSet> dataSets;

    // The data set of that view name; throws std::out_of_range when absent.
    const DataSet& dataSet(std::string_view view) const;
    DataSet& dataSet(std::string_view view);
    // "" when the parameter is not set.
    std::string parameter(std::string_view name) const;
};

// The values of the "JA"/"NEIN" parameters.
inline constexpr const char* kYes = "JA";
inline constexpr const char* kNo = "NEIN";
inline const char* YesNo(bool on) { return on ? kYes : kNo; }

} // namespace vamok
