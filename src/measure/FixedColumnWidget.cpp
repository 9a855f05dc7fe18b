#include "measure/FixedColumnWidget.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace vamok {

FixedColumnWidget::FixedColumnWidget(QTableView& grid, QAbstractItemDelegate* delegate)
    : QTableView(&grid), grid_(grid)
{
    setObjectName(QStringLiteral("FixedColumn"));
    setModel(grid.model());
    setSelectionModel(grid.selectionModel());
    setItemDelegate(delegate);
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(grid.selectionBehavior());
    setSelectionMode(grid.selectionMode());
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(grid.verticalHeader()->defaultSectionSize());
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(grid.verticalScrollMode());
    setStyleSheet(QStringLiteral("QTableView { border: none; }"));

    connect(verticalScrollBar(), &QScrollBar::valueChanged, grid.verticalScrollBar(), &QScrollBar::setValue);
    connect(grid.verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            setColumnWidth(0, size);
            Place();
        }
    });
    connect(grid.verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { setRowHeight(section, size); });
    grid.installEventFilter(this);
    ColumnsChanged();
    show();
}

void FixedColumnWidget::ColumnsChanged()
{
    const int count = model() ? model()->columnCount() : 0;
    for (int c = 0; c < count; ++c)
        setColumnHidden(c, c != 0);
    if (count > 0)
        setColumnWidth(0, grid_.columnWidth(0));
    setVisible(count > 0);
    Place();
}

bool FixedColumnWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &grid_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        Place();
    return QTableView::eventFilter(watched, event);
}

void FixedColumnWidget::Place()
{
    const int frame = grid_.frameWidth();
    setGeometry(frame, frame, grid_.columnWidth(0),
                grid_.viewport()->height() + grid_.horizontalHeader()->height());
    raise();
}

} // namespace vamok
