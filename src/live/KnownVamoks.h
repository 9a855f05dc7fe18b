#pragma once
// The main window's list of instruments whose workplace types have been
// synchronised in this run: two header lines, then serial texts.
#include <string>
#include <vector>

namespace vamok {

class KnownVamokList {
public:
    static constexpr std::size_t kHeaderLines = 2;

    // header: the translated "Known Vamoks:".
    explicit KnownVamokList(std::string header = "Known Vamoks:");

    // Back to the two header lines.
    void Reset();
    void SetHeader(const std::string& header);

    bool Contains(const std::string& serialText) const;
    void Append(const std::string& serialText);
    // Removes every serial line equal to serialText; returns how many.
    int RemoveAll(const std::string& serialText);
    // Removes the serial line at `index` (a header line or an index past
    // the end is left alone); returns whether a line went.
    bool RemoveLine(std::size_t index);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// The program's one list (a hidden list of the main window).
KnownVamokList& KnownVamoks();

} // namespace vamok
