#include "print/PageComposer.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vamok {

void PageComposer::setTableHead(int table, Band head)
{
    if (table < 0)
        return;
    if (heads_.size() <= static_cast<std::size_t>(table))
        heads_.resize(static_cast<std::size_t>(table) + 1);
    heads_[static_cast<std::size_t>(table)] = std::move(head);
}

std::vector<PageComposer::Placed> PageComposer::place() const
{
    std::vector<Placed> placed;
    const double top = frame_.headerHeight;
    const double bottom = frame_.height - frame_.footerHeight;
    int page = 0;
    double y = top;
    int headOnPage = -1; // the table whose head this page shows
    const auto headOf = [this](int table) -> const Band* {
        if (table < 0 || static_cast<std::size_t>(table) >= heads_.size() || !heads_[static_cast<std::size_t>(table)].paint)
            return nullptr;
        return &heads_[static_cast<std::size_t>(table)];
    };
    for (const Band& band : bands_) {
        if (band.newPage && y > top) {
            ++page;
            y = top;
            headOnPage = -1;
        }
        const Band* head = band.table != headOnPage ? headOf(band.table) : nullptr;
        const double needed = band.height + (head ? head->height : 0);
        // A band that does not fit goes to the next page, unless the page is
        // still empty (a band taller than a page is placed and clipped there
        // rather than pushed on forever).
        if (y + needed > bottom && y > top) {
            ++page;
            y = top;
            head = headOf(band.table);
        }
        if (head) {
            placed.push_back({page, y, head});
            y += head->height;
            headOnPage = band.table;
        }
        placed.push_back({page, y, &band});
        y += band.height;
    }
    return placed;
}

int PageComposer::pageCount() const
{
    const std::vector<Placed> placed = place();
    return placed.empty() ? 1 : placed.back().page + 1;
}

void PageComposer::paint(QPainter& painter, QPagedPaintDevice& device) const
{
    const std::vector<Placed> placed = place();
    const int pages = placed.empty() ? 1 : placed.back().page + 1;
    std::size_t next = 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.setClipRect(QRectF(0, 0, frame_.width, frame_.height));
        if (frame_.paint)
            frame_.paint(painter, page + 1, pages);
        for (; next < placed.size() && placed[next].page == page; ++next) {
            painter.save();
            placed[next].band->paint(painter, placed[next].top);
            painter.restore();
        }
        painter.restore();
    }
}

} // namespace vamok
