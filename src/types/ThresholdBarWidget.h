#pragma once
// The type editor's bar `B2`: five coloured sections whose four inner
// borders can be dragged with the mouse.
#include "types/ThresholdBar.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

namespace vamok {

class ThresholdBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit ThresholdBarWidget(QWidget* parent = nullptr);

    // Section widths and the texts written at each section's left border.
    void SetSections(const SectionWidths& widths, const std::array<std::string, 5>& texts);
    const SectionWidths& Widths() const { return widths_; }
    // Borders 0 and 1 cannot be grabbed (air velocity).
    void SetLowBordersFixed(bool fixed) { lowBordersFixed_ = fixed; }
    // Pixel position of border k (0..3, the right edge of section k).
    int BorderX(int border) const;

    // A border was dragged to new widths; `border` is the dragged one.
    std::function<void(const SectionWidths& widths, int border)> onDragged;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int BorderNear(int x) const;
    void DragTo(int x);

    SectionWidths widths_{};
    std::array<std::string, 5> texts_{};
    int dragging_ = -1;
    bool lowBordersFixed_ = false;
};

} // namespace vamok
