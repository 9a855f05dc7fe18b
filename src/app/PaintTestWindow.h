#pragma once
// A window that shows the gradient presets used by the threshold bars.
#include <QWidget>

namespace vamok {

class TwPaintTest : public QWidget {
    Q_OBJECT
public:
    explicit TwPaintTest(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vamok
