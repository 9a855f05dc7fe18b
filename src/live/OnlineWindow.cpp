#include "live/OnlineWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "live/LivePmv.h"
#include "live/OnlineBars.h"
#include "live/OnlineCellLayout.h"
#include "live/OnlineZoom.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vamok {

namespace {

constexpr int kGridRows = kOnlineRowCount + 1;

// Hidden list "Lang": 0 the serial caption, 13/14 the headers, 15 the
// search text, 16 to 18 the ratings in words; the others are kept empty for
// the index order.
enum LangIndex {
    LangSerialCaption = 0,
    LangNameHeader = 13,
    LangValueHeader = 14,
    LangSearching = 15,
    LangRatedGreen = 16, // the spoken ratings of the bars
    LangRatedYellow = 17,
    LangRatedRed = 18,
};

QString FaceText(PollerFace face)
{
    switch (face) {
    case PollerFace::Connected:
        return QStringLiteral("\u263A");
    case PollerFace::Lost:
        return QStringLiteral("\u2639");
    case PollerFace::Neutral:
        break;
    }
    return QStringLiteral("\u25CB");
}

// Room for a name's text: the column less its grid line and the margins
// the style leaves on either side of a cell's text.
int NameRoom(const QTableWidget& grid)
{
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    return grid.columnWidth(0) - (grid.showGrid() ? 1 : 0) - 2 * margin;
}

// The text's width rounded up: the style elides a text whose fractional
// width exceeds the room by any part of a pixel.
int TextWidth(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// A quantity name: where it does not fit its column even narrowed, the
// full name is its tooltip (its accessible name is the full text anyway).
class NameItem : public QTableWidgetItem {
public:
    QVariant data(int role) const override
    {
        if (role == Qt::ToolTipRole && tableWidget() &&
            TextWidth(tableWidget()->font(), text()) > NameRoom(*tableWidget()))
            return text();
        return QTableWidgetItem::data(role);
    }
};

// A value of table row `row`: its accessible description says the band of
// its evaluation bar.
class ValueItem : public QTableWidgetItem {
public:
    ValueItem(int row, std::function<RatingWords()> words) : row_(row), words_(std::move(words)) {}

    QVariant data(int role) const override
    {
        if (role != Qt::AccessibleDescriptionRole)
            return QTableWidgetItem::data(role);
        const auto bar = OnlineBarFor(row_, ToCp1252(text()), FirstPcTypeOrNull(), App().DecimalSep);
        if (!bar)
            return QString();
        return FromCp1252(SpokenRating(BarRating(*bar), words_()));
    }

private:
    int row_;
    std::function<RatingWords()> words_;
};

// A value with an evaluation bar: the text in the upper half of the cell,
// the bar in the lower half. Other cells are drawn as usual.
class ValueDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = index.row();
        const QString text = index.data().toString();
        const auto bar = row >= 1 ? OnlineBarFor(row, ToCp1252(text), FirstPcTypeOrNull(), App().DecimalSep)
                                  : std::nullopt;
        if (!bar) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem background(option);
        initStyleOption(&background, index);
        background.text.clear();
        const QStyle* style = background.widget ? background.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, background.widget);

        const ValueCellLayout layout = LayOutValueCell(option.rect, *bar);
        painter->save();
        painter->setClipRect(layout.text);
        painter->setFont(background.font);
        painter->setPen(background.palette.color(QPalette::Text));
        // Bottom-aligned: only the room above the digits may be clipped.
        painter->drawText(layout.text, Qt::AlignLeft | Qt::AlignBottom, text);
        painter->restore();
        if (layout.bar.isEmpty())
            return;
        painter->save();
        painter->setBrush(option.palette.base());
        DrawThresholdBar(*painter, layout.bar, *bar);
        painter->restore();
    }
};

QTableWidget* MakeGrid(QWidget* parent, const char* name, const std::function<QTableWidgetItem*(int row)>& item)
{
    auto* grid = new QTableWidget(kGridRows, 1, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < kGridRows; ++r)
        grid->setItem(r, 0, item(r));
    return grid;
}

} // namespace

TOnline::TOnline(CommandChannel& channel, QWidget* parent) : QWidget(parent)
{
    poller_ = std::make_unique<PresencePoller>(channel, onTimer_, *this);
    notifier_ = std::make_unique<PresenceNotifier>(vamokThereTimer_, [this] { return poller_->Present(); });
    FormCreate();
}

TOnline::~TOnline() = default;

void TOnline::setLinks(OnlineWindowLinks links) { links_ = std::move(links); }

void TOnline::FormCreate()
{
    setObjectName(QStringLiteral("Online"));
    setWindowTitle(QStringLiteral("Online"));
    setToolTip(QStringLiteral("Zoom: <strg> + / <strg> -   (<ctrl> + / <ctrl> -)"));

    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->hide();
    for (int k = 0; k <= LangRatedRed; ++k)
        Lang->addItem(QString());
    Lang->item(LangSerialCaption)->setText(QStringLiteral("VAMOK Seriennummer"));
    Lang->item(LangNameHeader)->setText(QStringLiteral("Messbereich"));
    Lang->item(LangValueHeader)->setText(QStringLiteral("Messwert"));
    Lang->item(LangSearching)->setText(QStringLiteral("Suche..."));
    Lang->item(LangRatedGreen)->setText(QStringLiteral("Bewertung: gr\u00FCn"));
    Lang->item(LangRatedYellow)->setText(QStringLiteral("Bewertung: gelb"));
    Lang->item(LangRatedRed)->setText(QStringLiteral("Bewertung: rot"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    topPanel_ = new QWidget(this);
    topPanel_->setObjectName(QStringLiteral("Panel1"));
    auto* top = new QHBoxLayout(topPanel_);
    Label1 = new QLabel(QStringLiteral("VAMOK Version: "), topPanel_);
    Label1->setObjectName(QStringLiteral("Label1"));
    Version = new QLabel(topPanel_);
    Version->setObjectName(QStringLiteral("Version"));
    top->addWidget(Label1);
    top->addWidget(Version, 1);
    topPanel_->installEventFilter(this);
    installEventFilter(this);
    layout->addWidget(topPanel_);

    auto* grids = new QWidget(this);
    auto* gridRow = new QHBoxLayout(grids);
    gridRow->setContentsMargins(0, 0, 0, 0);
    gridRow->setSpacing(0);
    Table1 = MakeGrid(grids, "Table1", [](int) { return new NameItem; });
    table2 = MakeGrid(grids, "table2", [this](int row) -> QTableWidgetItem* {
        if (row == 0)
            return new QTableWidgetItem;
        return new ValueItem(row, [this] { return SpokenRatingWords(); });
    });
    table2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table2->setItemDelegate(new ValueDelegate(table2));
    Table1->installEventFilter(this);
    table2->installEventFilter(this);
    for (int r = 0; r < kOnlineRowCount; ++r)
        Table1->item(r + 1, 0)->setText(FromCp1252(kOnlineRowNames[static_cast<std::size_t>(r)]));
    gridRow->addWidget(Table1);
    gridRow->addWidget(table2);
    layout->addWidget(grids, 1);

    bottomPanel_ = new QWidget(this);
    bottomPanel_->setObjectName(QStringLiteral("Panel2"));
    auto* bottom = new QHBoxLayout(bottomPanel_);
    BitBtn1 = new QPushButton(QStringLiteral("Schlie\u00DFen"), bottomPanel_);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Fenster schlie\u00DFen"));
    auto* portCaption = new QLabel(QStringLiteral("Port:"), bottomPanel_);
    portCaption->setObjectName(QStringLiteral("Label2"));
    ComLabel = new QLabel(QStringLiteral("none"), bottomPanel_);
    ComLabel->setObjectName(QStringLiteral("ComLabel"));
    OnlineMode = new QLabel(FaceText(PollerFace::Neutral), bottomPanel_);
    OnlineMode->setObjectName(QStringLiteral("OnlineMode"));
    ZoomEdit = new QSpinBox(bottomPanel_);
    ZoomEdit->setObjectName(QStringLiteral("ZoomEdit"));
    ZoomEdit->setRange(10, 400);
    ZoomEdit->setValue(100);
    ZoomEdit->hide();
    ZoomButton = new QPushButton(QStringLiteral("Zoom"), bottomPanel_);
    ZoomButton->setObjectName(QStringLiteral("ZoomButton"));
    ZoomButton->hide();
    bottom->addWidget(BitBtn1);
    bottom->addWidget(portCaption);
    bottom->addWidget(ComLabel);
    bottom->addStretch(1);
    bottom->addWidget(OnlineMode);
    bottomPanel_->installEventFilter(this);
    layout->addWidget(bottomPanel_);

    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    // The translation engine changes the names in place.
    connect(Table1, &QTableWidget::itemChanged, this, [this] { FitNames(); });
    connect(ZoomButton, &QPushButton::clicked, this, [this] { ZoomBy(ZoomEdit->value()); });

    ApplyTexts();
    ViewChanged();
    ApplyZoom(kOnlineInitialZoom);
}

std::string TOnline::LangText(int index) const { return ToCp1252(Lang->item(index)->text()); }

RatingWords TOnline::SpokenRatingWords() const
{
    return {{LangText(LangRatedGreen), LangText(LangRatedYellow), LangText(LangRatedRed)}, {}};
}

void TOnline::FitNames()
{
    // The names keep the font height of the row height and are set
    // narrower, down to a limit, until the longest fits.
    QFont font = Table1->font();
    const auto widestAt = [&](int stretch) {
        QFont narrowed = font;
        narrowed.setStretch(stretch);
        int widest = 0;
        for (int r = 0; r < kGridRows; ++r)
            widest = std::max(widest, TextWidth(narrowed, Table1->item(r, 0)->text()));
        return widest;
    };
    font.setStretch(FittingStretch(NameRoom(*Table1), widestAt).value_or(kMinNameStretch));
    Table1->setFont(font);
}

void TOnline::ApplyTexts()
{
    poller_->SetTexts({LangText(LangSerialCaption), LangText(LangSearching)});
    Table1->item(0, 0)->setText(Lang->item(LangNameHeader)->text());
    table2->item(0, 0)->setText(Lang->item(LangValueHeader)->text());
}

void TOnline::changeEvent(QEvent* event)
{
    // The translation engine changes the list items; the texts in use follow.
    if (event->type() == QEvent::LanguageChange) {
        ApplyTexts();
        ViewChanged();
    }
    QWidget::changeEvent(event);
}

void TOnline::StartPolling()
{
    poller_->Start();
    notifier_->Start();
}

void TOnline::StopPolling()
{
    poller_->Stop();
    notifier_->Stop();
}

std::string TOnline::VersionLabelText() const { return ToCp1252(Version->text()); }

std::string TOnline::PortLabelText() const { return ToCp1252(ComLabel->text()); }

void TOnline::SerialPanelChanged(const std::string& text)
{
    if (links_.setSerialPanel)
        links_.setSerialPanel(text);
}

void TOnline::NewInstrument()
{
    if (links_.startTypeRead)
        links_.startTypeRead();
}

void TOnline::DiagnosticLine(int line, const std::string& text)
{
    if (links_.diagnosticLine)
        links_.diagnosticLine(line, text);
}

void TOnline::LiveValues(const TVamokAPDatenStrg& record)
{
    if (links_.liveValues)
        links_.liveValues(record);
}

bool TOnline::TypeTransferRunning() const { return links_.typeTransferRunning && links_.typeTransferRunning(); }

void TOnline::ViewChanged()
{
    const PollerView& view = poller_->View();
    ComLabel->setText(FromCp1252(view.PortLabel));
    Version->setText(FromCp1252(view.VersionText));
    Label1->setVisible(!view.VersionCaptionHidden);
    OnlineMode->setText(FaceText(view.Face));
    for (int r = 0; r < kOnlineRowCount; ++r)
        table2->item(r + 1, 0)->setText(FromCp1252(view.Rows[static_cast<std::size_t>(r)]));
}

bool TOnline::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && ZoomKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == topPanel_ && links_.showLiveDisplay)
            links_.showLiveDisplay();
        else if (watched == bottomPanel_ && links_.showPaintTest)
            links_.showPaintTest();
    }
    return QWidget::eventFilter(watched, event);
}

bool TOnline::ZoomKey(const QKeyEvent* event)
{
    // Ctrl with plus or minus, on the main keyboard or the numeric pad.
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    if (event->key() == Qt::Key_Plus)
        ZoomBy(kOnlineZoomIn);
    else if (event->key() == Qt::Key_Minus)
        ZoomBy(kOnlineZoomOut);
    else
        return false;
    return true;
}

void TOnline::ZoomBy(int percent) { ApplyZoom(percent); }

void TOnline::ApplyZoom(int percent)
{
    zoom_ = ZoomScaled(zoom_, percent);
    baseColumn0_ = ZoomScaled(baseColumn0_, percent);
    baseColumn1_ = ZoomScaled(baseColumn1_, percent);
    baseRowHeight_ = std::max(4, ZoomScaled(baseRowHeight_, percent));
    QFont font = table2->font();
    font.setPixelSize(std::max(1, ZoomFontPixels(baseRowHeight_)));
    QFont nameFont = Table1->font();
    nameFont.setPixelSize(font.pixelSize());
    table2->setFont(font);
    Table1->setFont(nameFont);
    for (QTableWidget* grid : {Table1, table2}) {
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(baseRowHeight_);
        grid->setFixedHeight((baseRowHeight_ + 2) * kGridRows + 3);
    }
    Table1->setColumnWidth(0, baseColumn0_);
    Table1->setFixedWidth(baseColumn0_ + 4);
    table2->setColumnWidth(0, baseColumn1_);
    table2->setFixedWidth(baseColumn1_ + 4);
    FitNames();
    adjustSize();
}

} // namespace vamok
