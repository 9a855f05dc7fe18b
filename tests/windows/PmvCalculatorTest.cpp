#include "core/AppState.h"
#include "comfort/PmvCalculatorWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vamok;

namespace {

class PmvCalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { App() = AppState{}; }

    QLineEdit* edit(const char* name) { return window.findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }

    void type(const char* name, const QString& text)
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }

    // Clicks `name` and closes the message box it may open; returns its
    // caption and text. The timer dies with the call, so it cannot reach a
    // later test's box.
    QString clickAndCloseMessage(const char* name)
    {
        QString seen;
        QTimer closer;
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + "|" + box->text();
                box->accept();
            }
        });
        closer.start(0);
        QTest::mouseClick(button(name), Qt::LeftButton);
        return seen;
    }

    TwVAMOK_PMV window;
};

TEST_F(PmvCalculatorWindowTest, ControlsCarryTheirNames)
{
    EXPECT_EQ(window.objectName(), "TwVAMOK_PMV");
    EXPECT_EQ(window.windowTitle(), "VAMOK PMV-Rechner");
    for (const char* name : {"TLEdit", "RFEdit", "VEdit", "GTEdit", "MSEdit", "CloEdit", "METEdit", "PMVEdit",
                             "PPDEdit", "MSberEdit", "PMVEdit_2", "PPDEdit_2", "MSberEdit_2"})
        EXPECT_NE(edit(name), nullptr) << name;
    EXPECT_EQ(edit("CloEdit")->text(), "0,90");
    EXPECT_EQ(edit("METEdit")->text(), "1,30");
    EXPECT_FALSE(edit("MSEdit")->isEnabled());
    auto* lang = window.findChild<QListWidget*>("Lang");
    ASSERT_NE(lang, nullptr);
    ASSERT_EQ(lang->count(), 6);
    EXPECT_EQ(lang->item(5)->text(), QString::fromUtf8("Das gültige Dezimaltrennzeichen ist das Komma."));
}

TEST_F(PmvCalculatorWindowTest, ComputesTheIsoExampleFromTypedValues)
{
    window.show();
    type("TLEdit", "22,0");
    type("RFEdit", "60");
    type("VEdit", "0,10");
    QTest::mouseClick(window.findChild<QRadioButton*>("EingabeMSTemp"), Qt::LeftButton);
    EXPECT_TRUE(edit("MSEdit")->isEnabled());
    EXPECT_FALSE(edit("GTEdit")->isEnabled());
    type("MSEdit", "22,0");
    type("CloEdit", "0,50");
    type("METEdit", "1,20");
    EXPECT_EQ(clickAndCloseMessage("Calculate"), "");
    EXPECT_EQ(edit("PMVEdit")->text(), "-0,75");
    EXPECT_EQ(edit("PPDEdit")->text(), "16,8%");
}

TEST_F(PmvCalculatorWindowTest, PointNumberTurnsRedAndIsReported)
{
    window.show();
    const QColor normal = edit("TLEdit")->palette().color(QPalette::Base);
    type("TLEdit", "22.0");
    type("RFEdit", "60");
    type("VEdit", "0,10");
    type("GTEdit", "22,0");
    const QString message = clickAndCloseMessage("Calculate");
    EXPECT_TRUE(message.startsWith("ACHTUNG|"));
    EXPECT_TRUE(message.contains(QString::fromUtf8("Bitte tragen Sie für jeden Parameter")));
    EXPECT_EQ(edit("TLEdit")->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(edit("RFEdit")->palette().color(QPalette::Base), normal);
    EXPECT_EQ(edit("PMVEdit")->text(), "N/A");
    EXPECT_EQ(edit("PPDEdit")->text(), "N/A");

    type("TLEdit", "22,0");
    EXPECT_EQ(clickAndCloseMessage("Calculate"), "");
    EXPECT_EQ(edit("TLEdit")->palette().color(QPalette::Base), normal);
    EXPECT_FALSE(edit("MSberEdit")->text().isEmpty());
}

TEST_F(PmvCalculatorWindowTest, PresetButtonsAndTypedPmv)
{
    const struct {
        const char* button;
        const char* edit;
        const char* text;
    } presets[] = {{"DefaultSommer", "CloEdit", "0,60"}, {"DefaultWinter", "CloEdit", "1,20"},
                   {"DefaultMittel", "CloEdit", "0,90"}, {"Button2", "METEdit", "1,30"}};
    window.show();
    type("METEdit", "2");
    type("CloEdit", "2");
    for (const auto& p : presets) {
        QTest::mouseClick(button(p.button), Qt::LeftButton);
        EXPECT_EQ(edit(p.edit)->text(), p.text) << p.button;
    }
    type("PMVEdit", "0");
    EXPECT_EQ(edit("PPDEdit")->text(), "5,0%");
}

TEST_F(PmvCalculatorWindowTest, DeveloperModeShowsTheStandardGlobeColumn)
{
    window.show();
    QApplication::processEvents();
    const int narrow = window.width();
    EXPECT_FALSE(edit("PMVEdit_2")->isVisible());
    window.ShowSecondColumn();
    QApplication::processEvents();
    EXPECT_TRUE(edit("PMVEdit_2")->isVisible());
    EXPECT_GT(window.width(), narrow);

    App().DeveloperMode = true;
    type("TLEdit", "22,0");
    type("RFEdit", "50");
    type("VEdit", "0,30");
    type("GTEdit", "26,0");
    EXPECT_EQ(clickAndCloseMessage("Calculate"), "");
    EXPECT_FALSE(edit("PMVEdit_2")->text().isEmpty());
    EXPECT_NE(edit("MSberEdit_2")->text(), edit("MSberEdit")->text());
}

} // namespace
