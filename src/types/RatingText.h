#pragma once
// A rating in words, for the places where it is otherwise only painted: the
// accessible description of a rated table cell. Texts are CP1252 bytes.
#include "types/Rating.h"

#include <array>
#include <string>

namespace vamok {

struct RatingWords {
    // For green, yellow and red, from the window's translatable list.
    std::array<std::string, 3> phrases;
    // The short rating words ("ok", "tb", "aG"); empty where a window has none.
    std::array<std::string, 3> words;
};

// The phrase of the rating, followed by its word in brackets when there is
// one ("Bewertung: grün (ok)"); empty for a value that is not rated.
std::string SpokenRating(Rating rating, const RatingWords& words);

// The description of a cell: its spoken rating, then its hint with line
// breaks read as blanks, joined by ". "; either part may be empty.
std::string CellDescription(const std::string& spokenRating, const std::string& hint);

} // namespace vamok
