// SPDX-License-Identifier: GPL-3.0-or-later
// Fuse editing with the mouse on the real view: clicks on fuses and gates
// of both arrays, the don't-care popup, the cursor, the block structure and
// a long random walk of clicks and commands.
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DocInvariants.h"
#include "DocOps.h"
#include "Platform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <random>

namespace {

// Everything of the device a click may change, for before/after comparison.
struct CSnapshot
{
    std::string text;
    explicit CSnapshot(const CZYLDoc& d)
    {
        auto add = [this](int v) { text += std::to_string(v) + ","; };
        text += std::string(&d.m_szPromTable[0][0], 64) + std::string(&d.m_szPalTable[0][0], 64);
        for (int f = 0; f < 4; ++f) {
            add(d.m_nOutputToggle[f]);
            for (int r = 0; r < 16; ++r)
                add(d.m_nOrFuse[f][r]);
            for (const auto& [list, n] : {std::pair(d.m_anPromMinterms[f], d.m_nPromMinterms[f]),
                                          std::pair(d.m_anPromDontCares[f], d.m_nPromDontCares[f]),
                                          std::pair(d.m_anPalMinterms[f], d.m_nPalMinterms[f]),
                                          std::pair(d.m_anPalDontCares[f], d.m_nPalDontCares[f])}) {
                text += "[";
                for (int i = 0; i < n; ++i)
                    add(list[i]);
                text += "]";
            }
        }
        for (int r = 0; r < 16; ++r) {
            add(d.m_nRowToggle[r]);
            for (int c = 0; c < 8; ++c)
                add(d.m_andRow[r].m_nFuse[c]);
            text += d.m_andRow[r].m_strTerm + ";";
        }
    }
};

QPoint Centre(const ZRect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

std::vector<int> List(const int* list, int n) { return std::vector<int>(list, list + n); }

std::vector<int> AllBut(int skip)
{
    std::vector<int> v;
    for (int m = 0; m < 16; ++m)
        if (m != skip)
            v.push_back(m);
    return v;
}

std::string TextAt(const std::vector<CDrawItem>& items, int x, int y)
{
    for (const CDrawItem& item : items)
        if (item.x == x && item.y == y)
            return item.text;
    return "<none>";
}

} // namespace

class TestViewEditing : public QObject
{
    Q_OBJECT

    std::unique_ptr<CRecordingPlatform> m_platform;
    std::unique_ptr<CScopedPlatform> m_scope;
    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CZYLView> m_view;

    // A click on a logical point, as the user makes it on the screen.
    void Click(const QPoint& logical)
    {
        const QPoint pos = logical - m_view->ScrollOffset();
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
    void Hover(const QPoint& logical)
    {
        QWidget* vp = m_view->viewport();
        const QPoint pos = logical - m_view->ScrollOffset();
        QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(vp->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(vp, &e);
    }
    Qt::CursorShape CursorShape() const { return m_view->viewport()->cursor().shape(); }

private slots:
    void init()
    {
        m_platform = std::make_unique<CRecordingPlatform>();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
        m_doc = std::make_unique<CZYLDoc>();
        m_platform->doc = m_doc.get();
        m_view = std::make_unique<CZYLView>(*m_doc);
        m_platform->view = m_view.get();
        m_view->resize(1200, 1000);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
        m_scope.reset();
        m_platform.reset();
    }

    // --- PROM ------------------------------------------------------------------

    void promOrCellClickTogglesAndRestores_data()
    {
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("r");
        QTest::newRow("first cell") << 0 << 0;
        QTest::newRow("inner cell") << 2 << 7;
        QTest::newRow("last cell") << 3 << 15;
    }
    void promOrCellClickTogglesAndRestores()
    {
        QFETCH(int, j);
        QFETCH(int, r);
        Click(Centre(m_doc->m_rcOrCell[j][r]));
        QCOMPARE(m_doc->m_nOrFuse[j][r], 0);
        QCOMPARE(m_doc->m_szPromTable[j][r], '0');
        QCOMPARE(List(m_doc->m_anPromMinterms[j], m_doc->m_nPromMinterms[j]), AllBut(r));
        QVERIFY(m_doc->IsModified());
        const std::string shown = TextAt(m_view->Logic().BuildAnnotations(), 550, 140 + 80 * j);
        QVERIFY2(shown.find(" " + std::to_string(r) + (r == 15 ? " )" : ",")) == std::string::npos, shown.c_str());
        // The other outputs are untouched.
        QCOMPARE(m_doc->m_nPromMinterms[(j + 1) % 4], 16);

        Click(Centre(m_doc->m_rcOrCell[j][r]));
        QCOMPARE(m_doc->m_nOrFuse[j][r], 1);
        QCOMPARE(m_doc->m_szPromTable[j][r], '1');
        QCOMPARE(List(m_doc->m_anPromMinterms[j], m_doc->m_nPromMinterms[j]), AllBut(-1));
        QCOMPARE(TextAt(m_view->Logic().BuildAnnotations(), 550, 140 + 80 * j),
                 std::string("m ( 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 )"));
        QCOMPARE(CheckDocument(*m_doc), std::string());
    }

    void promOrGateDoesWhatItsCommandDoes()
    {
        CZYLDoc menuDoc;
        CZYLView menuView(menuDoc);
        for (int round = 0; round < 3; ++round)
            for (int j = 0; j < 4; ++j) {
                if (round == 1 && j == 2) {
                    // A single fuse changed in between does not steer the toggle.
                    Click(Centre(m_doc->m_rcOrCell[2][5]));
                    menuDoc.m_nOrFuse[2][5] = 0;
                    menuDoc.m_szPromTable[2][5] = '0';
                    UpdateLists(menuDoc, 2);
                }
                Click(Centre(m_doc->m_rcOutputGate[j]));
                menuView.OnCommand(ID_OUTPUT_FUSES_0 + j);
                QCOMPARE(CSnapshot(*m_doc).text, CSnapshot(menuDoc).text);
            }
        QCOMPARE(m_doc->m_nOutputToggle[0], 0);
        QCOMPARE(m_doc->m_nPromMinterms[0], 0);
        QVERIFY(m_platform->messages.empty());
    }

    void promDontCarePopup_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("fuse");
        QTest::addColumn<char>("entry");
        QTest::addColumn<int>("minterms");
        QTest::addColumn<int>("dontCares");
        QTest::newRow("X keeps the don't care") << 2 << 0 << 'X' << 1 << 2;
        QTest::newRow("dismissed keeps it") << -1 << 0 << 'X' << 1 << 2;
        QTest::newRow("1 makes a minterm") << 1 << 1 << '1' << 2 << 1;
        QTest::newRow("0 makes a zero") << 0 << 0 << '0' << 1 << 1;
    }
    void promDontCarePopup()
    {
        QFETCH(int, answer);
        QFETCH(int, fuse);
        QFETCH(char, entry);
        QFETCH(int, minterms);
        QFETCH(int, dontCares);
        // Function 1: minterm 5, don't cares 7 and 9.
        for (int r = 0; r < 16; ++r) {
            m_doc->m_nOrFuse[1][r] = r == 5 ? 1 : 0;
            m_doc->m_szPromTable[1][r] = r == 5 ? '1' : r == 7 || r == 9 ? 'X' : '0';
        }
        UpdateLists(*m_doc, 1);
        m_platform->popupAnswers = {answer};

        Click(Centre(m_doc->m_rcOrCell[1][7]));

        QCOMPARE(int(m_platform->popupsShown.size()), 1);
        QCOMPARE(m_platform->popupsShown[0], (std::vector<std::string>{"0", "1", "X"}));
        QCOMPARE(m_view->Logic().PopupMinterm(), 7);
        QCOMPARE(m_view->Logic().PopupOutput(), 1);
        QCOMPARE(m_doc->m_nOrFuse[1][7], fuse);
        QCOMPARE(m_doc->m_szPromTable[1][7], entry);
        QCOMPARE(m_doc->m_nPromMinterms[1], minterms);
        QCOMPARE(m_doc->m_nPromDontCares[1], dontCares);
        QCOMPARE(m_doc->m_anPromDontCares[1][dontCares - 1], 9);
        if (answer == 1)
            QCOMPARE(List(m_doc->m_anPromMinterms[1], 2), (std::vector<int>{5, 7}));
        QCOMPARE(CheckDocument(*m_doc), std::string());
    }

    void promAndArrayClicksChangeNothing()
    {
        const CSnapshot before(*m_doc);
        for (int r = 0; r < 16; ++r) {
            Click(Centre(m_doc->m_rcRowGate[r]));
            for (int c = 0; c < 8; ++c)
                Click(Centre(m_doc->m_rcAndCell[c][r]));
        }
        QCOMPARE(CSnapshot(*m_doc).text, before.text);
        QVERIFY(m_platform->popupsShown.empty());
        QVERIFY(!m_doc->IsModified());
    }

    // --- PAL -------------------------------------------------------------------

    void palAndCellClickChangesRowAndFunction()
    {
        m_view->OnCommand(ID_TYPE_PAL);
        Click(Centre(m_doc->m_rcRowGate[5])); // all 8 fuses of row 5 blown: 1
        QCOMPARE(m_doc->m_andRow[5].m_strTerm, std::string("1"));
        QCOMPARE(m_doc->m_nPalMinterms[1], 16);
        Click(Centre(m_doc->m_rcAndCell[1][5])); // ^A back in
        QCOMPARE(m_doc->m_andRow[5].m_nFuse[1], 1);
        QCOMPARE(m_doc->m_andRow[5].m_strTerm, std::string("^A"));
        QCOMPARE(List(m_doc->m_anPalMinterms[1], m_doc->m_nPalMinterms[1]),
                 (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(std::string(m_doc->m_szPalTable[1], 16), std::string("1111111100000000"));
        Click(Centre(m_doc->m_rcAndCell[6][5])); // and D
        QCOMPARE(m_doc->m_andRow[5].m_strTerm, std::string("^AD"));
        QCOMPARE(std::string(m_doc->m_szPalTable[1], 16), std::string("0101010100000000"));
        QCOMPARE(TextAt(m_view->Logic().BuildAnnotations(), 535, 245), std::string("^AD"));
        QCOMPARE(m_doc->m_nPalMinterms[0], 0);
        QCOMPARE(CheckDocument(*m_doc), std::string());
    }

    void palRowGateBlowsThenReinstates()
    {
        m_view->OnCommand(ID_TYPE_PAL);
        Click(Centre(m_doc->m_rcAndCell[0][9])); // a single fuse does not steer the toggle
        Click(Centre(m_doc->m_rcRowGate[9]));
        for (int c = 0; c < 8; ++c)
            QCOMPARE(m_doc->m_andRow[9].m_nFuse[c], 0);
        QCOMPARE(m_doc->m_nRowToggle[9], 0);
        QCOMPARE(m_doc->m_nPalMinterms[2], 16);
        Click(Centre(m_doc->m_rcRowGate[9]));
        for (int c = 0; c < 8; ++c)
            QCOMPARE(m_doc->m_andRow[9].m_nFuse[c], 1);
        QCOMPARE(m_doc->m_andRow[9].m_strTerm, std::string("0"));
        QCOMPARE(m_doc->m_nPalMinterms[2], 0);
        QCOMPARE(std::string(m_doc->m_szPalTable[2], 16), std::string(16, '0'));
    }

    void palOrArrayClicksChangeNothing()
    {
        m_view->OnCommand(ID_TYPE_PAL);
        const CSnapshot before(*m_doc);
        for (int j = 0; j < 4; ++j) {
            Click(Centre(m_doc->m_rcOutputGate[j]));
            for (int r = 0; r < 16; ++r)
                Click(Centre(m_doc->m_rcOrCell[j][r]));
        }
        QCOMPARE(CSnapshot(*m_doc).text, before.text);
        QVERIFY(m_platform->messages.empty());
    }

    void scrolledClickHitsTheFuseUnderTheMouse()
    {
        m_view->resize(300, 250);
        m_view->horizontalScrollBar()->setValue(200);
        m_view->verticalScrollBar()->setValue(300);
        QCOMPARE(m_view->ScrollOffset(), QPoint(200, 300));
        Click(Centre(m_doc->m_rcOrCell[1][8])); // logical (284 + 21, 145 + 200)
        QCOMPARE(m_doc->m_nOrFuse[1][8], 0);
        QCOMPARE(m_doc->m_nPromMinterms[1], 15);
        Hover(Centre(m_doc->m_rcOrCell[0][9]));
        QCOMPARE(CursorShape(), Qt::BitmapCursor);
    }

    // --- Cursor and block structure -----------------------------------------------

    void pencilOverClickableCellsOnly()
    {
        Hover(Centre(m_doc->m_rcOrCell[3][2]));
        QCOMPARE(CursorShape(), Qt::BitmapCursor);
        Hover(Centre(m_doc->m_rcOutputGate[0]));
        QCOMPARE(CursorShape(), Qt::BitmapCursor);
        Hover(Centre(m_doc->m_rcAndCell[2][2]));
        QCOMPARE(CursorShape(), Qt::ArrowCursor);
        m_view->OnCommand(ID_TYPE_PAL);
        Hover(Centre(m_doc->m_rcAndCell[2][2]));
        QCOMPARE(CursorShape(), Qt::BitmapCursor);
        Hover(Centre(m_doc->m_rcRowGate[15]));
        QCOMPARE(CursorShape(), Qt::BitmapCursor);
        Hover(Centre(m_doc->m_rcOrCell[3][2]));
        QCOMPARE(CursorShape(), Qt::ArrowCursor);
        Hover(QPoint(700, 700));
        QCOMPARE(CursorShape(), Qt::ArrowCursor);
    }

    void blockStructureStopsEditing()
    {
        m_view->OnCommand(ID_BLOCK_STRUCTURE);
        for (int mode : {int(ID_TYPE_PAL), int(ID_TYPE_PROM)}) {
            m_view->OnCommand(mode);
            m_platform->messages.clear();
            const CSnapshot before(*m_doc);
            Hover(Centre(m_doc->m_rcOrCell[0][0]));
            QCOMPARE(CursorShape(), Qt::ArrowCursor);
            Hover(Centre(m_doc->m_rcAndCell[0][0]));
            QCOMPARE(CursorShape(), Qt::ArrowCursor);
            Click(Centre(m_doc->m_rcOrCell[0][0]));
            Click(Centre(m_doc->m_rcOutputGate[1]));
            Click(Centre(m_doc->m_rcAndCell[0][0]));
            Click(Centre(m_doc->m_rcRowGate[0]));
            for (int id : {int(ID_INPUT_BLOW_ALL), int(ID_OUTPUT_BLOW_ALL), ID_OUTPUT_FUSES_0 + 2,
                           int(ID_SIMPLIFY_PAL), int(ID_SHOW_MINTERMS), int(ID_SHOW_PRODUCT_TERMS)})
                m_view->OnCommand(id);
            QCOMPARE(CSnapshot(*m_doc).text, before.text);
            QVERIFY(m_platform->messages.empty());
            const int andLabel = m_doc->m_bAndLabel;
            m_view->OnCommand(ID_AND_LABEL);
            QCOMPARE(m_doc->m_bAndLabel, 1 - andLabel);
            QVERIFY(m_view->Logic().BuildAnnotations().empty());
        }
    }

    // --- Painting of the annotations -------------------------------------------------

    void annotationsArePainted()
    {
        auto dark = [](const QImage& img, const QRect& area) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
            return n;
        };
        QImage img = m_view->RenderImage();
        // Label, sigma, list and sum of every function; no row labels yet.
        for (int f = 0; f < 4; ++f) {
            QVERIFY(dark(img, QRect(500, 140 + 80 * f, 30, 16)) > 5);
            QVERIFY(dark(img, QRect(535, 140 + 80 * f, 11, 15)) > 5);
            QVERIFY(dark(img, QRect(550, 140 + 80 * f, 300, 16)) > 100);
            QVERIFY(dark(img, QRect(520, 165 + 80 * f, 30, 16)) > 3);
        }
        QCOMPARE(dark(img, QRect(380, 130, 110, 420)), 0);
        const QPixmap& sigma = CViewBitmaps::Get().Bitmap(140);
        if (!sigma.isNull())
            QCOMPARE(img.copy(535, 140, 11, 15).convertToFormat(QImage::Format_RGB32),
                     sigma.toImage().convertToFormat(QImage::Format_RGB32));
        m_view->OnCommand(ID_SHOW_MINTERMS);
        img = m_view->RenderImage();
        for (int r = 0; r < 16; ++r)
            QVERIFY(dark(img, QRect(380, 137 + 25 * r, 100, 18)) > 10);
        // In PLA mode nothing is annotated.
        m_view->OnCommand(ID_TYPE_PLA);
        QCOMPARE(dark(m_view->RenderImage(), QRect(380, 130, 600, 420)), 0);
    }

    // --- A long walk over the whole view ------------------------------------------

    void randomWalkKeepsTheDocumentConsistent()
    {
        std::mt19937 rng(4711);
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const int commands[] = {ID_INPUT_REINSTATE_ALL, ID_INPUT_BLOW_ALL, ID_OUTPUT_REINSTATE_ALL,
                                ID_OUTPUT_BLOW_ALL,     ID_OUTPUT_FUSES_0, ID_OUTPUT_FUSES_0 + 1,
                                ID_OUTPUT_FUSES_0 + 2,  ID_OUTPUT_FUSES_0 + 3, ID_TYPE_PROM,
                                ID_TYPE_PAL,            ID_TYPE_PLA,       ID_BLOCK_STRUCTURE,
                                ID_AND_LABEL,           ID_OR_LABEL,       ID_SHOW_MINTERMS,
                                ID_SHOW_PRODUCT_TERMS,  ID_SIMPLIFY_PAL};
        for (int step = 0; step < 10000; ++step) {
            const int kind = pick(10);
            QString what;
            if (kind < 6) {
                // Anywhere on the drawing, mostly on the arrays.
                const QPoint pt = kind < 4 ? QPoint(40 + pick(330), 130 + pick(440)) : QPoint(pick(1024), pick(860));
                m_platform->popupAnswers = {pick(4) - 1};
                Click(pt);
                what = QString("click %1,%2").arg(pt.x()).arg(pt.y());
            } else if (kind < 9 || m_doc->m_bBlockStructure == 0) {
                const int id = commands[pick(int(std::size(commands)))];
                m_view->OnCommand(id);
                what = QString("command %1").arg(id);
            } else {
                m_view->OnCommand(ID_BLOCK_STRUCTURE);
                what = "block structure off";
            }
            const std::string fault = CheckDocument(*m_doc);
            QVERIFY2(fault.empty(), qPrintable(QString("step %1, %2: %3").arg(step).arg(what, fault.c_str())));
            m_platform->messages.clear();
            m_platform->popupsShown.clear();
            if (step % 1000 == 0)
                QVERIFY(!m_view->RenderImage().isNull());
        }
    }
};

QTEST_MAIN(TestViewEditing)
#include "test_view_editing.moc"
