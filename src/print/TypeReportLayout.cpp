// "VAMOKAPTReport1": the limits of one type, one line per quantity, under a
// header line with the four transitions and the display target; then the
// clothing and activity values.
#include "core/Cp1252.h"
#include "print/ReportDrawing.h"
#include "print/ReportLayouts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <array>
#include <memory>

namespace vamok {
namespace {

constexpr const char* kValueFields[] = {"rtge", "gegn", "gnge", "gert", "Anzeige"};
constexpr const char* kHeadFields[] = {"RoGe", "GeGr", "GrGe", "GeRo", "Soll"};
// The colours either side of each transition (1 green, 2 yellow, 3 red).
constexpr std::array<std::array<int, 2>, 4> kTransitions{{{3, 2}, {2, 1}, {1, 2}, {2, 3}}};
const QColor kShade(242, 242, 242);
const QColor kRule(170, 170, 170);
const QColor kUnitText(90, 90, 90);

QString Q(const std::string& text) { return FromCp1252(text); }

class TypeLayout {
public:
    TypeLayout(const Report& report, QPaintDevice& device, double width, double height, const QDate& date)
        : report_(report), device_(device), width_(width), height_(height), mm_(UnitsPerMm(device)),
          texts_(report.dataSet("TexteApts1")), rows_(report.dataSet("WerteApts1")),
          color_(report.parameter("Color") != kNo), font_(ReportFont(9.5)), bold_(ReportFont(9.5, true)),
          head_(ReportFont(8.5, true)), small_(ReportFont(8))
    {
        header_ = {Q(texts_.value(0, "Titel")), ReportDate(texts_.value(0, "Datum"), date),
                   Q(texts_.value(0, "Seite")), Q(texts_.value(0, "von"))};
        numberWidth_ = 9 * mm_;
        valueWidth_ = 23 * mm_;
        labelWidth_ = width_ - numberWidth_ - 5 * valueWidth_;
        pad_ = 1.2 * mm_;
    }

    PageComposer compose()
    {
        PageFrame frame;
        frame.width = width_;
        frame.height = height_;
        frame.headerHeight = PageHeaderHeight(header_, width_, device_) + 3 * mm_;
        frame.paint = [this](QPainter& p, int page, int pages) { DrawPageHeader(p, header_, width_, page, pages); };
        PageComposer composer(std::move(frame));
        composer.setTableHead(0, headBand());
        for (std::size_t r = 0; r < rows_.recordCount(); ++r) {
            Band band = rowBand(r);
            band.table = 0;
            composer.add(std::move(band));
        }
        composer.add(clothingBand());
        return composer;
    }

private:
    double valueLeft(int column) const { return numberWidth_ + labelWidth_ + column * valueWidth_; }
    double line(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

    Band headBand() const
    {
        Band band;
        band.height = line(head_) + 2 * pad_;
        band.paint = [this, h = band.height](QPainter& p, double top) {
            p.setPen(Qt::black);
            p.setFont(head_);
            p.drawText(QRectF(numberWidth_ + pad_, top + pad_, labelWidth_, line(head_)), Qt::AlignLeft,
                       Q(texts_.value(0, "Bereich")));
            for (int c = 0; c < 5; ++c) {
                const QRectF cell(valueLeft(c), top + pad_, valueWidth_ - pad_, line(head_));
                if (color_ && c < 4)
                    drawTransition(p, cell, kTransitions[static_cast<std::size_t>(c)]);
                else
                    p.drawText(cell, Qt::AlignRight, Q(texts_.value(0, kHeadFields[c])));
            }
            p.setPen(QPen(Qt::black, 0.3 * mm_));
            p.drawLine(QPointF(0, top + h), QPointF(width_, top + h));
        };
        return band;
    }

    // Two colour dots with an arrow from the lower band to the upper one.
    void drawTransition(QPainter& p, const QRectF& cell, const std::array<int, 2>& colours) const
    {
        const double dot = cell.height() * 0.7;
        const double y = cell.center().y() - dot / 2;
        const double right = cell.right();
        const double arrow = 3 * mm_;
        DrawRatingIcon(p, QRectF(right - dot, y, dot, dot), colours[1]);
        DrawRatingIcon(p, QRectF(right - 2 * dot - arrow, y, dot, dot), colours[0]);
        const double x0 = right - dot - arrow + 0.5 * mm_;
        const double x1 = right - dot - 0.5 * mm_;
        const double cy = cell.center().y();
        p.setPen(QPen(Qt::black, 0.2 * mm_));
        p.drawLine(QPointF(x0, cy), QPointF(x1, cy));
        p.drawLine(QPointF(x1, cy), QPointF(x1 - 0.8 * mm_, cy - 0.6 * mm_));
        p.drawLine(QPointF(x1, cy), QPointF(x1 - 0.8 * mm_, cy + 0.6 * mm_));
    }

    // "Temperatur                /°C" reads "Temperatur" with the unit "/°C".
    static std::pair<QString, QString> SplitLabel(const std::string& label)
    {
        const QString text = Q(label).simplified();
        const qsizetype unit = text.lastIndexOf(QStringLiteral(" /"));
        if (unit < 0)
            return {text, {}};
        return {text.left(unit), text.mid(unit + 1)};
    }

    Band rowBand(std::size_t r) const
    {
        const auto [name, unit] = SplitLabel(rows_.value(r, "Bereich"));
        const double unitWidth = unit.isEmpty() ? 0 : QFontMetricsF(small_, &device_).horizontalAdvance(unit) + 2 * mm_;
        const double nameWidth = labelWidth_ - unitWidth - pad_;
        const double height = std::max(line(font_), WrappedHeight(name, font_, nameWidth, device_)) + 2 * pad_;
        Band band;
        band.height = height;
        band.paint = [this, r, name, unit, nameWidth, height](QPainter& p, double top) {
            if (r % 2 == 1)
                p.fillRect(QRectF(0, top, width_, height), kShade);
            p.setPen(Qt::black);
            p.setFont(font_);
            p.drawText(QRectF(0, top + pad_, numberWidth_ - pad_, line(font_)), Qt::AlignRight,
                       Q(rows_.value(r, "Nr")));
            DrawWrapped(p, QRectF(numberWidth_ + pad_, top + pad_, nameWidth, height - 2 * pad_), name, font_,
                        Qt::AlignLeft);
            p.setPen(kUnitText);
            p.setFont(small_);
            p.drawText(QRectF(numberWidth_, top + pad_, labelWidth_ - pad_, line(font_)),
                       Qt::AlignRight | Qt::AlignVCenter, unit);
            p.setPen(Qt::black);
            p.setFont(font_);
            for (int c = 0; c < 5; ++c) {
                p.drawText(QRectF(valueLeft(c), top + pad_, valueWidth_ - pad_, line(font_)), Qt::AlignRight,
                           Q(rows_.value(r, kValueFields[c])));
            }
            p.setPen(QPen(kRule, 0.1 * mm_));
            p.drawLine(QPointF(0, top + height), QPointF(width_, top + height));
        };
        return band;
    }

    Band clothingBand() const
    {
        const std::array<std::pair<const char*, const char*>, 4> lines{
            {{"T_Clo1", "W_Clo1"}, {"T_Clo2", "W_Clo2"}, {"T_Clo3", "W_Clo3"}, {"T_MET", "W_MET"}}};
        const double labelWidth = 70 * mm_;
        const double notesHeight = WrappedHeight(Q(texts_.value(0, "T_Clo_E")), small_, width_, device_) +
                                   WrappedHeight(Q(texts_.value(0, "T_MET_E")), small_, width_, device_);
        double height = 6 * mm_ + notesHeight + 2 * mm_;
        std::vector<double> heights;
        for (const auto& [label, value] : lines) {
            (void)value;
            heights.push_back(std::max(line(font_), WrappedHeight(Q(texts_.value(0, label)), font_, labelWidth, device_)) +
                              pad_);
            height += heights.back();
        }
        Band band;
        band.height = height;
        band.paint = [this, lines, labelWidth, heights](QPainter& p, double top) {
            double y = top + 6 * mm_;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                p.setPen(Qt::black);
                DrawWrapped(p, QRectF(0, y, labelWidth, heights[i]), Q(texts_.value(0, lines[i].first)), font_,
                            Qt::AlignLeft);
                p.setFont(bold_);
                p.drawText(QRectF(labelWidth, y, 30 * mm_, line(bold_)), Qt::AlignRight,
                           Q(texts_.value(0, lines[i].second)));
                y += heights[i];
            }
            y += 2 * mm_;
            p.setPen(kUnitText);
            for (const char* note : {"T_Clo_E", "T_MET_E"}) {
                const QString text = Q(texts_.value(0, note));
                const double h = WrappedHeight(text, small_, width_, device_);
                DrawWrapped(p, QRectF(0, y, width_, h), text, small_, Qt::AlignLeft);
                y += h;
            }
        };
        return band;
    }

    const Report& report_;
    QPaintDevice& device_;
    double width_;
    double height_;
    double mm_;
    const DataSet& texts_;
    const DataSet& rows_;
    bool color_;
    QFont font_, bold_, head_, small_;
    PageHeaderTexts header_;
    double numberWidth_ = 0, valueWidth_ = 0, labelWidth_ = 0, pad_ = 0;
};

} // namespace

PageComposer ComposeTypeReport(const Report& report, QPaintDevice& device, double width, double height,
                               const QDate& date)
{
    const auto layout = std::make_shared<TypeLayout>(report, device, width, height, date);
    PageComposer composer = layout->compose();
    composer.keep(layout);
    return composer;
}

} // namespace vamok
