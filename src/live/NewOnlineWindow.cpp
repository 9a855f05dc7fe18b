#include "live/NewOnlineWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "live/NewOnlineSettingsDialog.h"
#include "live/PresenceNotifier.h"
#include "live/TickerSettings.h"
#include "live/TickerWidget.h"
#include "live/TilePictures.h"
#include "types/TypeLibrary.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace vamok {

namespace {

constexpr int kTopPanelHeight = 113;
constexpr int kLogoWidth = 257;
constexpr int kStripHeight = 21;
constexpr int kLineHeight = 48;
constexpr int kBottomPanelHeight = 48;
constexpr int kMinPaintWidth = 657;
constexpr const char* kValueColumnSample = "9999,9 ";

QFont BoldArial(int pixels)
{
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

void MakeBlack(QWidget* w)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

TdpTicker* NewLine(QWidget* parent, const char* name)
{
    auto* line = new TdpTicker(parent);
    line->setObjectName(name);
    line->setFont(BoldArial(32));
    MakeBlack(line);
    line->setFixedHeight(kLineHeight);
    return line;
}

QAction* NewCheckItem(QMenu* menu, const char* name, const char* caption, bool checked)
{
    QAction* item = menu->addAction(FromCp1252(caption));
    item->setObjectName(name);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

} // namespace

TNewOnline::TNewOnline(TwNewOnlineSettings* settings, QWidget* parent) : QWidget(parent), settings_(settings)
{
    setObjectName("TNewOnline");
    setWindowTitle("NewOnline");
    MakeBlack(this);

    TopPanel = new QWidget(this);
    TopPanel->setObjectName("TopPanel");
    TopPanel->setFixedHeight(kTopPanelHeight);
    MakeBlack(TopPanel);
    Logo = new QLabel(TopPanel);
    Logo->setObjectName("Logo");
    Logo->setFixedSize(kLogoWidth, kTopPanelHeight);
    Logo->setPixmap(QPixmap::fromImage(LogoPicture(kLogoWidth, kTopPanelHeight)));
    TopCenterPanel = new QWidget(TopPanel);
    TopCenterPanel->setObjectName("TopCenterPanel");
    MakeBlack(TopCenterPanel);
    LauftextOben = NewLine(TopCenterPanel, "LauftextOben");
    TypLabel = new QLabel("VAM", TopCenterPanel);
    TypLabel->setObjectName("TypLabel");
    TypLabel->setFont(BoldArial(32));
    TypLabel->setAlignment(Qt::AlignCenter);
    MakeBlack(TypLabel);
    auto* centre = new QVBoxLayout(TopCenterPanel);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->setSpacing(0);
    centre->addSpacing(kStripHeight);
    centre->addWidget(LauftextOben);
    centre->addWidget(TypLabel, 1);
    auto* top = new QHBoxLayout(TopPanel);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(Logo);
    top->addWidget(TopCenterPanel, 1);

    PaintBox1 = new QWidget(this);
    PaintBox1->setObjectName("PaintBox1");
    PaintBox1->setMinimumWidth(kMinPaintWidth);
    PaintBox1->setFont(BoldArial(20));
    PaintBox1->installEventFilter(this);
    PaintBox1->setAttribute(Qt::WA_OpaquePaintEvent);

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName("BottomPanel");
    BottomPanel->setFixedHeight(kBottomPanelHeight);
    MakeBlack(BottomPanel);
    LauftextUnten = NewLine(BottomPanel, "LauftextUnten");
    auto* bottom = new QVBoxLayout(BottomPanel);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(LauftextUnten);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(TopPanel);
    page->addWidget(PaintBox1, 1);
    page->addWidget(BottomPanel);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Einstellungen1 = PopupMenu1->addAction("Einstellungen");
    Einstellungen1->setObjectName("Einstellungen1");
    LaufschriftOben1 = NewCheckItem(PopupMenu1, "LaufschriftOben1", "Laufschrift oben aktiviert", true);
    LaufschriftUnten1 = NewCheckItem(PopupMenu1, "LaufschriftUnten1", "Laufschrift unten aktiviert", true);
    Bewertungsflaeche1 = NewCheckItem(PopupMenu1, "Bewertungsflaeche1", "Bewertungsfl\xE4" "che aktiviert", true);
    AlleBewertungen1 = NewCheckItem(PopupMenu1, "AlleBewertungen1", "Immer alle Bewertungen zeigen", false);
    connect(Einstellungen1, &QAction::triggered, this, [this] {
        if (settings_)
            settings_->exec();
        ApplySettings();
    });
    connect(LaufschriftOben1, &QAction::toggled, this, [this](bool on) { setLineRuns(LauftextOben, on, true); });
    connect(LaufschriftUnten1, &QAction::toggled, this, [this](bool on) { setLineRuns(LauftextUnten, on, false); });
    connect(Bewertungsflaeche1, &QAction::toggled, this, [this](bool on) { PaintBox1->setEnabled(on); });
    connect(AlleBewertungen1, &QAction::toggled, this, [this](bool on) {
        if (on)
            paintTiles();
    });

    Lang = new QListWidget(this);
    Lang->setObjectName("Lang");
    for (const char* phrase : {"Bewertung: gr\xFCn", "Bewertung: gelb", "Bewertung: rot"})
        Lang->addItem(FromCp1252(phrase));
    Lang->hide();

    marker_ = MarkerPicture(64);
    for (auto& field : record_.Fields)
        field.clear();
    resize(1280, 720);
    setWindowState(Qt::WindowMaximized);
    RegisterPresenceWindow(this);
}

TNewOnline::~TNewOnline()
{
    UnregisterPresenceWindow(this);
}

TileGeometry TNewOnline::Geometry() const
{
    return ComputeTileGeometry(PaintBox1->height(), PaintBox1->width(), kLogoWidth);
}

const TAPDef* TNewOnline::currentType() const
{
    const TAPListe& types = PCTypes();
    if (typeIndex_ >= 1 && static_cast<std::size_t>(typeIndex_) < types.size())
        return &types[static_cast<std::size_t>(typeIndex_)];
    return nullptr;
}

void TNewOnline::LiveValues(const TVamokAPDatenStrg& record)
{
    record_ = record;
    paintTiles();
}

bool TNewOnline::event(QEvent* event)
{
    // A lost instrument shows as missing values, never as its last ones.
    if (event->type() == DeviceAbsentNotification) {
        TVamokAPDatenStrg missing;
        for (const TileSpec& tile : NewOnlineTiles())
            missing[tile.Field] = kNotAvailable;
        LiveValues(missing);
        return true;
    }
    if (event->type() == DevicePresentNotification)
        return true;
    return QWidget::event(event);
}

void TNewOnline::ApplySettings()
{
    changes_.Reset();
    // What the settings window stored (it holds the same once it closed).
    const TickerSettings s = LoadTickerSettings();
    LauftextOben->setCaption(FromCp1252(s.upperText + "   "));
    LauftextUnten->setCaption(FromCp1252(s.lowerText));
    LauftextOben->setSpeed(s.upperSpeedMs);
    LauftextUnten->setSpeed(s.lowerSpeedMs);
    clearCanvas();
    if (PCTypes().size() > 1 && currentType())
        TypLabel->setText(FromCp1252(currentType()->Name));
    if (AlleBewertungen1->isChecked())
        paintTiles();
}

void TNewOnline::clearCanvas()
{
    if (canvas_.size() != PaintBox1->size())
        canvas_ = QPixmap(PaintBox1->size());
    canvas_.fill(Qt::black);
    PaintBox1->update();
}

const QImage& TNewOnline::picture(const std::string& name, int size)
{
    if (size != pictureSize_) {
        pictures_.clear();
        pictureSize_ = size;
    }
    auto it = pictures_.find(name);
    if (it == pictures_.end())
        it = pictures_.emplace(name, TilePicture(name, size)).first;
    return it->second;
}

void TNewOnline::paintTiles()
{
    if (!PaintBox1->isEnabled())
        return;
    if (canvas_.size() != PaintBox1->size() || canvas_.isNull())
        clearCanvas();
    const TileGeometry g = Geometry();
    QPainter p(&canvas_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(BoldArial(g.FontSize));
    p.setBrush(Qt::black);
    const bool all = AlleBewertungen1->isChecked();
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const std::string text = TileValueText(record_[NewOnlineTiles()[static_cast<std::size_t>(tile - 1)].Field]);
        if (changes_.Take(tile, text) || all)
            paintTile(p, g, tile, text);
    }
    PaintBox1->update();
    describeTiles();
}

void TNewOnline::describeTiles()
{
    RatingWords words;
    for (std::size_t k = 0; k < words.phrases.size(); ++k)
        words.phrases[k] = ToCp1252(Lang->item(static_cast<int>(k))->text());
    std::string description;
    for (const TileSpec& tile : NewOnlineTiles()) {
        if (!description.empty())
            description += '\n';
        description += TileDescription(tile, TileValueText(record_[tile.Field]), currentType(), App().DecimalSep, words);
    }
    PaintBox1->setAccessibleDescription(FromCp1252(description));
}

void TNewOnline::paintTile(QPainter& p, const TileGeometry& g, int tile, const std::string& text)
{
    const TileSpec& spec = NewOnlineTiles()[static_cast<std::size_t>(tile - 1)];
    const QRect bar = g.Bar(tile);
    // The whole row right of the logo: a value that became missing leaves
    // no bar of the one before.
    const QRect row = g.Row(tile).adjusted(g.LogoWidth, 0, 0, 0);
    p.fillRect(row, Qt::black);
    p.drawImage(g.Picture(tile), picture(spec.Picture, g.PictureSize));
    if (std::optional<ThresholdBar> b = TileBar(spec, text, currentType(), App().DecimalSep, stripOn_)) {
        b->picture = &marker_;
        DrawThresholdBar(p, bar, *b);
    }
    const QFontMetrics metrics(p.font());
    const int sampleWidth = metrics.horizontalAdvance(kValueColumnSample);
    const int end = bar.right() + sampleWidth;
    const QString value = FromCp1252(text + " ");
    // Twelve rounded rows can overshoot the area by a few pixels; the last
    // value still stands inside it.
    const int top = std::min(bar.bottom(), PaintBox1->height() - 1) - metrics.height();
    p.setPen(Qt::white);
    p.drawText(QRect(end - metrics.horizontalAdvance(value), top, metrics.horizontalAdvance(value), metrics.height()),
               Qt::AlignLeft | Qt::AlignVCenter, value);
    p.drawText(QRect(end, top, std::max(g.Width - end, 0), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
               FromCp1252(spec.Unit));
}

bool TNewOnline::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PaintBox1) {
        if (event->type() == QEvent::Paint) {
            QPainter p(PaintBox1);
            p.fillRect(PaintBox1->rect(), Qt::black);
            p.drawPixmap(0, 0, canvas_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            stripOn_ = !stripOn_;
            ApplySettings();
            paintTiles();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TNewOnline::keyPressEvent(QKeyEvent* event)
{
    const int last = static_cast<int>(PCTypes().size()) - 1;
    switch (event->key()) {
    case Qt::Key_Escape:
        showNormal();
        break;
    case Qt::Key_Right:
        typeIndex_ = typeIndex_ >= last ? 1 : typeIndex_ + 1;
        break;
    case Qt::Key_Left:
        typeIndex_ = typeIndex_ <= 1 ? std::max(last, 1) : typeIndex_ - 1;
        break;
    default:
        break;
    }
    ApplySettings();
    paintTiles();
}

void TNewOnline::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    ApplySettings();
    paintTiles();
}

void TNewOnline::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplySettings();
    paintTiles();
}

void TNewOnline::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // No border while maximised, a sizeable one otherwise.
    const bool frameless = isMaximized();
    if (frameless != windowFlags().testFlag(Qt::FramelessWindowHint) && isVisible())
        QTimer::singleShot(0, this, [this, frameless] {
            setWindowFlag(Qt::FramelessWindowHint, frameless);
            show();
        });
}

void TNewOnline::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const std::optional<bool> runs = LoadTickerRuns(true))
        LaufschriftOben1->setChecked(*runs);
    if (const std::optional<bool> runs = LoadTickerRuns(false))
        LaufschriftUnten1->setChecked(*runs);
    ApplySettings();
    paintTiles();
}

void TNewOnline::contextMenuEvent(QContextMenuEvent* event)
{
    LaufschriftOben1->setChecked(!LauftextOben->halted());
    LaufschriftUnten1->setChecked(!LauftextUnten->halted());
    PopupMenu1->popup(event->globalPos());
}

void TNewOnline::setLineRuns(TdpTicker* line, bool runs, bool upper)
{
    line->setTag(runs ? 0 : 1);
    StoreTickerRuns(upper, runs);
}

} // namespace vamok
