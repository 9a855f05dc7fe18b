// The type editor on the offscreen platform: dragging a border of the bar
// moves the thresholds, typed thresholds keep their order, and "Ok" stores
// only what changed, after asking.
#include "core/Cp1252.h"
#include "types/TAPDef.h"
#include "types/ThresholdBarWidget.h"
#include "types/TypeDefaults.h"
#include "types/TypeEditorDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

TAPDef TemperatureType()
{
    TAPDef type = DefaultType();
    type.SetName("AB");
    const int g[5] = {20, 21, 22, 26, 22};
    for (int column = 1; column <= 5; ++column)
        type.at(column, TypeRow::Temperature) = g[column - 1];
    return type;
}

// Answers the next message box with `button` and keeps its text.
struct BoxAnswer {
    explicit BoxAnswer(QMessageBox::StandardButton button)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + "|" + box->text();
                box->button(button)->click();
            }
        });
        timer.start();
    }
    QTimer timer;
    QString seen;
};

Thresholds Shown(const TBalken2& editor)
{
    return editor.EditedThresholds();
}

} // namespace

TEST(TypeEditorDialog, DraggingABorderChangesTheEditsAndTheBar)
{
    TAPDef type = TemperatureType();
    TBalken2 editor;
    editor.Prepare(type, TypeRow::Temperature, false);
    editor.show();
    EXPECT_TRUE(editor.Ber.at(TypeRow::Temperature)->isChecked());
    EXPECT_EQ(editor.B2->Widths(), (SectionWidths{276, 14, 14, 55, 261}));

    const int y = editor.B2->height() / 2;
    const int from = editor.B2->BorderX(1);
    QTest::mousePress(editor.B2, Qt::LeftButton, {}, QPoint(from, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(from + 28, y), editor.B2->mapToGlobal(QPointF(from + 28, y)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.B2, &move);
    // The edits follow while the border is still held.
    EXPECT_EQ(editor.G[1]->value(), 23);
    QTest::mouseRelease(editor.B2, Qt::LeftButton, {}, QPoint(from + 28, y));

    EXPECT_EQ(Shown(editor), (Thresholds{20, 23, 24, 28}));
    EXPECT_EQ(editor.B2->Widths()[1], 42);
    EXPECT_TRUE(editor.B2->accessibleDescription().contains(QStringLiteral("gr\u00fcn ab 23")));
    EXPECT_EQ(type.at(2, TypeRow::Temperature), 21) << "nothing is stored before Ok";
}

TEST(TypeEditorDialog, TypedThresholdsKeepTheirOrderAndAreClamped)
{
    TAPDef type = TemperatureType();
    TBalken2 editor;
    editor.Prepare(type, TypeRow::Temperature, false);
    editor.G[1]->setValue(30);
    Q_EMIT editor.G[1]->editingFinished();
    EXPECT_EQ(Shown(editor), (Thresholds{20, 30, 31, 31}));
    editor.G[3]->setValue(50);
    Q_EMIT editor.G[3]->editingFinished();
    EXPECT_EQ(editor.G[3]->value(), 45);
}

TEST(TypeEditorDialog, AirVelocityKeepsTheLowSectionsEmptyAndPmvShowsHundredths)
{
    TAPDef type = DefaultType();
    TBalken2 editor;
    editor.Prepare(type, TypeRow::AirVelocity, true);
    EXPECT_FALSE(editor.G[0]->isEnabled());
    EXPECT_FALSE(editor.G[1]->isEnabled());
    EXPECT_EQ(editor.B2->Widths()[0], 0);
    EXPECT_EQ(editor.B2->Widths()[1], 0);
    EXPECT_TRUE(editor.Bereich1->text().contains(QStringLiteral("/cm/s")));

    type.at(1, TypeRow::PMV) = -70;
    editor.PrepareRow(TypeRow::PMV);
    EXPECT_EQ(editor.G[0]->value(), -70);
    EXPECT_EQ(editor.B2->Widths()[0], 256);
    EXPECT_TRUE(editor.Label2->text().contains(QStringLiteral("/100")));

    // The reduced view does not offer the PMV row.
    editor.Prepare(type, TypeRow::PMV, false);
    EXPECT_TRUE(editor.Ber.at(TypeRow::PMV)->isHidden());
    EXPECT_EQ(editor.Row(), TypeRow::AirVelocity);
}

TEST(TypeEditorDialog, OkStoresChangesAfterAskingAndNothingElse)
{
    for (const bool agree : {true, false}) {
        TAPDef type = TemperatureType();
        const TAPDef before = type;
        int stored = 0;
        TBalken2 editor;
        editor.onStored = [&stored] { ++stored; };
        editor.Prepare(type, TypeRow::Temperature, false);
        editor.Anzeige->setValue(23);
        BoxAnswer answer(agree ? QMessageBox::Ok : QMessageBox::Cancel);
        QTimer::singleShot(0, &editor, [&editor] { editor.BitBtn1->click(); });
        editor.exec();
        EXPECT_EQ(answer.seen, FromCp1252("Hinweis|Arbeitsplatztyp \"AB  \" wurde ver\xE4ndert.\r\n"
                                          "\xC4nderungen speichern?"));
        EXPECT_EQ(type.at(TypeColumn::Target, TypeRow::Temperature), agree ? 23 : 22);
        EXPECT_EQ(stored, agree ? 1 : 0);
        if (!agree) {
            EXPECT_EQ(type, before);
        }
    }

    TAPDef type = TemperatureType();
    int stored = 0;
    TBalken2 editor;
    editor.onStored = [&stored] { ++stored; };
    editor.Prepare(type, TypeRow::Temperature, false);
    BoxAnswer answer(QMessageBox::Ok);
    QTimer::singleShot(0, &editor, [&editor] { editor.BitBtn1->click(); });
    editor.exec();
    EXPECT_TRUE(answer.seen.isEmpty());
    EXPECT_EQ(stored, 0);
}

TEST(TypeEditorDialog, ChoosingAnotherRowStoresTheEditedOneFirst)
{
    TAPDef type = TemperatureType();
    TBalken2 editor;
    editor.Prepare(type, TypeRow::Temperature, false);
    editor.G[0]->setValue(18);
    BoxAnswer answer(QMessageBox::Ok);
    editor.Ber.at(TypeRow::Humidity)->click();
    EXPECT_EQ(type.at(1, TypeRow::Temperature), 18);
    EXPECT_EQ(editor.Row(), TypeRow::Humidity);
    EXPECT_EQ(editor.G[0]->value(), type.at(1, TypeRow::Humidity));
}
