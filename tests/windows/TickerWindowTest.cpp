// The scrolling-line control on a step timer the test drives, and the
// settings window of the two lines.
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "live/NewOnlineSettingsDialog.h"
#include "live/PollerFakes.h"
#include "live/TickerWidget.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct DrivenTicker {
    DrivenTicker()
    {
        auto t = std::make_unique<ManualTimer>();
        timer = t.get();
        ticker = std::make_unique<TdpTicker>(nullptr, std::move(t));
        QFont font("Arial");
        font.setBold(true);
        font.setPixelSize(32);
        ticker->setFont(font);
        ticker->resize(600, 48);
        ticker->setCaption("VAMOK rix: DAS Multimessger\xC3\xA4t zur komfortablen Arbeitsplatz-Analyse");
    }
    void Steps(int n)
    {
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(timer->fire());
    }
    ManualTimer* timer = nullptr;
    std::unique_ptr<TdpTicker> ticker;
};

TEST(TdpTicker, FifteenMillisecondsPerStepIsAbout67PixelsASecond)
{
    DrivenTicker t;
    t.ticker->setSpeed(15);
    EXPECT_EQ(t.timer->interval(), 15);
    EXPECT_TRUE(t.timer->isActive());
    // One second of a 15 ms timer.
    t.Steps(1000 / 15);
    EXPECT_EQ(t.ticker->motion().first(), -66);
    EXPECT_GT(t.ticker->motion().textWidth(), 600) << "the text is wider than the control";
}

TEST(TdpTicker, HaltedTextStandsStillAndResumesWhereItStopped)
{
    DrivenTicker t;
    t.Steps(10);
    t.ticker->setTag(1);
    t.Steps(50);
    EXPECT_EQ(t.ticker->motion().first(), -10);
    t.ticker->setTag(0);
    t.Steps(5);
    EXPECT_EQ(t.ticker->motion().first(), -15);
    t.ticker->setCaption("Neu");
    EXPECT_EQ(t.ticker->motion().first(), 0);
    t.ticker->setEnabled(false);
    EXPECT_FALSE(t.timer->isActive());
}

TEST(TdpTicker, TheTextMovesOnScreen)
{
    DrivenTicker t;
    QPalette palette = t.ticker->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    t.ticker->setPalette(palette);
    t.ticker->setAutoFillBackground(true);
    const auto litColumns = [&t] {
        const QImage image = t.ticker->grab().toImage();
        std::vector<int> lit;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) > 128) {
                    lit.push_back(x);
                    break;
                }
        return lit;
    };
    const std::vector<int> before = litColumns();
    ASSERT_FALSE(before.empty());
    const int start = t.ticker->motion().first();
    t.Steps(7);
    ASSERT_EQ(t.ticker->motion().first(), start - 7);
    const std::vector<int> after = litColumns();
    EXPECT_EQ(t.ticker->motion().first(), start - 7) << "painting does not move the text";
    ASSERT_FALSE(after.empty());
    EXPECT_NE(before, after);
}

class NewOnlineSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetSettingsStore(std::make_unique<MemorySettingsStore>()); }
    void TearDown() override { SetSettingsStore(std::make_unique<MemorySettingsStore>()); }
};

TEST_F(NewOnlineSettingsTest, SpeichernStoresAndAbbrechenBringsBackTheStoredValues)
{
    TwNewOnlineSettings window;
    EXPECT_EQ(window.TickSpeedOben->value(), 15);
    EXPECT_EQ(window.LauftextObenEdit->text().toStdString(),
              "Ingenieurb\xC3\xBCro QAL: Innovation, Kreativit\xC3\xA4t, Flexibilit\xC3\xA4t");
    window.LauftextObenEdit->setText("Messe 2026");
    window.TickSpeedUnten->setValue(40);
    window.SpeichernBtn->click();
    EXPECT_EQ(Settings().readText("", "NOLauftextOben"), "Messe 2026");
    EXPECT_EQ(Settings().readInt("", "NOTickSpeedUnten"), 40);

    window.LauftextObenEdit->setText("verworfen");
    window.TickSpeedOben->setValue(99);
    window.AbbruchBtn->click();
    EXPECT_EQ(window.LauftextObenEdit->text(), "Messe 2026");
    EXPECT_EQ(window.TickSpeedOben->value(), 15);
    EXPECT_EQ(window.fields(), LoadTickerSettings());
}

} // namespace
