#include "measure/DataFileReader.h"

#include "core/Cp1252.h"
#include "core/TextHelpers.h"
#include "measure/DataFileWriter.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cctype>

namespace vamok {
namespace {

constexpr int kFirstRowOnlyWithRatings = 20; // fields 4..20 carry ratings only with a header

// The separator as read: an export's " ; " is read as ';'.
char FieldSeparator(DataFileKind kind) { return kind == DataFileKind::Csv ? ';' : '\t'; }

// Lines of the file; a line ends with CR LF, LF or a lone CR.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::string_view> next()
    {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        const std::size_t end = std::min(bytes_.find_first_of("\r\n", pos_), bytes_.size());
        const std::string_view line = bytes_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < bytes_.size())
            pos_ += bytes_.compare(pos_, 2, "\r\n") == 0 ? 2 : 1;
        ++line_;
        return line;
    }

    void rewind()
    {
        pos_ = 0;
        line_ = 0;
    }
    int line() const { return line_; } // number of the last line returned
    std::string_view rest() const { return bytes_.substr(pos_); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 0;
};

// The fields of a row line. In an export the blanks that the writer puts
// around each ';' belong to the separator and are dropped with it.
class FieldCursor {
public:
    FieldCursor(std::string_view line, DataFileKind kind)
        : rest_(line), sep_(FieldSeparator(kind)), csv_(kind == DataFileKind::Csv)
    {
    }

    // Nothing is left but at most the line's closing separator.
    bool finished() const
    {
        std::string_view r = rest_;
        if (csv_) {
            while (!r.empty() && r.front() == ' ')
                r.remove_prefix(1);
            while (!r.empty() && r.back() == ' ')
                r.remove_suffix(1);
        }
        return r.empty() || (r.size() == 1 && r.front() == sep_);
    }

    std::string take()
    {
        const std::size_t end = rest_.find(sep_);
        std::string_view field = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
        if (csv_) {
            if (afterSeparator_ && !field.empty() && field.front() == ' ')
                field.remove_prefix(1);
            if (end != std::string_view::npos && !field.empty() && field.back() == ' ')
                field.remove_suffix(1);
        }
        afterSeparator_ = true;
        return std::string(field);
    }

private:
    std::string_view rest_;
    char sep_;
    bool csv_;
    bool afterSeparator_ = false;
};

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool ContainsAny(std::string_view text, const std::vector<std::string>& marks)
{
    return std::any_of(marks.begin(), marks.end(), [text](const std::string& m) {
        return !m.empty() && text.find(m) != std::string_view::npos;
    });
}

// A mark whose first occurrence starts at the 10th character, as in the
// oldest files' header "Name", SEP, "Typ", SEP, "Temp...".
bool MarkAtOldHeaderPosition(std::string_view text, const std::vector<std::string>& marks)
{
    return std::any_of(marks.begin(), marks.end(), [text](const std::string& m) {
        return !m.empty() && text.find(m) == 9;
    });
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A number in the locale's notation written again with `decimals` decimals,
// rounded half away from zero on its decimal digits (no binary rounding).
std::optional<std::string> Reformat(std::string_view text, int decimals, char sep)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t sepAt = text.find(sep);
    std::string whole(text.substr(0, sepAt));
    std::string fraction(sepAt == std::string_view::npos ? std::string_view{} : text.substr(sepAt + 1));
    const auto digitsOnly = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if ((whole.empty() && fraction.empty()) || !digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    const bool roundUp = fraction.size() > static_cast<std::size_t>(decimals) &&
                         fraction[static_cast<std::size_t>(decimals)] >= '5';
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    std::string digits = whole + fraction;
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const bool zero = firstNonZero == std::string::npos;
    // Keep more digits than decimals, so there is an integer part.
    const std::size_t keep = std::max(digits.size() - std::min(firstNonZero, digits.size()),
                                      static_cast<std::size_t>(decimals) + 1);
    digits = std::string(keep > digits.size() ? keep - digits.size() : 0, '0') +
             digits.substr(digits.size() - std::min(keep, digits.size()));
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, sep);
    return (negative && !zero ? "-" : "") + digits;
}

std::string Convert(const DataFileField& f, const std::string& value, char sep)
{
    switch (f.conversion) {
    case FieldConversion::AsIs:
        if (value.empty() && f.field == Field::Name)
            return "--------";
        if (value.empty() && f.field == Field::Type)
            return "NONE";
        if (value.empty() && f.field == Field::Profile)
            return "0";
        return value;
    case FieldConversion::OneDecimal:
    case FieldConversion::TwoDecimals: {
        if (value.empty())
            return value;
        const int decimals = f.conversion == FieldConversion::OneDecimal ? 1 : 2;
        return Reformat(value, decimals, sep).value_or(value);
    }
    case FieldConversion::IntegerPart:
        return value.substr(0, value.find(sep));
    }
    return value;
}

int RatingCode(const std::string& word)
{
    std::string w(TrimBlanks(word));
    std::transform(w.begin(), w.end(), w.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (w == "OK")
        return 1;
    if (w == "TB")
        return 2;
    if (w == "AG")
        return 3;
    return 0;
}

struct RowContext {
    DataFileKind kind;
    std::int64_t version;
    bool airVelocityPresent;
    bool luminancePresent;
    bool ratingsPresent;
    char decimalSep;
    const PmvSettings* pmv;
};

void ClearFields(WorkplaceRow& row, std::initializer_list<Field> fields, const char* text)
{
    for (Field f : fields) {
        row.texts[f] = text;
        row.ratings[f] = 0;
    }
}

// Moves the field number past the fields that the file's version lacks,
// giving those fields their stand-in texts. The rules are tested once each,
// in this order, so one may lead on to a later one.
int SkipAbsentFields(int b, std::int64_t v, WorkplaceRow& row)
{
    using F = Field;
    if (v == 0 && b == 3) {
        row.texts.Profile = std::string(1, '0');
        b = 4;
    }
    if (v == 0 && b == 32) {
        ClearFields(row, {F::LaeUser, F::LaeDauer}, "");
        b = 34;
    }
    if (v == 0 && b == 45) {
        row.texts.MessZeit.clear();
        b = 46;
    }
    if (v < FileVersion(4, 0, 0, 4) && b == 34) {
        ClearFields(row, {F::CPeak, F::CPeakUser}, "");
        b = 36;
    }
    if (v < FileVersion(4, 0, 0, 6) && b == 36) {
        ClearFields(row, {F::Tu, F::TuI, F::TuII, F::TuIII}, "---");
        b = 40;
    }
    if (v < FileVersion(5, 0, 0, 0) && b == 30) {
        ClearFields(row, {F::VOC, F::CO}, "");
        b = 32;
    }
    if (v < FileVersion(5, 1, 0, 0) && b == 40) {
        ClearFields(row, {F::PM1u0, F::PM2u5, F::PM10u}, "");
        b = 43;
    }
    if (v < FileVersion(5, 2, 0, 0) && b == 43) {
        ClearFields(row, {F::TIR, F::Emiss}, "");
        b = 45;
    }
    return b;
}

// Reads one row line into `row`; true when any field was stored.
bool ParseRowLine(std::string_view line, const RowContext& ctx, WorkplaceRow& row)
{
    FieldCursor fields(line, ctx.kind);
    bool stored = false;
    int b = 0;
    while (!fields.finished()) {
        b = SkipAbsentFields(b + 1, ctx.version, row);
        if (b > kDataFileFieldCount)
            break;
        const DataFileField& f = DataFileFields()[static_cast<std::size_t>(b - 1)];
        if ((f.field == Field::Wind && !ctx.airVelocityPresent) ||
            (f.field == Field::LdS && !ctx.luminancePresent))
            break;
        row.texts[f.field] = Convert(f, fields.take(), ctx.decimalSep);
        stored = true;
        if (f.field == Field::GT && ctx.version == 0)
            UpdateRowPmvTexts(row.texts, *ctx.pmv);
        const bool ratingFollows =
            f.form != FieldForm::Single && (b > kFirstRowOnlyWithRatings || ctx.ratingsPresent);
        if (ratingFollows)
            row.ratings[f.field] = static_cast<std::uint8_t>(RatingCode(fields.take()));
    }
    return stored;
}

// The notes part: "MEMO: ", then the lines, then a line with the separator.
std::vector<std::string> ParseNotes(std::string_view rest, DataFileKind kind)
{
    if (!StartsWith(rest, kNotesMarker))
        return {};
    rest.remove_prefix(std::string_view(kNotesMarker).size());
    // Every line break counts as CR LF.
    std::vector<std::string> lines{std::string{}};
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < rest.size() && rest[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    const char sep = FieldSeparator(kind);
    while (!lines.empty() && lines.front().empty())
        lines.erase(lines.begin());
    while (!lines.empty()) {
        std::string& last = lines.back();
        while (!last.empty() && (last.back() == ' ' || last.back() == sep))
            last.pop_back();
        if (!last.empty())
            break;
        lines.pop_back();
    }
    return lines;
}

std::string CleanTitle(std::string_view candidate, DataFileKind kind)
{
    const char sep = FieldSeparator(kind);
    std::string title(candidate);
    while (!title.empty() && title.back() == ' ')
        title.pop_back();
    while (!title.empty() && title.back() == sep)
        title.pop_back();
    while (!title.empty() && title.back() == ' ')
        title.pop_back();
    return title;
}

bool LooksLikeSpreadsheet(std::string_view bytes)
{
    return StartsWith(bytes, "\xD0\xCF\x11\xE0") || StartsWith(bytes, "PK\x03\x04");
}

// How much of a file without version line is looked at for binary bytes.
constexpr std::size_t kSniffLength = 4096;

// Text files hold no control characters but tab, the line breaks, vertical
// tab, form feed and the DOS end-of-file mark; anything else, NUL above all,
// marks a binary file (an image, a UTF-16 text, a program).
bool HoldsBinaryBytes(std::string_view bytes)
{
    const std::string_view start = bytes.substr(0, kSniffLength);
    return std::any_of(start.begin(), start.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\n' && b != '\v' && b != '\f' && b != '\r' && b != 0x1A;
    });
}

constexpr const char* kTooLarge = "Die Datei ist zu gro\xDF f\xFCr eine VAMOK-Datei.";
constexpr const char* kBinary = "Die Datei enth\xE4lt Bin\xE4rdaten und ist keine VAMOK-Datei.";
constexpr const char* kNoSeparator =
    "Die Datei ist keine VAMOK-Datei (weder Versionszeile noch Trennzeichen in der ersten Tabellenzeile).";

ParseResult Problem(int line, std::string reason) { return {std::nullopt, {line, std::move(reason)}}; }

} // namespace

ParseResult ParseDataFile(std::string_view bytes, DataFileKind kind, const DataFileTexts& texts,
                          char decimalSep, const PmvSettings& pmv)
{
    if (bytes.empty())
        return Problem(0, "Die Datei ist leer.");
    if (bytes.size() > kMaxDataFileSize)
        return Problem(0, kTooLarge);
    if (LooksLikeSpreadsheet(bytes))
        return Problem(0, texts.noExcelFiles);

    DataFileContent content;
    LineCursor lines(bytes);
    std::string_view candidate = *lines.next();
    if (StartsWith(candidate, kVersionPrefix)) {
        content.hasVersionLine = true;
        content.versionText = std::string(candidate.substr(std::string_view(kVersionPrefix).size()));
        content.version = std::max<std::int64_t>(VersionToNumber(content.versionText, 4), 1);
        const auto title = lines.next();
        if (!title)
            return Problem(2, "Die Datei endet nach der Versionszeile.");
        candidate = *title;
    }

    if (!content.hasVersionLine && HoldsBinaryBytes(bytes))
        return Problem(0, kBinary);

    // Only files without a version line can start with a header instead of a
    // title; the program has always written a title after the version line.
    if (!content.hasVersionLine && MarkAtOldHeaderPosition(candidate, texts.temperatureMarks)) {
        lines.rewind();
    } else {
        content.title = CleanTitle(candidate, kind);
    }

    RowContext ctx{kind, content.version, false, false, false, decimalSep, &pmv};
    const auto headerCandidate = lines.next();
    // Without a version line only the table itself shows a data file: the
    // header, or else the line of workplace 1, holds the separator.
    if (!content.hasVersionLine &&
        (!headerCandidate || headerCandidate->find(FieldSeparator(kind)) == std::string_view::npos))
        return Problem(lines.line() + (headerCandidate ? 0 : 1), kNoSeparator);
    if (!headerCandidate)
        return Problem(lines.line() + 1, "Die Datei endet vor der Kopfzeile.");
    ctx.airVelocityPresent = ContainsAny(*headerCandidate, texts.airVelocityMarks);
    ctx.luminancePresent = ContainsAny(*headerCandidate, texts.luminanceMarks);
    const bool headerSeen = ContainsAny(*headerCandidate, texts.temperatureMarks);
    ctx.ratingsPresent = headerSeen;

    // A row saved empty stays empty, also when the file comes from a PC
    // whose locale uses the other decimal separator.
    const auto clearedLine = [&](char sep) {
        return FormatRowLine(RowTexts::Cleared(sep), kind, texts, RateFunction{});
    };
    const std::array<std::string, 2> clearedLines{clearedLine(','), clearedLine('.')};
    const auto isCleared = [&clearedLines](std::string_view line) {
        return line == clearedLines[0] || line == clearedLines[1];
    };
    std::optional<std::string_view> rowLine = headerSeen ? lines.next() : headerCandidate;
    for (int n = 1; n <= kRowCount; ++n) {
        if (!rowLine) {
            // Files with a version line always hold 99 rows; older ones may
            // be shorter, and their missing rows stay cleared.
            if (content.hasVersionLine)
                return Problem(lines.line() + 1,
                               "Die Datei endet vorzeitig (Arbeitsplatz " + std::to_string(n) +
                                   " fehlt).");
            break;
        }
        if (!isCleared(*rowLine) && ParseRowLine(*rowLine, ctx, content.table.row(n)))
            content.ratingsAvailable = true;
        if (n < kRowCount)
            rowLine = lines.next();
    }

    const std::string_view rest = lines.rest();
    // Nothing may follow the rows but the notes; a file that simply ends
    // after its rows has none.
    if (content.hasVersionLine && !rest.empty() && !StartsWith(rest, kNotesMarker))
        return Problem(lines.line() + 1,
                       "Nach den 99 Arbeitspl\xE4tzen sollten hier die Anmerkungen (\"MEMO: \") beginnen.");
    content.notes = ParseNotes(rest, kind);
    return {std::move(content), {}};
}

ReadResult ReadDataFile(const std::string& path, const DataFileTexts& texts, char decimalSep,
                        const PmvSettings& pmv)
{
    const QString name = FromCp1252(path);
    auto failure = [&](int line, const std::string& reason) {
        std::string message = texts.loadFailed + "\r\n" + ToCp1252(QDir::toNativeSeparators(name)) + "\r\n";
        if (line > 0)
            message += "Zeile " + std::to_string(line) + ": ";
        return ReadResult{std::nullopt, message + reason, line};
    };
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return failure(0, ToCp1252(file.errorString()));
    if (file.size() > static_cast<qint64>(kMaxDataFileSize))
        return failure(0, kTooLarge);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(0, ToCp1252(file.errorString()));
    ParseResult parsed = ParseDataFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                       KindOfFileName(path), texts, decimalSep, pmv);
    if (!parsed.content)
        return failure(parsed.problem.line, parsed.problem.reason);
    return {std::move(parsed.content), {}, 0};
}

} // namespace vamok
