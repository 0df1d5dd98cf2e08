// SPDX-License-Identifier: GPL-3.0-or-later
// The Karnaugh maps window with real mouse events offscreen: its command
// opens it, a click on a cell programs the PAL, hovering a group shares its
// AND row and a row hovered elsewhere emphasises its group, also zoomed; the
// SVG export holds the values as texts and the groups cut to their maps; the
// colours read under a dark palette.
#include "CKarnaughDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "DocOps.h"
#include "CommandIds.h"
#include "Highlight.h"
#include "PictureExport.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <bit>
#include <cmath>

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

        const ZRect outline = KarnaughPieceRect(0, groups[0][0], groups[0][0].pieces[0]);
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

    // The SVG export is vector with each cell's value as a text, and every
    // piece of every group (the XOR's eight, the corners' four) is a shape
    // already cut to its map, at least 16 units each way.
    void svgExportHoldsValuesAndGroupsInsideTheMaps()
    {
        CZYLDoc doc;
        for (int f = 0; f < 4; ++f) {
            for (int r = 0; r < 16; ++r) {
                doc.m_szPromTable[f][r] = f == 0 ? "01"[std::popcount(unsigned(r)) % 2]
                                          : f == 1 ? "10"[(r & 5) != 0] : "01X"[(f + r * 7) % 3];
                doc.m_nOrFuse[f][r] = doc.m_szPromTable[f][r] == '1';
            }
            UpdateLists(doc, f);
        }
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("maps.svg")).toStdString();
        std::string error;
        const ZSize size = KarnaughCanvasSize();
        const CKarnaughGroups groups = KarnaughGroups(doc);
        QVERIFY2(ExportPicture(path, size.cx, size.cy, [&](QPainter& p) { PaintKarnaughMaps(p, doc, groups); }, 1.0,
                               error),
                 error.c_str());
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QString values, expected;
        std::size_t pieces = 0, shapes = 0;
        QTransform transform;
        static const QRegularExpression number(QStringLiteral("-?[0-9.]+"));
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = svg.attributes();
            if (svg.name() == u"image")
                QFAIL("a raster image");
            if (svg.name() == u"g") {
                QList<double> m;
                for (auto it = number.globalMatch(a.value(QStringLiteral("transform"))); it.hasNext();)
                    m.append(it.next().captured().toDouble());
                transform = m.size() == 6 ? QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) : QTransform();
            } else if (svg.name() == u"text" && a.value(QStringLiteral("font-size")) == u"21") {
                values += svg.readElementText().trimmed(); // the values, in the large font
            } else if (svg.name() == u"path") {
                QPolygonF points;
                QList<double> xy;
                for (auto it = number.globalMatch(a.value(QStringLiteral("d"))); it.hasNext();)
                    xy.append(it.next().captured().toDouble());
                for (qsizetype i = 0; i + 1 < xy.size(); i += 2)
                    points.append(transform.map(QPointF(xy[i], xy[i + 1])));
                const QRectF box = points.boundingRect();
                int f = 0;
                while (f < 3 && !KarnaughMapRect(f).Contains(int(box.center().x()), int(box.center().y())))
                    ++f;
                const ZRect map = KarnaughMapRect(f);
                ++shapes;
                QVERIFY2(box.left() >= map.left && box.top() >= map.top && box.right() <= map.right &&
                             box.bottom() <= map.bottom && box.width() >= 16 && box.height() >= 16,
                         qPrintable(a.value(QStringLiteral("d")).toString()));
            }
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        for (int f = 0; f < 4; ++f) {
            for (const CKarnaughGroup& group : groups[std::size_t(f)])
                pieces += group.pieces.size();
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column)
                    expected += QChar::fromLatin1(doc.m_szPromTable[f][KarnaughMinterm(row, column)]);
        }
        QCOMPARE(values, expected);
        QCOMPARE(groups[0].size() + groups[1][0].pieces.size(), std::size_t(12));
        QCOMPARE(shapes, pieces);
    }

    // Under a dark palette the window's maps are dark, and every text and
    // line keeps a contrast of 4.5 : 1 to what it is drawn on.
    void darkPaletteStaysReadable()
    {
        const auto contrast = [](const QColor& a, const QColor& b) {
            const auto luminance = [](const QColor& c) {
                double sum = 0;
                for (const auto& [v, w] : {std::pair(c.redF(), 0.2126), {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
                    sum += w * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
                return sum;
            };
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        QPalette dark;
        for (const auto& [role, colour] : {std::pair(QPalette::Window, QColor(53, 53, 53)), {QPalette::Base, QColor(42, 42, 42)},
                                           {QPalette::Text, QColor(230, 230, 230)}, {QPalette::WindowText, Qt::white}})
            dark.setColor(role, colour);
        CZYLDoc doc;
        CKarnaughDlg dlg(doc);
        dlg.setPalette(dark);
        const CKarnaughColours colours = CKarnaughColours::FromPalette(dlg.Canvas().palette());
        QCOMPARE(dlg.Canvas().grab().toImage().pixelColor(2, 2), QColor(42, 42, 42));
        for (const QColor& ink : {colours.text, colours.numbers})
            QVERIFY(contrast(ink, colours.background) >= 4.5);
        for (std::size_t g = 0; g < colours.groups.size(); ++g) {
            QVERIFY(contrast(colours.groups[g], colours.background) >= 4.5); // outlines and terms
            for (const QColor& ink : {colours.text, colours.numbers}) // values and numbers of emphasised cells
                QVERIFY(contrast(ink, colours.tints[g]) >= 4.5);
        }
    }
};

QTEST_MAIN(TestDlgKarnaugh)
#include "test_dlg_karnaugh.moc"
