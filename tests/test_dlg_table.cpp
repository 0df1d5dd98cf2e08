// SPDX-License-Identifier: GPL-3.0-or-later
// The truth-table and circuit-symbols dialogs driven with real mouse
// events offscreen: what a click, a Shift+click and a popup value do to the
// document, and that the symbols' own fuses follow clicks and survive hiding.
#include "CSymbolsDlg.h"
#include "CTruthTableDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "Platform.h"
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
        m_platform.doc = &doc;
        CTruthTableDlg dlg(doc);
        dlg.show();
        const QPoint cell = Centre(TableClickRect(1, 6));

        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(doc.m_szPromTable[1][6], '0');
        QCOMPARE(doc.m_nOrFuse[1][6], 0);
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(doc.m_szPromTable[1][6], '1');
        QCOMPARE(doc.m_nOrFuse[1][6], 1);

        // A don't care keeps showing X after a plain click.
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::ShiftModifier, cell);
        QCOMPARE(doc.m_szPromTable[1][6], 'X');
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(TableCellValue(doc, 1, 6), 'X');
        // Shift with Control is no Shift+click.
        QTest::mouseClick(&dlg, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, Centre(TableClickRect(2, 0)));
        QVERIFY(doc.m_szPromTable[2][0] != 'X');

        // The popup sets the value; between cells and on the input
        // columns a right click changes nothing.
        m_platform.popupAnswers = {1};
        RightClick(dlg, cell);
        QCOMPARE(doc.m_szPromTable[1][6], '1');
        QCOMPARE(doc.m_nOrFuse[1][6], 1);
        const std::string before(&doc.m_szPromTable[0][0], sizeof doc.m_szPromTable);
        m_platform.popupAnswers = {0, 0};
        RightClick(dlg, QPoint(TableClickRect(0, 0).left - 60, Centre(TableClickRect(0, 0)).y()));
        const ZRect a = TableClickRect(0, 3), b = TableClickRect(0, 4);
        RightClick(dlg, QPoint((a.left + a.right) / 2, (a.bottom + b.top) / 2));
        QCOMPARE(std::string(&doc.m_szPromTable[0][0], sizeof doc.m_szPromTable), before);
        QVERIFY(m_platform.messages.empty());
    }

    void palClickNeedingAFifthTermIsSetBack()
    {
        CZYLDoc doc;
        m_platform.doc = &doc;
        doc.m_bProm = 0;
        doc.m_bPal = 1;
        CTruthTableDlg table(doc);
        table.show();
        CTruthTableDlg* dlg = &table;
        // Four odd-parity minterms of function 0 need four product terms; a
        // fifth one would need a fifth term.
        for (int r = 0; r < 16; ++r)
            QVERIFY2(doc.m_szPalTable[0][r] == '0', qPrintable(QString("row %1: %2").arg(r).arg(doc.m_szPalTable[0][r])));
        const int parity[] = {1, 2, 4, 7};
        for (int r : parity) {
            QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(TableClickRect(0, r)));
            QVERIFY2(doc.m_szPalTable[0][r] == '1', qPrintable(QString("row %1").arg(r)));
        }
        QVERIFY(m_platform.messages.empty());
        const std::string before(doc.m_szPalTable[0], 16);
        QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(TableClickRect(0, 8)));
        QCOMPARE(std::string(doc.m_szPalTable[0], 16), before);
        QCOMPARE(doc.m_nPalMinterms[0], 4);
        QCOMPARE(int(m_platform.messages.size()), 1);
        QCOMPARE(m_platform.messages[0].text, std::string(kTableSopLimitMessage));
    }

    void symbolsFusesFollowClicksAndSurviveHiding()
    {
        CZYLDoc doc;
        m_platform.doc = &doc;
        CViewDialogs dialogs(doc, nullptr);
        dialogs.OnCommand(CViewDialogs::ID_SYMBOLS);
        auto* dlg = static_cast<CSymbolsDlg*>(dialogs.Dialog(CViewDialogs::ID_SYMBOLS));
        QVERIFY(dlg && dlg->isVisible());
        QVERIFY(dialogs.IsChecked(CViewDialogs::ID_SYMBOLS));

        QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(SymbolsDetailLink(kSymbolsProm, 5)));
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][5], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsPal][5], 1);

        // Hidden and shown again: the fuses are kept; the PAL picture has
        // its own.
        dialogs.OnCommand(CViewDialogs::ID_SYMBOLS);
        QVERIFY(!dlg->isVisible());
        QVERIFY(!dialogs.IsChecked(CViewDialogs::ID_SYMBOLS));
        doc.m_bProm = 0;
        doc.m_bPal = 1;
        dialogs.OnCommand(CViewDialogs::ID_SYMBOLS);
        QVERIFY(dlg->isVisible());
        QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, Centre(SymbolsDetailLink(kSymbolsPal, 2)));
        QCOMPARE(dlg->State().m_nLink[kSymbolsPal][2], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][5], 0);
        QCOMPARE(dlg->State().m_nLink[kSymbolsProm][2], 1);

        // Closed by the user: the check mark goes, one command brings it back.
        dlg->close();
        QVERIFY(!dialogs.IsChecked(CViewDialogs::ID_SYMBOLS));
        dialogs.OnCommand(CViewDialogs::ID_SYMBOLS);
        QVERIFY(dlg->isVisible());
        QVERIFY(dialogs.IsChecked(CViewDialogs::ID_SYMBOLS));
    }
};

QTEST_MAIN(TestDlgTable)
#include "test_dlg_table.moc"
