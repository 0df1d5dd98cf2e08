// SPDX-License-Identifier: GPL-3.0-or-later
// The Karnaugh maps window with real mouse events offscreen: its command
// opens it, a click on a cell programs the PAL, hovering a group shares its
// AND row and a row hovered elsewhere emphasises its group, also zoomed; the
// SVG export of the maps is vector with each
// cell's value as a text.
#include "CKarnaughDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "CommandIds.h"
#include "Highlight.h"
#include "PictureExport.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestDlgKarnaugh : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QSettings().clear(); }

    void clickAndHoverLinkTheRows()
    {
        CRecordingPlatform platform;
        CScopedPlatform scoped(&platform);
        CZYLDoc doc;
        doc.m_bProm = 0;
        doc.m_bPal = 1;
        CViewDialogs dialogs(doc, nullptr);
        doc.AddListener([&dialogs] { dialogs.RefreshAll(); });
        dialogs.OnCommand(ID_EDIT_KARNAUGH);
        auto* dlg = static_cast<CKarnaughDlg*>(dialogs.Dialog(ID_EDIT_KARNAUGH));
        QVERIFY(dlg && dlg->isVisible());
        QWidget& canvas = dlg->Canvas();

        // Minterm 5 of function 0 stands in row AB = 01, column CD = 01.
        const ZRect cell = KarnaughCellRect(0, 1, 1);
        QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(cell.left + 20, cell.top + 20));
        QCOMPARE(doc.m_szPalTable[0][5], '1');
        const CKarnaughGroups& groups = dlg->Canvas().Groups();
        QCOMPARE(groups[0].size(), std::size_t(1));
        QCOMPARE(groups[0][0].andRow, 0);

        const ZRect outline = KarnaughPieceRect(0, 0, groups[0][0].pieces[0]);
        QTest::mouseMove(&canvas, QPoint(outline.left, outline.top + 10));
        QCOMPARE(SharedHighlight().Get().andRow, 0);
        QTest::mouseMove(&canvas, QPoint(2, 2));
        QCOMPARE(SharedHighlight().Get().andRow, -1);

        SharedHighlight().Set(CHighlight{0, -1, -1});
        QCOMPARE(dlg->Canvas().Emphasis(), (CKarnaughEmphasis{{0, 0}}));
        SharedHighlight().Set(CHighlight{});

        // A step in by Ctrl + wheel on the scrolled maps, remembered; a click
        // where the zoom shows minterm 5 of function 1 lands on it.
        QWheelEvent wheel(QPointF(30, 30), QPointF(30, 30), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas.parentWidget(), &wheel);
        QCOMPARE(std::pair(dlg->Zoom(), QSettings().value("Windows/KarnaughZoom").toInt()), std::pair(125, 125));
        const ZRect zoomed = KarnaughCellRect(1, 1, 1);
        QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(zoomed.left + 20, zoomed.top + 20) * 1.25);
        QCOMPARE(doc.m_szPalTable[1][5], '1');
        dlg->SetZoom(100, QPoint());
    }

    void svgExportHoldsEveryValueAsText()
    {
        CZYLDoc doc;
        for (int f = 0; f < 4; ++f)
            for (int r = 0; r < 16; ++r)
                doc.m_szPromTable[f][r] = "01X"[(f + r * 7) % 3];
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("maps.svg")).toStdString();
        std::string error;
        const ZSize size = KarnaughCanvasSize();
        QVERIFY2(ExportPicture(path, size.cx, size.cy,
                               [&doc](QPainter& p) { PaintKarnaughMaps(p, doc, KarnaughGroups(doc)); }, 1.0, error),
                 error.c_str());
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        QVERIFY(!svg.contains(QStringLiteral("<image")));
        // The values are the texts in the large font, map by map in Gray order.
        static const QRegularExpression value(QStringLiteral("<text[^>]*font-size=\"21\"[^>]*>\\s*([01X])\\s*</text>"));
        QString found, expected;
        for (auto it = value.globalMatch(svg); it.hasNext();)
            found += it.next().captured(1);
        for (int f = 0; f < 4; ++f)
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column)
                    expected += QChar::fromLatin1(doc.m_szPromTable[f][KarnaughMinterm(row, column)]);
        QCOMPARE(found, expected);
    }
};

QTEST_MAIN(TestDlgKarnaugh)
#include "test_dlg_karnaugh.moc"
