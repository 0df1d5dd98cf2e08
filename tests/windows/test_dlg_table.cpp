// SPDX-License-Identifier: GPL-3.0-or-later
// The truth-table and circuit-symbols dialogs driven with real mouse
// events offscreen: a click, a Shift+click and a popup value reach the cell
// under the pointer (what they do in each mode is the logic tests' part),
// and the symbols' own fuses follow clicks and survive hiding.
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
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
