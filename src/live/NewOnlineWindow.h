#pragma once
// TNewOnline ("NewOnline"): the live values full-screen for a large screen.
// A black page with the logo, the name of the workplace type that rates
// them, twelve tiles (picture, evaluation bar, value and unit) repainted
// when their value changes, and a scrolling line above and below.
#include "live/LiveRecord.h"
#include "live/NewOnlineTiles.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <map>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace vamok {

class TdpTicker;
class TwNewOnlineSettings;
struct TAPDef;

class TNewOnline : public QWidget {
    Q_OBJECT
public:
    // settings: the ticker settings window ("Einstellungen"); may be null.
    explicit TNewOnline(TwNewOnlineSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TNewOnline() override;

    // Every filled live record from the presence poller.
    void LiveValues(const TVamokAPDatenStrg& record);
    // Rule 3: settings taken up, every tile repainted at the next update.
    void ApplySettings();
    // The type index into PCTypes (1 = the first real type).
    int TypeIndex() const { return typeIndex_; }
    // The tiles as last painted (for a look without a screen).
    const QPixmap& Canvas() const { return canvas_; }
    TileGeometry Geometry() const;

    QWidget* TopPanel = nullptr;
    QLabel* Logo = nullptr;
    QWidget* TopCenterPanel = nullptr;
    TdpTicker* LauftextOben = nullptr;
    QLabel* TypLabel = nullptr;
    QWidget* PaintBox1 = nullptr;
    QWidget* BottomPanel = nullptr;
    TdpTicker* LauftextUnten = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Einstellungen1 = nullptr;
    QAction* LaufschriftOben1 = nullptr;
    QAction* LaufschriftUnten1 = nullptr;
    QAction* Bewertungsflaeche1 = nullptr;
    QAction* AlleBewertungen1 = nullptr;
    QListWidget* Lang = nullptr; // the spoken ratings of the bars

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintTiles();
    void paintTile(QPainter& p, const TileGeometry& g, int tile, const std::string& text);
    void clearCanvas();
    void describeTiles();
    const TAPDef* currentType() const;
    const QImage& picture(const std::string& name, int size);
    void setLineRuns(TdpTicker* line, bool runs, bool upper);

    TwNewOnlineSettings* settings_;
    TVamokAPDatenStrg record_;
    TileChanges changes_;
    int typeIndex_ = 1;
    bool stripOn_ = false;
    QPixmap canvas_;
    QImage marker_;
    std::map<std::string, QImage> pictures_; // at pictureSize_
    int pictureSize_ = 0;
};

} // namespace vamok
