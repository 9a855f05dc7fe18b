#pragma once
// Lays bands of known height onto pages and paints them: a table's head is
// repeated above its rows on every page, a band that begins a new section
// starts a fresh page, and every page gets its header and footer with the
// page number and the total, which is known because all bands are placed
// before the first one is painted.
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace vamok {

using BandPainter = std::function<void(QPainter& painter, double top)>;

struct Band {
    double height = 0;
    int table = -1;       // the table whose row this is; -1 for none
    bool newPage = false; // starts on a fresh page
    BandPainter paint;
};

struct PageFrame {
    double width = 0;  // of the printable area, device units
    double height = 0;
    double headerHeight = 0; // space the header takes at the top
    double footerHeight = 0; // and the footer at the bottom
    std::function<void(QPainter& painter, int page, int pages)> paint;
};

class PageComposer {
public:
    explicit PageComposer(PageFrame frame) : frame_(std::move(frame)) {}

    // The head band of table t, painted above its rows on each page.
    void setTableHead(int table, Band head);
    void add(Band band) { bands_.push_back(std::move(band)); }
    // Keeps what the painters refer to alive as long as the composer.
    void keep(std::shared_ptr<const void> owner) { owners_.push_back(std::move(owner)); }

    // Number of pages the bands take.
    int pageCount() const;
    // Paints every page; the device gets newPage() between pages.
    void paint(QPainter& painter, QPagedPaintDevice& device) const;

private:
    struct Placed {
        int page;
        double top;
        const Band* band;
    };
    std::vector<Placed> place() const;

    PageFrame frame_;
    std::vector<Band> heads_;
    std::vector<Band> bands_;
    std::vector<std::shared_ptr<const void>> owners_;
};

} // namespace vamok
