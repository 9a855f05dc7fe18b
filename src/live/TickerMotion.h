#pragma once
// How a scrolling text line moves: two copies of the text run leftwards one
// pixel per step inside a strip exactly as wide as the text, the second
// following the first at the text width plus 21 pixels.
namespace vamok {

class TickerMotion {
public:
    // A new text: the first copy starts at the strip's left edge.
    void Restart(int textWidth, int controlWidth);
    // One step; afterwards first() and second() are where the copies stand.
    void Step();

    int first() const { return first_; }
    int second() const { return second_; }
    int textWidth() const { return width_; }

private:
    int first_ = 0;
    int second_ = 0;
    int width_ = 0;
};

} // namespace vamok
