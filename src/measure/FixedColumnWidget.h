#pragma once
// The fixed first column of a grid: a second view over the same model that
// shows only column 0 and stays in place while the grid scrolls sideways.
// The grid's fixed row is its own horizontal header.
#include <QTableView>

class QAbstractItemDelegate;

namespace vamok {

class FixedColumnWidget : public QTableView {
    Q_OBJECT
public:
    // Lies over the left edge of `grid` and shares its model and selection;
    // `delegate` paints its cells (a view needs a delegate of its own).
    FixedColumnWidget(QTableView& grid, QAbstractItemDelegate* delegate);

    // Shows only column 0 again after the grid's columns changed.
    void ColumnsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    QTableView& grid_;
};

} // namespace vamok
