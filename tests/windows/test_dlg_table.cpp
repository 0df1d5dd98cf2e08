// SPDX-License-Identifier: GPL-3.0-or-later
// The truth-table and circuit-symbols dialogs driven with real mouse
// events offscreen: a click, a Shift+click and a popup value reach the cell
// under the pointer (what they do in each mode is the logic tests' part),
// and the symbols' own fuses follow clicks and survive hiding.
#include "AccessibleEvents.h"
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
#include "CTruthTableGrid.h"
#include "CDialogManager.h"
#include "CommandIds.h"
#include "CZYLDoc.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "SymbolsLogic.h"
#include "TruthTableLogic.h"

#include <QContextMenuEvent>
#include <QtTest>

namespace {

QPoint Centre(const ZRect& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The popup opens for the point where the right button went down.
void RightClick(QWidget& w, const QPoint& at)
{
    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.mapToGlobal(at));
    QApplication::sendEvent(&w, &event);
}

} // namespace

class TestDlgTable : public QObject
{
    Q_OBJECT

    CRecordingPlatform m_platform;
    IPlatform* m_previous = nullptr;

private slots:
    void init()
    {
        m_platform = CRecordingPlatform();
        // The offscreen platform's screen, so the dialogs are placed on it.
        m_platform.screen = ZSize{800, 600};
        m_previous = SetPlatform(&m_platform);
    }
    void cleanup() { SetPlatform(m_previous); }

    void promClickShiftClickAndPopup()
    {
        CZYLDoc doc;
        const PromArray& prom = doc.Device().prom;
        CTruthTableDlg dlg(doc);
        dlg.show();
        const QPoint cell = Centre(TableClickRect(1, 6));

        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(prom.Entry(1, 6), '0');
        QCOMPARE(prom.Fuse(1, 6), false);

        // Shift alone makes a don't care; with Control it is a plain click.
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::ShiftModifier, cell);
        QCOMPARE(prom.Entry(1, 6), 'X');
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, Centre(TableClickRect(2, 0)));
        QCOMPARE(prom.Entry(2, 0), '0');

        // The popup sets the value; between cells and on the input
        // columns a right click changes nothing.
        m_platform.popupAnswers = {1};
        RightClick(dlg, cell);
        QCOMPARE(prom.Entry(1, 6), '1');
        QCOMPARE(prom.Fuse(1, 6), true);
        const PromArray before = prom;
        m_platform.popupAnswers = {0, 0};
        RightClick(dlg, QPoint(TableClickRect(0, 0).left - 60, Centre(TableClickRect(0, 0)).y()));
        const ZRect a = TableClickRect(0, 3), b = TableClickRect(0, 4);
        RightClick(dlg, QPoint((a.left + a.right) / 2, (a.bottom + b.top) / 2));
        QVERIFY(prom == before);
        QVERIFY(m_platform.messages.empty());
    }

    // The grid reads as a table of inputs and outputs; a key's change is
    // told with the cell's new name, state and value, the cursor as focus.
    void gridReadsAsATable()
    {
        CAccessibleEvents events;
        CZYLDoc doc;
        CTruthTableDlg dlg(doc);
        dlg.show();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&dlg.Grid());
        QVERIFY(table && table->tableInterface());
        QCOMPARE(std::tuple(table->role(), table->text(QAccessible::Name), table->childCount()),
                 std::tuple(QAccessible::Table, QString("Truth table"), 16 * 8));
        QCOMPARE(table->tableInterface()->columnDescription(5) + table->tableInterface()->rowDescription(6), "Y16");
        QAccessibleInterface* cell = table->tableInterface()->cellAt(6, 5);
        QCOMPARE(std::pair(cell->role(), cell->text(QAccessible::Name)),
                 std::pair(QAccessible::Cell, QString("Y1, row 6, 1")));
        QCOMPARE(table->tableInterface()->cellAt(6, 1)->text(QAccessible::Name), "B, row 6, 1");

        QTest::keyClick(&dlg.Grid(), Qt::Key_Right);
        QTest::keyClick(&dlg.Grid(), Qt::Key_PageDown);
        if (events.Active())
            QCOMPARE(events.Of(QAccessible::Focus), QStringList({"Y1, row 0, 1", "Y1, row 15, 1"}));
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(&dlg.Grid(), Qt::Key_Up);
        QTest::keyClick(&dlg.Grid(), Qt::Key_Space);
        dlg.Refill();
        QCOMPARE(std::pair(cell->text(QAccessible::Name), cell->text(QAccessible::Value)),
                 std::pair(QString("Y1, row 6, 0"), QString("0")));
        for (const QAccessible::Event type : {QAccessible::NameChanged, QAccessible::StateChanged,
                                              QAccessible::ValueChanged})
            if (events.Active())
                QCOMPARE(events.Of(type), QStringList("Y1, row 6, 0"));
        CNames names = doc.Device().names;
        names.functions[1] = "Q";
        doc.Edit([&names](DeviceEditor& e) { e.SetNames(names); });
        dlg.Refill();
        QCOMPARE(cell->text(QAccessible::Name), "Q, row 6, 0");
        if (events.Active()) // the rename told for each of the function's cells
            QCOMPARE(events.Of(QAccessible::NameChanged).filter("Q, row ").size(), 16);
    }

    void symbolsFusesFollowClicksAndSurviveHiding()
    {
        CZYLDoc doc;
        CDialogManager dialogs(doc, nullptr);
        dialogs.OnCommand(ID_SYMBOLS);
        auto* dlg = static_cast<CSymbolsDlg*>(dialogs.Dialog(ID_SYMBOLS));
        QVERIFY(dlg && dlg->isVisible());

        QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(SymbolsDetailLink(kSymbolsProm, 5)));
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][5], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsPal][5], 1);

        // Hidden and shown again: the fuses are kept; the PAL picture has
        // its own.
        dialogs.OnCommand(ID_SYMBOLS);
        QVERIFY(!dlg->isVisible());
        QVERIFY(!dialogs.IsChecked(ID_SYMBOLS));
        doc.Edit([](DeviceEditor& e) { e.SetType(DeviceType::Pal); });
        dialogs.OnCommand(ID_SYMBOLS);
        QVERIFY(dlg->isVisible());
        QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(SymbolsDetailLink(kSymbolsPal, 2)));
        QCOMPARE(dlg->State().m_nLink[kSymbolsPal][2], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][5], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][2], 1);

        // Closed by the user: the check mark goes, one command brings it back.
        dlg->close();
        QVERIFY(!dialogs.IsChecked(ID_SYMBOLS));
        dialogs.OnCommand(ID_SYMBOLS);
        QVERIFY(dlg->isVisible());
        QVERIFY(dialogs.IsChecked(ID_SYMBOLS));
    }
};

QTEST_MAIN(TestDlgTable)
#include "test_dlg_table.moc"
