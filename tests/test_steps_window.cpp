// SPDX-License-Identifier: GPL-3.0-or-later
// The minimization steps window in the main window: choosing a cover
// programs the PAL rows, and the window follows fuse clicks and names; its
// page zooms by Ctrl + wheel.
#include "CMainFrame.h"
#include "CStepsDlg.h"
#include "CViewDialogs.h"
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DeviceOps.h"
#include "QtPlatform.h"
#include "ShownFrame.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QSettings>
#include <QtTest>

#include <memory>

class TestStepsWindow : public CShownFrameTest
{
    Q_OBJECT

private slots:
    void init() { ShowFrame(); }
    void cleanup() { CloseFrame(); }

    void programsTheChosenCoverAndFollowsTheDocument()
    {
        m_frame->OnCommand(ID_TYPE_PAL);
        Column column;
        column.fill('0');
        for (int m : {0, 1, 2, 5, 6, 7})
            column[static_cast<std::size_t>(m)] = '1';
        QCOMPARE(ProgramPalColumn(*m_doc, 0, column, PalDontCares::Ignored, {}), ProgramResult::Programmed);
        m_doc->UpdateAllViews();
        m_frame->OnCommand(ID_SHOW_STEPS);
        auto* steps = static_cast<CStepsDlg*>(m_frame->View()->Dialogs().Dialog(ID_SHOW_STEPS));
        QVERIFY(steps && steps->isVisible());
        QCOMPARE(steps->Derivation().covers.size(), std::size_t(2));
        QCOMPARE(steps->ProgrammedCover(), 0); // what Simplify programs

        QVERIFY(steps->ProgramCover(1));
        const char* rows[] = {"^A^B^D", "^A^CD", "^ABC", "0"};
        for (int r = 0; r < 4; ++r)
            QCOMPARE(m_doc->m_andRow[r].m_strTerm, std::string(rows[r]));
        QCOMPARE(m_frame->View()->Logic().PalRowSum(0), std::string("^A^B^D + ^A^CD + ^ABC"));
        QCOMPARE(steps->ProgrammedCover(), 1);

        // A fuse click that takes ^D out of row 0: ^A^B, ^A^CD and ^ABC hold
        // 0..3, 5, 6, 7, which ^A^CD does not cover at lowest cost.
        const ZRect& cell = m_doc->m_andRow[0].m_rcCell[7];
        const QPoint logical((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        QTest::mouseClick(m_frame->View()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          logical - m_frame->View()->ScrollOffset());
        QCOMPARE(m_doc->m_andRow[0].m_strTerm, std::string("^A^B"));
        QCOMPARE(steps->ProgrammedCover(), -1);

        // New names reach the selector and the text.
        m_doc->m_strFunctionName[0] = "F0";
        m_doc->m_strVariableName[0] = "P";
        m_doc->UpdateAllViews();
        QCOMPARE(steps->findChild<QComboBox*>()->itemText(0), QString("F0"));
        const std::string text = steps->PlainText();
        QVERIFY(text.find("Minimization steps of F0") != std::string::npos);
        QVERIFY(text.find("P'B'") != std::string::npos);

        QWidget* page = steps->findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly)->viewport();
        QWheelEvent wheel(QPointF(20, 20), QPointF(page->mapToGlobal(QPoint(20, 20))), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &wheel);
        QCOMPARE(std::pair(steps->Zoom(), QSettings().value("Windows/StepsZoom").toInt()), std::pair(125, 125));
        steps->SetZoom(100, QPoint());
    }
};

QTEST_MAIN(TestStepsWindow)
#include "test_steps_window.moc"
