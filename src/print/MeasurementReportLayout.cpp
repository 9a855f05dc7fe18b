// "VAMOKData_MultiCol": a header band with one column per print slot, one
// band per workplace row, page 1 design, then page 2 design, the notes, and
// the legend at the foot of every page.
#include "core/Cp1252.h"
#include "print/ReportDrawing.h"
#include "print/ReportLayouts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace vamok {
namespace {

constexpr double kCellPoints = 7;
constexpr int kComfortableSlots = 18;
constexpr double kSmallestPoints = 5.5;
const QColor kRule(170, 170, 170);
const QColor kShade(238, 238, 238);
const QColor kHeadShade(225, 230, 236);
const QColor kExtraText(70, 70, 70);

QString Q(const std::string& text) { return FromCp1252(text); }

bool IsNumberText(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isDigit() && !QStringLiteral(",.-+/: %").contains(c))
            return false;
    }
    return true;
}

// A blank inside a word ("Tempera tur") marks where the title may break: a
// soft hyphen there, so that a wide column reads "Temperatur".
QString ColumnTitle(const std::string& title)
{
    static const QRegularExpression kBreak(QStringLiteral("(\\p{Ll}) (\\p{Ll})"));
    return Q(title).replace(kBreak, QStringLiteral("\\1") + QChar(QChar::SoftHyphen) + QStringLiteral("\\2"));
}

struct CellView {
    QString value, rating, ext1, ext2;
    int icon = 0;
    int rowNumber = 0;
};

struct SlotView {
    QString title, unit;
    bool numeric = true;
    bool rated = false;
    QFont font; // of the values: smaller when the longest word needs it
};

// One page design: its slots and the cells of its rows.
struct Design {
    std::vector<SlotView> slots;
    std::vector<std::vector<CellView>> rows; // [row][slot]
};

Design ReadDesign(const Report& report, const char* slotsView, const char* cellsView, int slotCount)
{
    Design d;
    const DataSet& slots = report.dataSet(slotsView);
    const DataSet& cells = report.dataSet(cellsView);
    const DataSet& texts = report.dataSet("TexteData1");
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(slotCount, 0)), slots.recordCount());
    if (count == 0)
        return d;
    for (std::size_t s = 0; s < count; ++s) {
        SlotView slot;
        slot.title = ColumnTitle(slots.value(s, "ColTitel"));
        slot.unit = Q(slots.value(s, "ColEinheit")).trimmed();
        d.slots.push_back(slot);
    }
    // The contrast columns name their two luminances.
    const auto labelsOf = [&texts](const std::string& title) -> std::pair<std::string, std::string> {
        if (!title.empty() && title == texts.value(0, "SW"))
            return {texts.value(0, "Schwarz"), texts.value(0, "Weiss")};
        if (!title.empty() && title == texts.value(0, "MU"))
            return {texts.value(0, "Mon"), texts.value(0, "Umg")};
        return {};
    };
    const auto labelled = [](const std::string& label, const std::string& value) {
        return Q(label.empty() || value.empty() ? value : label + " " + value);
    };
    const std::size_t rows = cells.recordCount() / count;
    d.rows.resize(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t s = 0; s < count; ++s) {
            const std::size_t k = r * count + s;
            const auto [label1, label2] = labelsOf(slots.value(s, "ColTitel"));
            CellView cell;
            cell.value = Q(cells.value(k, "ColValue"));
            cell.rating = Q(cells.value(k, "ColBew"));
            cell.icon = cells.value(k, "ColBit").empty() ? 0 : cells.value(k, "ColBit")[0] - '0';
            cell.ext1 = labelled(label1, cells.value(k, "ColExt1"));
            cell.ext2 = labelled(label2, cells.value(k, "ColExt2"));
            cell.rowNumber = QString::fromStdString(cells.value(k, "RowNumber")).toInt();
            SlotView& slot = d.slots[s];
            slot.rated = slot.rated || !cell.rating.isEmpty() || cell.icon != 0;
            slot.numeric = slot.numeric && IsNumberText(cell.value);
            d.rows[r].push_back(std::move(cell));
        }
    }
    return d;
}

class MultiColLayout {
public:
    MultiColLayout(const Report& report, QPaintDevice& device, double width, double height, const QDate& date)
        : report_(report), device_(device), width_(width), height_(height), mm_(UnitsPerMm(device)),
          texts_(report.dataSet("TexteData1")), color_(report.parameter("Color") != kNo),
          extend_(report.parameter("Extend") == kYes)
    {
        header_ = {Q(texts_.value(0, "Titel")), ReportDate(texts_.value(0, "Datum"), date),
                   Q(texts_.value(0, "Seite")), Q(texts_.value(0, "von"))};
    }

    PageComposer compose()
    {
        const QFontMetricsF legend(legendFont(), &device_);
        PageFrame frame;
        frame.width = width_;
        frame.height = height_;
        frame.headerHeight = PageHeaderHeight(header_, width_, device_) + 2 * mm_;
        frame.footerHeight = legend.height() + 3 * mm_;
        frame.paint = [this](QPainter& p, int page, int pages) {
            DrawPageHeader(p, header_, width_, page, pages);
            drawLegend(p);
        };
        PageComposer composer(std::move(frame));
        addDesign(composer, 0, "TexteMultiColData1", "WerteColData1", parameterNumber("ColCnt"), false);
        if (report_.parameter("SecondPage") == kYes)
            addDesign(composer, 1, "TexteMultiColData1_P2", "WerteColData1_P2", parameterNumber("ColCnt2"), true);
        addNotes(composer);
        return composer;
    }

private:
    struct Metrics {
        double slotWidth = 0;
        double pad = 0;  // left and right of a cell's text
        double vpad = 0; // above and below
        double markWidth = 0; // space for the rating icon or word
        QFont value, head, extra, word;
    };

    int parameterNumber(const char* name) const { return QString::fromStdString(report_.parameter(name)).toInt(); }
    QFont legendFont() const { return ReportFont(7.5); }

    Metrics metricsFor(int slots) const
    {
        Metrics m;
        const double points = slots <= kComfortableSlots
                                  ? kCellPoints
                                  : std::max(kSmallestPoints, kCellPoints * kComfortableSlots / slots);
        m.value = ReportFont(points, false, true);
        m.head = ReportFont(points - 1, true, true);
        m.extra = ReportFont(points - 1.5, false, true);
        m.word = ReportFont(points - 1, true, true);
        m.slotWidth = width_ / std::max(slots, 1);
        m.pad = std::min(0.5 * mm_, m.slotWidth / 12);
        m.vpad = 0.9 * mm_;
        const QFontMetricsF words(m.word, &device_);
        const QFontMetricsF values(m.value, &device_);
        double widest = 0;
        for (const char* field : {"OK", "TB", "AG"})
            widest = std::max(widest, words.horizontalAdvance(Q(texts_.value(0, field))));
        m.markWidth = (color_ ? values.ascent() * 0.85 : widest) + 0.6 * mm_;
        return m;
    }

    // A column whose longest word (a name, a date) is wider than the column
    // gets a smaller font, down to the smallest readable size, so that
    // words are broken only where nothing else helps.
    void fitWords(Design& d, const Metrics& m) const
    {
        for (std::size_t s = 0; s < d.slots.size(); ++s) {
            SlotView& slot = d.slots[s];
            slot.font = m.value;
            const QFontMetricsF metrics(m.value, &device_);
            double widest = 0;
            for (const std::vector<CellView>& row : d.rows) {
                for (const QString& word : row[s].value.split(QChar(' '), Qt::SkipEmptyParts))
                    widest = std::max(widest, metrics.horizontalAdvance(word));
            }
            const double width = valueWidth(m, slot);
            if (widest > width) {
                slot.font.setPointSizeF(
                    std::max(kSmallestPoints, m.value.pointSizeF() * width / widest * 0.98));
            }
        }
    }

    double valueWidth(const Metrics& m, const SlotView& slot) const
    {
        return std::max(m.slotWidth - 2 * m.pad - (slot.rated ? m.markWidth : 0), m.slotWidth / 4);
    }

    double textWidth(const Metrics& m) const { return m.slotWidth - 2 * m.pad; }

    void addDesign(PageComposer& composer, int table, const char* slotsView, const char* cellsView, int slotCount,
                   bool newPage)
    {
        auto design = std::make_shared<Design>(ReadDesign(report_, slotsView, cellsView, slotCount));
        if (design->slots.empty())
            return;
        const auto m = std::make_shared<Metrics>(metricsFor(static_cast<int>(design->slots.size())));
        fitWords(*design, *m);
        composer.setTableHead(table, headBand(design, m));
        for (std::size_t r = 0; r < design->rows.size(); ++r) {
            Band band = rowBand(design, m, r);
            band.table = table;
            band.newPage = newPage && r == 0;
            composer.add(std::move(band));
        }
    }

    Band headBand(const std::shared_ptr<Design>& d, const std::shared_ptr<Metrics>& m) const
    {
        double height = 0;
        for (const SlotView& slot : d->slots) {
            height = std::max(height, WrappedHeight(slot.title, m->head, textWidth(*m), device_) +
                                          WrappedHeight(slot.unit, m->extra, textWidth(*m), device_));
        }
        height += 2 * m->pad;
        Band band;
        band.height = height;
        band.paint = [this, d, m, height](QPainter& p, double top) {
            p.fillRect(QRectF(0, top, width_, height), kHeadShade);
            for (std::size_t s = 0; s < d->slots.size(); ++s) {
                const SlotView& slot = d->slots[s];
                const double left = static_cast<double>(s) * m->slotWidth + m->pad;
                const double titleHeight = WrappedHeight(slot.title, m->head, textWidth(*m), device_);
                p.setPen(Qt::black);
                DrawWrapped(p, QRectF(left, top + m->pad, textWidth(*m), titleHeight), slot.title, m->head,
                            Qt::AlignHCenter);
                DrawWrapped(p,
                            QRectF(left, top + m->pad + titleHeight, textWidth(*m),
                                   WrappedHeight(slot.unit, m->extra, textWidth(*m), device_)),
                            slot.unit, m->extra, Qt::AlignHCenter);
            }
            drawSlotRules(p, *d, *m, top, height);
            p.setPen(QPen(Qt::black, 0.25 * mm_));
            p.drawLine(QPointF(0, top + height), QPointF(width_, top + height));
        };
        return band;
    }

    double cellHeight(const Metrics& m, const SlotView& slot, const CellView& cell) const
    {
        const double line = QFontMetricsF(m.value, &device_).height();
        double height = std::max(line, WrappedHeight(cell.value, slot.font, valueWidth(m, slot), device_));
        if (extend_) {
            const double extra = QFontMetricsF(m.extra, &device_).height();
            height += std::max(extra, WrappedHeight(cell.ext1, m.extra, textWidth(m), device_)) +
                      std::max(extra, WrappedHeight(cell.ext2, m.extra, textWidth(m), device_));
        }
        return height;
    }

    Band rowBand(const std::shared_ptr<Design>& d, const std::shared_ptr<Metrics>& m, std::size_t r) const
    {
        double height = 0;
        for (std::size_t s = 0; s < d->slots.size(); ++s)
            height = std::max(height, cellHeight(*m, d->slots[s], d->rows[r][s]));
        height += 2 * m->vpad;
        Band band;
        band.height = height;
        band.paint = [this, d, m, r, height](QPainter& p, double top) { paintRow(p, *d, *m, r, top, height); };
        return band;
    }

    void paintRow(QPainter& p, const Design& d, const Metrics& m, std::size_t r, double top, double height) const
    {
        const std::vector<CellView>& cells = d.rows[r];
        const int number = cells.empty() ? 0 : cells.front().rowNumber;
        if (extend_ && number % 2 == 1)
            p.fillRect(QRectF(0, top, width_, height), kShade);
        const double extraLine = QFontMetricsF(m.extra, &device_).height();
        const double valueLine = QFontMetricsF(m.value, &device_).height();
        for (std::size_t s = 0; s < d.slots.size(); ++s) {
            const SlotView& slot = d.slots[s];
            const CellView& cell = cells[s];
            const double left = static_cast<double>(s) * m.slotWidth + m.pad;
            const Qt::Alignment align = slot.numeric ? Qt::AlignRight : Qt::AlignLeft;
            double y = top + m.vpad;
            if (extend_) {
                const double h = std::max(extraLine, WrappedHeight(cell.ext1, m.extra, textWidth(m), device_));
                p.setPen(kExtraText);
                DrawWrapped(p, QRectF(left, y, textWidth(m), h), cell.ext1, m.extra, align);
                y += h;
            }
            const double vw = valueWidth(m, slot);
            const double vh = std::max(valueLine, WrappedHeight(cell.value, slot.font, vw, device_));
            p.setPen(Qt::black);
            DrawWrapped(p, QRectF(left, y, vw, vh), cell.value, slot.font, align);
            if (slot.rated)
                drawMark(p, m, cell, QRectF(left + textWidth(m) - m.markWidth, y, m.markWidth, valueLine));
            y += vh;
            if (extend_) {
                const double h = WrappedHeight(cell.ext2, m.extra, textWidth(m), device_);
                p.setPen(kExtraText);
                DrawWrapped(p, QRectF(left, y, textWidth(m), h), cell.ext2, m.extra, align);
            }
        }
        drawSlotRules(p, d, m, top, height);
        p.setPen(QPen(kRule, 0.1 * mm_));
        p.drawLine(QPointF(0, top + height), QPointF(width_, top + height));
    }

    void drawMark(QPainter& p, const Metrics& m, const CellView& cell, const QRectF& area) const
    {
        if (color_) {
            const double size = area.width() - 0.6 * mm_;
            DrawRatingIcon(p, QRectF(area.right() - size, area.center().y() - size / 2, size, size), cell.icon);
            return;
        }
        if (cell.rating.isEmpty())
            return;
        p.setFont(m.word);
        p.setPen(Qt::black);
        p.drawText(area, Qt::AlignRight | Qt::AlignVCenter, cell.rating);
    }

    void drawSlotRules(QPainter& p, const Design& d, const Metrics& m, double top, double height) const
    {
        p.setPen(QPen(kRule, 0.1 * mm_));
        for (std::size_t s = 1; s < d.slots.size(); ++s) {
            const double x = static_cast<double>(s) * m.slotWidth;
            p.drawLine(QPointF(x, top), QPointF(x, top + height));
        }
    }

    // The notes, line by line, each wrapped line a band of its own so that
    // long notes carry over to the next page.
    void addNotes(PageComposer& composer) const
    {
        const QString memo = Q(report_.dataSet("MemoBlobData1").value(0, "Memo"));
        if (memo.trimmed().isEmpty())
            return;
        Band gap;
        gap.height = 4 * mm_;
        gap.paint = [](QPainter&, double) {};
        composer.add(std::move(gap));
        const QFont font = ReportFont(8.5);
        for (const QString& paragraph : memo.split(QStringLiteral("\r\n"))) {
            auto layout = std::make_shared<QTextLayout>(paragraph.isEmpty() ? QStringLiteral(" ") : paragraph, font,
                                                        &device_);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout->setTextOption(option);
            layout->beginLayout();
            std::vector<QRectF> lines;
            double y = 0;
            for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
                line.setLineWidth(width_);
                line.setPosition(QPointF(0, y));
                lines.emplace_back(0, y, width_, line.height());
                y += line.height();
            }
            layout->endLayout();
            for (const QRectF& line : lines) {
                Band band;
                band.height = line.height();
                band.paint = [layout, line](QPainter& p, double top) {
                    p.setPen(Qt::black);
                    // The clip is in painter coordinates: just this line.
                    layout->draw(&p, QPointF(0, top - line.top()), {}, line.translated(0, top - line.top()));
                };
                composer.add(std::move(band));
            }
        }
    }

    void drawLegend(QPainter& p) const
    {
        const QFont font = legendFont();
        const QFontMetricsF metrics(font, &device_);
        const double top = height_ - metrics.height();
        p.setPen(QPen(kRule, 0.1 * mm_));
        p.drawLine(QPointF(0, top - 1.5 * mm_), QPointF(width_, top - 1.5 * mm_));
        p.setFont(font);
        p.setPen(Qt::black);
        if (!color_) {
            p.drawText(QRectF(0, top, width_, metrics.height()), Qt::AlignLeft | Qt::TextSingleLine,
                       Q(texts_.value(0, "Legende1")));
            return;
        }
        // "Zeichenerklärung:  Messwert OK ;  im Toleranzbereich ;  außerhalb
        // Grenze": an icon goes in front of each of the three phrases.
        const QString legend = Q(texts_.value(0, "Legende2"));
        const qsizetype colon = legend.indexOf(QChar(':'));
        const QStringList phrases = legend.mid(colon + 1).split(QChar(';'));
        double x = 0;
        const auto text = [&](const QString& t) {
            p.drawText(QPointF(x, top + metrics.ascent()), t);
            x += metrics.horizontalAdvance(t);
        };
        if (colon < 0 || phrases.size() != 3) {
            text(legend);
            return;
        }
        text(legend.left(colon + 1));
        const double icon = metrics.ascent() * 0.85;
        for (int i = 0; i < 3; ++i) {
            x += 3 * mm_;
            DrawRatingIcon(p, QRectF(x, top + metrics.ascent() - icon, icon, icon), i + 1);
            x += icon + 1 * mm_;
            text(phrases[i].trimmed() + (i < 2 ? QStringLiteral(";") : QString()));
        }
    }

    const Report& report_;
    QPaintDevice& device_;
    double width_;
    double height_;
    double mm_;
    const DataSet& texts_;
    bool color_;
    bool extend_;
    PageHeaderTexts header_;
};

} // namespace

QString ReportDate(const std::string& label, const QDate& date)
{
    return FromCp1252(label) + QChar(' ') + QLocale().toString(date, QLocale::LongFormat);
}

PageComposer ComposeMeasurementReport(const Report& report, QPaintDevice& device, double width, double height,
                                      const QDate& date)
{
    const auto layout = std::make_shared<MultiColLayout>(report, device, width, height, date);
    PageComposer composer = layout->compose();
    composer.keep(layout);
    return composer;
}

} // namespace vamok
