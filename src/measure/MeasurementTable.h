#pragma once
// The measured values of the 99 workplaces. Each row exists three times:
// the raw integers as decoded from an instrument record (RawRow), the display
// texts that everything else works on (RowTexts, the master copy) and the
// traffic-light codes that came with a loaded data file (FileRatings).
// Texts are CP1252 bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

// The raw integer meaning "the instrument delivered no value" (0x1FFFF).
inline constexpr std::int32_t NoValue = 131071;

// Rows are numbered 1..99: the number is the workplace number on the device.
inline constexpr int kRowCount = 99;

// Every field of a row, in the order of the field table. The same names
// serve RawRow, RowTexts and FileRatings.
enum class Field : int {
    Name, Type, Profile,
    Temp, Feu, Lae, LaeM, Bel, Fre, Hell,
    SWK, LdS, LdW, MUK, LdMon, LdUmg,
    Wind, WindT, WindI, WindTI, WindII, WindTII, WindIII, WindTIII,
    GT, PMV1, PMV2, PMV3,
    CO2, VOC, CO,
    LaeUser, LaeDauer, MessZeit, CPeak, CPeakUser,
    Tu, TuI, TuII, TuIII,
    PM1u0, PM2u5, PM10u, TIR, Emiss,
};
inline constexpr int kFieldCount = static_cast<int>(Field::Emiss) + 1;

struct FieldInfo {
    Field field;
    const char* name;      // the field's name, also the key in JSON output
    int decimals;          // decimals of the display text; -1 for text fields
    bool isText;           // Name, Type, Profile, MessZeit
    bool isComputed;       // PMV1..PMV3: texts only, no raw integer
};
const FieldInfo& InfoOf(Field f);
// All fields in field-table order.
const std::array<FieldInfo, kFieldCount>& AllFields();
// The field with this name (exact), if any.
std::optional<Field> FieldByName(std::string_view name);

// The 32 fields that carry a rating (in data-file order).
inline constexpr std::array<Field, 32> kRatedFields{
    Field::Temp, Field::Feu, Field::Lae, Field::LaeM, Field::Bel, Field::Fre, Field::Hell,
    Field::SWK, Field::MUK, Field::Wind, Field::WindT, Field::WindI, Field::WindTI,
    Field::WindII, Field::WindTII, Field::WindIII, Field::WindTIII, Field::GT,
    Field::PMV1, Field::PMV2, Field::PMV3, Field::CO2, Field::VOC, Field::CO,
    Field::LaeUser, Field::Tu, Field::TuI, Field::TuII, Field::TuIII,
    Field::PM1u0, Field::PM2u5, Field::PM10u};
bool IsRatedField(Field f);

// Integer readings as decoded from a device reply (value x 10^decimals, or
// NoValue). The default-constructed row is the cleared raw row.
struct RawRow {
    std::string Name;
    std::string Type = "VAM ";
    std::string Profile = "1";
    std::string MessZeit;
    std::int32_t Temp = 0, Feu = 0, Lae = 0, LaeM = 0, Bel = 0, Fre = 0, Hell = 0;
    std::int32_t SWK = 0, LdS = 0, LdW = 0, MUK = 0, LdMon = 0, LdUmg = 0;
    std::int32_t Wind = NoValue, WindT = 0, WindI = NoValue, WindTI = 0;
    std::int32_t WindII = NoValue, WindTII = 0, WindIII = NoValue, WindTIII = 0;
    std::int32_t GT = 0, CO2 = 0, VOC = 0, CO = 0;
    std::int32_t LaeUser = 0, LaeDauer = 0, CPeak = 0, CPeakUser = 0;
    std::int32_t Tu = NoValue, TuI = NoValue, TuII = NoValue, TuIII = NoValue;
    std::int32_t PM1u0 = 0, PM2u5 = 0, PM10u = 0, TIR = 0, Emiss = 0;

    // The integer of a numeric field; nullptr for text and PMV fields.
    std::int32_t* number(Field f);
    const std::int32_t* number(Field f) const;
    // The text of Name, Type, Profile or MessZeit; nullptr otherwise.
    std::string* text(Field f);
    const std::string* text(Field f) const;

    bool operator==(const RawRow&) const = default;
};

// The display texts, one per field.
struct RowTexts {
    std::string Name, Type, Profile;
    std::string Temp, Feu, Lae, LaeM, Bel, Fre, Hell;
    std::string SWK, LdS, LdW, MUK, LdMon, LdUmg;
    std::string Wind, WindT, WindI, WindTI, WindII, WindTII, WindIII, WindTIII;
    std::string GT, PMV1, PMV2, PMV3;
    std::string CO2, VOC, CO;
    std::string LaeUser, LaeDauer, MessZeit, CPeak, CPeakUser;
    std::string Tu, TuI, TuII, TuIII;
    std::string PM1u0, PM2u5, PM10u, TIR, Emiss;

    std::string& operator[](Field f);
    const std::string& operator[](Field f) const;

    // The cleared texts: Type "VAM ", Profile "1", each PMV "-" + sep + "--",
    // everything else empty.
    static RowTexts Cleared(char decimalSep);
};

// Rating codes that came with a loaded data file: 0 none, 1 green,
// 2 yellow, 3 red. Only the rated fields are meaningful.
struct FileRatings {
    std::array<std::uint8_t, kFieldCount> codes{};
    std::uint8_t& operator[](Field f) { return codes[static_cast<std::size_t>(f)]; }
    std::uint8_t operator[](Field f) const { return codes[static_cast<std::size_t>(f)]; }
};

struct WorkplaceRow {
    RawRow raw;
    RowTexts texts;
    FileRatings ratings;
};

// The table of rows 1..99.
class MeasurementTable {
public:
    MeasurementTable(); // starts cleared

    // n in 1..kRowCount; throws std::out_of_range otherwise.
    WorkplaceRow& row(int n);
    const WorkplaceRow& row(int n) const;
    static bool IsRowNumber(int n) { return n >= 1 && n <= kRowCount; }

    // All three records of every row become the cleared contents.
    void clearAll();
    // Texts and ratings of row n only; its raw readings stay.
    void clearRow(int n);

private:
    std::array<WorkplaceRow, kRowCount> rows_;
};

// Raw integer to display text: "---"-style marker for NoValue, zero-padded
// to more digits than decimals, separator before the last `decimals`
// characters. (235,1) -> "23,5"; (-5,2) -> "-0,05"; (NoValue,2) -> "-,--".
std::string formatFixed(std::int32_t value, int decimals, char decimalSep);
// Same, with the locale separator App().DecimalSep.
std::string formatFixed(std::int32_t value, int decimals);

// ---- Column kinds -------------------------------------------------------

enum class ColumnKind : int {
    No, Name, Type, Profile, Temp, Feu, Lae, LaeM, Bel, Fre, Hell, SWK, MUK,
    Wind, WindI, WindII, WindIII, CO2, VOC, CO, GT, PMV1, PMV2, PMV3,
    LaeUser, CPeak, CPeakUser, PM1u0, PM2u5, PM10u, TIR, MessZeit,
};
inline constexpr int kColumnKindCount = 32;

struct ColumnKindInfo {
    ColumnKind kind;
    const char* key;
    const char* header;        // untranslated header text (GT: "Globe - Temp")
    int langIndex;             // entry of the table window's text list; -1 for No
    std::optional<Field> field;
    int ratingQuantity;        // quantity code for the rating; 0 = never rated
    bool inStandardView;
    bool inPmvView;
    int baseWidth;
};
const ColumnKindInfo& InfoOf(ColumnKind k);
const std::array<ColumnKindInfo, kColumnKindCount>& AllColumnKinds();
// The kind that shows this field, if any.
std::optional<ColumnKind> KindOfField(Field f);

// Headers of fields shown only in hints, files, copies and printouts.
struct SubFieldHeader {
    Field field;
    const char* header;
    int langIndex;
};
const std::array<SubFieldHeader, 14>& SubFieldHeaders();

// Grid column of each kind, or -1 when hidden. Process-wide.
using ColumnMap = std::array<int, kColumnKindCount>;
ColumnMap InitialColumnMap(); // kinds 0..16 in columns 0..16, rest hidden
ColumnMap& CurrentColumnMap();

} // namespace vamok
