#pragma once
// The workplace range the range dialog asks for. The dialog does not order
// the two numbers; its callers do.
namespace vamok {

struct RangeSelection {
    static constexpr int kFirst = 1;
    static constexpr int kLast = 99;
    int From = kFirst;
    int To = kLast;

    // A spin edit value kept inside 1..99.
    static int Clamped(int n) { return n < kFirst ? kFirst : (n > kLast ? kLast : n); }
};

} // namespace vamok
