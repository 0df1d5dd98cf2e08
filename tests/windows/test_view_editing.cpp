// SPDX-License-Identifier: GPL-3.0-or-later
// Fuse editing with the mouse on the real view: a click lands on the fuse or
// gate under the pointer in both arrays, at every zoom and scrolled; the
// don't-care popup; the cursor; the block structure; the painted annotations;
// the hover tint, only while the Karnaugh maps are shown.
#include "CDialogManager.h"
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "Pictures.h"
#include "DocFile.h"
#include "DocInvariants.h"
#include "FuseMapLayout.h"
#include "Highlight.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "ZoomSteps.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

namespace L = FuseMapLayout;

QPoint Centre(const ZRect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

int Dark(const QImage& img, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
    return n;
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
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, logical - m_view->ScrollOffset());
    }
    Qt::CursorShape ShapeOver(const QPoint& logical)
    {
        QWidget* vp = m_view->viewport();
        const QPoint pos = logical - m_view->ScrollOffset();
        QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(vp->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(vp, &e);
        return vp->cursor().shape();
    }

private slots:
    void init()
    {
        m_platform = std::make_unique<CRecordingPlatform>();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
        m_doc = std::make_unique<CZYLDoc>();
        m_view = std::make_unique<CZYLView>(*m_doc);
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

    // A click on an OR cell is the every-zoom table's; the gate toggles by
    // its own flag, whatever single fuse changed in between.
    void promOutputGate()
    {
        const PromArray& prom = m_doc->Device().prom;
        Click(Centre(L::OutputGate(2)));
        QCOMPARE(prom.OnSet(2).Count(), 0);
        Click(Centre(L::OrCellRect(2, 5)));
        Click(Centre(L::OutputGate(2)));
        QCOMPARE(prom.OnSet(2).Count(), 16);
        QCOMPARE(prom.OnSet(1).Count() + prom.OnSet(3).Count(), 32);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(CheckDocument(m_doc->Device()), std::string());
        QVERIFY(m_platform->messages.empty());
    }

    // Function 1 holds minterm 5 and don't cares 7 and 9; a click on the
    // fuse of 7 asks 0, 1 or X for it: X or dismissed keep the don't care,
    // 1 makes a minterm, 0 a zero (the lists follow the table, as the
    // document check proves).
    void promDontCarePopup()
    {
        const struct
        {
            int answer, fuse;
            char entry;
        } cases[] = {{2, 0, 'X'}, {-1, 0, 'X'}, {1, 1, '1'}, {0, 0, '0'}};
        for (const auto& c : cases) {
            m_doc->Edit([](DeviceEditor& e) {
                for (int r = 0; r < 16; ++r)
                    e.SetPromEntry(1, r, r == 5 ? '1' : r == 7 || r == 9 ? 'X' : '0', false);
            });
            m_platform->popupsShown.clear();
            m_platform->popupAnswers = {c.answer};
            Click(Centre(L::OrCellRect(1, 7)));
            QCOMPARE(m_platform->popupsShown, (std::vector<std::vector<std::string>>{{"0", "1", "X"}}));
            QCOMPARE(std::pair(m_view->Logic().PopupMinterm(), m_view->Logic().PopupOutput()), std::pair(7, 1));
            const PromArray& prom = m_doc->Device().prom;
            QCOMPARE(int(prom.Fuse(1, 7)), c.fuse);
            QCOMPARE(prom.Entry(1, 7), c.entry);
            QCOMPARE(prom.OnSet(1).Count() + prom.DontCares(1).Count(), c.entry == '0' ? 2 : 3);
            QCOMPARE(CheckDocument(m_doc->Device()), std::string());
        }
    }

    void palAndCellsAndRowGate()
    {
        const PalArray& pal = m_doc->Device().pal;
        const auto table = [&pal](int f) { return std::string(pal.Table(f).begin(), pal.Table(f).end()); };
        m_view->OnCommand(ID_TYPE_PAL);
        Click(Centre(L::AndCellRect(0, 5))); // a single fuse does not steer the gate
        Click(Centre(L::RowGate(5)));        // every fuse of row 5 blown: 1
        QCOMPARE(pal.Row(5).text, std::string("1"));
        QCOMPARE(m_doc->Device().rowToggles[5], false);
        Click(Centre(L::AndCellRect(1, 5))); // ^A back in
        QCOMPARE(table(1), std::string("1111111100000000"));
        Click(Centre(L::AndCellRect(6, 5))); // and D
        QCOMPARE(pal.Row(5).text, std::string("^AD"));
        QCOMPARE(table(1), std::string("0101010100000000"));
        QCOMPARE(pal.OnSet(0).Count(), 0);
        Click(Centre(L::RowGate(5)));
        QCOMPARE(pal.Row(5).text, std::string("0"));
        QCOMPARE(table(1), std::string(16, '0'));
        QCOMPARE(CheckDocument(m_doc->Device()), std::string());
    }

    // The fixed array of each device, and both arrays in the block
    // structure, ignore every click; there the array and row-label commands
    // are silent too.
    void fixedArrayClicksChangeNothing()
    {
        for (int block : {0, 1}) {
            if (block)
                m_view->OnCommand(ID_BLOCK_STRUCTURE);
            for (int mode : {int(ID_TYPE_PROM), int(ID_TYPE_PAL), int(ID_TYPE_PLA)}) {
                if (mode == ID_TYPE_PLA && !block)
                    continue;
                m_view->OnCommand(mode);
                m_platform->messages.clear();
                const Device before = m_doc->Device();
                std::vector<ZRect> targets;
                for (int r = 0; r < 16; ++r) {
                    if (mode == ID_TYPE_PROM || block) {
                        targets.push_back(L::RowGate(r));
                        for (int c = 0; c < 8; ++c)
                            targets.push_back(L::AndCellRect(c, r));
                    }
                    if (mode == ID_TYPE_PAL || block) {
                        for (int j = 0; j < 4; ++j)
                            targets.push_back(L::OrCellRect(j, r));
                        if (r < 4)
                            targets.push_back(L::OutputGate(r));
                    }
                }
                for (const ZRect& target : targets)
                    Click(Centre(target));
                const int silent[] = {ID_INPUT_REINSTATE_ALL, ID_INPUT_BLOW_ALL, ID_OUTPUT_REINSTATE_ALL,
                                      ID_OUTPUT_BLOW_ALL, OutputCommand(0), OutputCommand(3), ID_SHOW_MINTERMS,
                                      ID_SHOW_PRODUCT_TERMS, ID_SIMPLIFY_PAL};
                for (int k = 0; block && k < int(std::size(silent)); ++k)
                    m_view->OnCommand(silent[k]);
                QVERIFY(m_doc->Device() == before);
                QVERIFY(m_platform->messages.empty() && m_platform->popupsShown.empty());
            }
        }
    }

    // At every zoom a click at the centre of a cell, or just inside its
    // drawn corner, where the zoom shows it (scrolled towards the middle as far as it goes), toggles that fuse
    // and no other one: the OR cells of a PROM, the AND cells of a PAL.
    void clickHitsTheCellAtEveryZoom()
    {
        QWidget* vp = m_view->viewport();
        for (const int zoom : kZoomSteps) {
            m_view->SetZoom(zoom, QPoint());
            for (const bool pal : {false, true}) {
                m_view->OnCommand(pal ? ID_TYPE_PAL : ID_TYPE_PROM);
                const Device& device = m_doc->Device();
                const auto fuseAt = [&](int i) {
                    return int(pal ? device.pal.Row(i / 8).Fuse(i % 8) : i < 64 && device.prom.Fuse(i / 16, i % 16));
                };
                const auto intact = [&] {
                    int n = 0;
                    for (int i = 0; i < 128; ++i)
                        n += fuseAt(i);
                    return n;
                };
                for (int r = 0; r < 16; ++r)
                    for (int c = 0; c < (pal ? 8 : 4); ++c) {
                        const auto fuse = [&] { return fuseAt(pal ? 8 * r + c : 16 * c + r); };
                        const ZRect cell = pal ? L::AndCellRect(c, r) : L::OrCellRect(c, r);
                        // Away from 100 % a unit's picture covers x - 0.5 .. x + 0.5:
                        // the cell's first device pixel inside that counts too.
                        const double z = zoom / 100.0, half = zoom == kActualZoom ? 0 : 0.5;
                        const QPoint corner(int(std::floor((cell.left - half) * z + 1)),
                                            int(std::floor((cell.top - half) * z + 1)));
                        for (const QPoint shown : {Centre(cell) * z, corner}) { // rounded
                            m_view->horizontalScrollBar()->setValue(shown.x() - vp->width() / 2);
                            m_view->verticalScrollBar()->setValue(shown.y() - vp->height() / 2);
                            const int before = intact(), was = fuse();
                            QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, shown - m_view->ScrollOffset());
                            QVERIFY2(fuse() != was && intact() == before + fuse() - was,
                                     qPrintable(QString("zoom %1, row %2, column %3, (%4, %5)")
                                                    .arg(zoom).arg(r).arg(c).arg(shown.x()).arg(shown.y())));
                        }
                    }
            }
        }
        QCOMPARE(CheckDocument(m_doc->Device()), std::string());
    }

    // The pencil over what a click would change, the arrow elsewhere.
    void cursor()
    {
        const QPoint orCell = Centre(L::OrCellRect(3, 2)), gate = Centre(L::OutputGate(0));
        const QPoint andCell = Centre(L::AndCellRect(2, 2)), row = Centre(L::RowGate(15));
        const auto pencil = Qt::BitmapCursor, arrow = Qt::ArrowCursor;
        const std::tuple<int, QPoint, Qt::CursorShape> cases[] = {
            {ID_TYPE_PROM, orCell, pencil}, {ID_TYPE_PROM, gate, pencil}, {ID_TYPE_PROM, andCell, arrow},
            {ID_TYPE_PAL, andCell, pencil}, {ID_TYPE_PAL, row, pencil},   {ID_TYPE_PAL, orCell, arrow},
            {ID_TYPE_PAL, QPoint(700, 700), arrow}, {ID_BLOCK_STRUCTURE, andCell, arrow}, {ID_TYPE_PROM, orCell, arrow}};
        for (const auto& [command, at, shape] : cases) {
            m_view->OnCommand(command);
            QCOMPARE(ShapeOver(at), shape);
        }
    }

    // The texts are the view logic's; here they reach the picture.
    void annotationsArePainted()
    {
        QImage img = m_view->RenderImage();
        // Label, list and sum of the last function; no row labels yet.
        QVERIFY(Dark(img, QRect(500, 380, 30, 16)) > 5 && Dark(img, QRect(550, 380, 300, 16)) > 100 &&
                Dark(img, QRect(520, 405, 30, 16)) > 3);
        QCOMPARE(Dark(img, QRect(380, 130, 110, 420)), 0);
        const QPixmap sigma = ZylPixmap(kPicSigma, 1.0);
        QCOMPARE(img.copy(535, 140, 11, 15).convertToFormat(QImage::Format_RGB32),
                 sigma.toImage().convertToFormat(QImage::Format_RGB32));
        m_view->OnCommand(ID_SHOW_MINTERMS);
        img = m_view->RenderImage();
        for (int r = 0; r < 16; ++r)
            QVERIFY(Dark(img, QRect(380, 137 + 25 * r, 100, 18)) > 10);
        // In PLA mode nothing is annotated.
        m_view->OnCommand(ID_TYPE_PLA);
        QCOMPARE(Dark(m_view->RenderImage(), QRect(380, 130, 600, 420)), 0);
    }

    // Hover draws nothing unless the Karnaugh maps are shown; there it tints
    // the AND row until the pointer leaves, and the term a PROM group means
    // behind its text; no picture ever carries the tint.
    void hoverTintsOnlyWithTheMapsShown()
    {
        m_view->OnCommand(ID_TYPE_PAL);
        const QImage clean = m_view->RenderImage(), shown = m_view->viewport()->grab().toImage();
        const QPoint row = Centre(L::AndCellRect(3, 5));
        ShapeOver(row);
        QCOMPARE(m_view->viewport()->grab().toImage(), shown);
        CDialogManager dialogs(*m_doc, m_view.get());
        m_view->SetKarnaughShown([&dialogs] { return dialogs.IsShown(ID_EDIT_KARNAUGH); });
        dialogs.OnCommand(ID_EDIT_KARNAUGH);
        ShapeOver(row);
        QVERIFY(SharedHighlight().Get().andRow == 5 && m_view->viewport()->grab().toImage() != shown);
        QVERIFY(m_view->RenderImage() == clean && m_view->GrabLogicalRect({0, 0, 400, 600}) == clean.copy(0, 0, 400, 600));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_view->viewport(), &leave);
        QCOMPARE(SharedHighlight().Get().andRow, -1);

        m_view->OnCommand(ID_TYPE_PROM);
        SharedHighlight().Set(CHighlight{-1, 3, 0});
        const QImage tinted = m_view->viewport()->grab().toImage();
        const ZRect area = L::FunctionArea(3);
        int yellow = 0; // on the line of the term "1", round its letter
        for (int i = 0; i < 25 * 13; ++i) {
            const QRgb c = tinted.pixel(area.left + 35 + i % 25, area.top + 85 + i / 25);
            yellow += qBlue(c) < 150 && qRed(c) > 200;
        }
        QVERIFY2(yellow > 60, qPrintable(QString::number(yellow)));
        m_view->OnCommand(ID_TYPE_PLA); // hides the maps
        QVERIFY(SharedHighlight().Get() == CHighlight{});
        m_view->SetKarnaughShown({});
    }
};

QTEST_MAIN(TestViewEditing)
#include "test_view_editing.moc"
