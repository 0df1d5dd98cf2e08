// SPDX-License-Identifier: GPL-3.0-or-later
// The keys on the truth table and the maps do what the mouse does there.
// The Karnaugh maps window with real mouse events offscreen: its command
// opens it, a click on a cell programs the PAL, hovering a group shares its
// AND row and a row hovered elsewhere emphasises its group, also zoomed; the
// SVG export holds the values as texts and the groups cut to their maps; the
// colours read under a dark palette.
#include "AccessibleEvents.h"
#include "CKarnaughDlg.h"
#include "CDialogManager.h"
#include "CTruthTableDlg.h"
#include "CTruthTableGrid.h"
#include "CZYLDoc.h"
#include "CommandIds.h"
#include "Highlight.h"
#include "PictureExport.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

namespace {

// Where a sequence of cell actions is done: the truth table or the maps,
// by mouse or by keys.
enum Surface { TableMouse, TableKeys, MapMouse, MapKeys };

void Press(QWidget& w, Qt::Key key, int times = 1, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(&w, key, mods);
}

// The keys that take a surface's cursor to output f in row r, from anywhere.
void GoTo(Surface s, QWidget& w, int f, int r)
{
    const CKarnaughCell cell = KarnaughCellOf(r);
    const bool table = s == TableKeys;
    Press(w, table ? Qt::Key_PageUp : Qt::Key_Up, table ? 1 : 7);
    Press(w, table ? Qt::Key_Home : Qt::Key_Left, table ? 1 : 7);
    Press(w, Qt::Key_Right, table ? f : f % 2 * 4 + cell.column);
    Press(w, Qt::Key_Down, table ? r : f / 2 * 4 + cell.row);
}

QPoint CellPoint(Surface s, int f, int r)
{
    const CKarnaughCell cell = KarnaughCellOf(r);
    const ZRect z = s == TableMouse ? TableClickRect(f, r) : KarnaughCellRect(f, cell.row, cell.column);
    return QPoint((z.left + z.right) / 2, (z.top + z.bottom) / 2);
}

// One action "c1.6" (click on output 1, row 6), "s1.6" (Shift+click) or
// "p1.6:2" (popup item 2) on a surface.
void Act(Surface s, QWidget& w, const QString& action, CRecordingPlatform& platform)
{
    const QStringList parts = action.mid(1).split(QRegularExpression("[.:]"));
    const int f = parts[0].toInt(), r = parts[1].toInt();
    const QChar kind = action[0];
    if (kind == 'p')
        platform.popupAnswers = {parts[2].toInt()};
    if (s == TableKeys || s == MapKeys) {
        GoTo(s, w, f, r);
        if (kind == 'p')
            s == TableKeys ? Press(w, Qt::Key_Menu) : Press(w, Qt::Key_F10, 1, Qt::ShiftModifier);
        else
            Press(w, kind == 's' || r % 2 ? Qt::Key_Space : Qt::Key_Return, 1,
                  kind == 's' ? Qt::ShiftModifier : Qt::NoModifier);
        return;
    }
    const QPoint at = CellPoint(s, f, r);
    if (kind != 'p') {
        QTest::mouseClick(&w, Qt::LeftButton, kind == 's' ? Qt::ShiftModifier : Qt::NoModifier, at);
        return;
    }
    QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.mapToGlobal(at));
    QApplication::sendEvent(&w, &event);
}

// The device and the messages after the actions on a surface.
std::pair<Device, std::vector<std::string>> Outcome(Surface s, DeviceType type, const QString& actions)
{
    CRecordingPlatform platform;
    CScopedPlatform scoped(&platform);
    CZYLDoc doc;
    doc.Edit([type](DeviceEditor& e) { e.SetType(type); });
    CTruthTableDlg table(doc);
    CKarnaughDlg maps(doc);
    QWidget& w = s == TableMouse ? static_cast<QWidget&>(table)
                 : s == TableKeys ? static_cast<QWidget&>(table.Grid())
                                  : static_cast<QWidget&>(maps.Canvas());
    for (const QString& action : actions.split(' '))
        Act(s, w, action, platform);
    return {doc.Device(), platform.Recorded()};
}

} // namespace

class TestDlgKarnaugh : public QObject
{
    Q_OBJECT

private slots:
    // Four tables of named cells; a click's change is told with the new
    // value and groups, the cursor's moves as focus.
    void mapsReadAsTables()
    {
        CAccessibleEvents events;
        CZYLDoc doc;
        doc.Edit([](DeviceEditor& e) { e.SetType(DeviceType::Pal); });
        CKarnaughDlg dlg(doc);
        dlg.Refill();
        QAccessibleInterface* maps = QAccessible::queryAccessibleInterface(&dlg.Canvas());
        QCOMPARE(std::pair(maps->role(), maps->childCount()), std::pair(QAccessible::Pane, 4));
        QAccessibleInterface* map = maps->child(2);
        QCOMPARE(std::tuple(map->role(), map->text(QAccessible::Name), map->childCount()),
                 std::tuple(QAccessible::Table, QString("Karnaugh map of Y2"), 16));
        QCOMPARE(map->tableInterface()->rowDescription(2) + map->tableInterface()->columnDescription(3),
                 "AB = 11CD = 10");
        QAccessibleInterface* cell = map->tableInterface()->cellAt(1, 3); // minterm 6
        QCOMPARE(cell->text(QAccessible::Name), "Y2, minterm 6, 0, no group");

        QTest::mouseClick(&dlg.Canvas(), Qt::LeftButton, Qt::NoModifier, CellPoint(MapMouse, 2, 6));
        QTest::mouseClick(&dlg.Canvas(), Qt::LeftButton, Qt::NoModifier, CellPoint(MapMouse, 2, 7));
        dlg.Refill();
        QCOMPARE(std::pair(cell->text(QAccessible::Name), cell->text(QAccessible::Value)),
                 std::pair(QString("Y2, minterm 6, 1, group A'BC"), QString("1")));
        Press(dlg.Canvas(), Qt::Key_Down, 5);
        if (events.Active()) {
            QCOMPARE(events.Of(QAccessible::ValueChanged),
                     QStringList({"Y2, minterm 7, 1, group A'BC", "Y2, minterm 6, 1, group A'BC"}));
            QCOMPARE(events.Of(QAccessible::Focus).last(), "Y2, minterm 4, 0, no group");
        }
    }

    void keysDoWhatTheMouseDoes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("PROM fuse, don't care, popup") << int(DeviceType::Prom) << "c1.6 s1.6 c1.6 p2.3:0 p1.6:2 c3.15"
                                                      << QStringList();
        // The fifth term is refused and set back; the popup's value stays.
        QTest::newRow("PAL refusals") << int(DeviceType::Pal) << "c0.0 c0.3 c0.5 c0.6 c0.9 p0.9:1"
                                      << QStringList{QString("S:") + kTableSopLimitMessage,
                                                     QString("S:") + kTablePopupLimitMessage};
        QTest::newRow("PAL don't care and popup") << int(DeviceType::Pal) << "s2.4 c2.4 c3.15 p3.15:2 p1.7:1"
                                                  << QStringList();
        QTest::newRow("PLA: nothing") << int(DeviceType::Pla) << "c0.0 p0.1:1" << QStringList();
    }

    void keysDoWhatTheMouseDoes()
    {
        QFETCH(int, type);
        QFETCH(QString, actions);
        QFETCH(QStringList, messages);
        const auto byMouse = Outcome(TableMouse, DeviceType(type), actions);
        QStringList recorded;
        for (const std::string& m : byMouse.second)
            recorded << QString::fromStdString(m);
        QCOMPARE(recorded, messages);
        for (const Surface s : {TableKeys, MapMouse, MapKeys})
            QVERIFY2(Outcome(s, DeviceType(type), actions) == byMouse, qPrintable(QString::number(s)));
    }

    void initTestCase() { QSettings().clear(); }

    void clickAndHoverLinkTheRows()
    {
        CRecordingPlatform platform;
        CScopedPlatform scoped(&platform);
        CZYLDoc doc;
        doc.Edit([](DeviceEditor& e) { e.SetType(DeviceType::Pal); });
        CDialogManager dialogs(doc, nullptr);
        dialogs.OnCommand(ID_EDIT_KARNAUGH);
        auto* dlg = static_cast<CKarnaughDlg*>(dialogs.Dialog(ID_EDIT_KARNAUGH));
        QVERIFY(dlg && dlg->isVisible());
        QWidget& canvas = dlg->Canvas();

        // Minterm 5 of function 0 stands in row AB = 01, column CD = 01.
        const ZRect cell = KarnaughCellRect(0, 1, 1);
        QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(cell.left + 20, cell.top + 20));
        QCOMPARE(doc.Device().pal.Entry(0, 5), '1');
        const CKarnaughGroups& groups = dlg->Canvas().Groups();
        QVERIFY(groups[0].size() == 1 && groups[0][0].andRow == 0);

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
        QCOMPARE(doc.Device().pal.Entry(1, 5), '1');
        dlg->SetZoom(100, QPoint());

        // Print: the platform's print dialog names the file the maps go to.
        QTemporaryDir dir;
        platform.print = [&dir](QPrinter& p) { p.setOutputFileName(dir.filePath("maps.pdf")); return true; };
        dlg->OnPrint();
        QVERIFY(QFile(dir.filePath("maps.pdf")).size() > 2000 && platform.messages.empty());

        // Under a dark palette the maps are dark, and every text and line
        // keeps a contrast of 4.5 : 1 to what it is drawn on.
        const auto lum = [](const QColor& c) {
            const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
        };
        const auto contrast = [&](const QColor& a, const QColor& b) { return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b)); };
        QPalette dark(QColor(230, 230, 230), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        dlg->setPalette(dark);
        const CKarnaughColours colours = CKarnaughColours::FromPalette(canvas.palette());
        QCOMPARE(canvas.grab().toImage().pixelColor(2, 2), QColor(42, 42, 42));
        QVERIFY(contrast(colours.text, colours.background) >= 4.5 && contrast(colours.numbers, colours.background) >= 4.5);
        for (std::size_t g = 0; g < colours.groups.size(); ++g) // outlines and terms; values and numbers on a tint
            QVERIFY(contrast(colours.groups[g], colours.background) >= 4.5 && contrast(colours.text, colours.tints[g]) >= 4.5 &&
                    contrast(colours.numbers, colours.tints[g]) >= 4.5);
    }

    // The SVG export is vector with each cell's value as a text, and every
    // piece of every group (the XOR's eight, the corners' four) is a shape
    // already cut to its map (the painter is not moved at scale 1), at
    // least 16 units each way.
    void svgExportHoldsValuesAndGroupsInsideTheMaps()
    {
        Device device;
        CoverCache covers;
        for (int f = 0; f < 4; ++f)
            for (int r = 0; r < 16; ++r) {
                const char v = f > 1 ? "01X"[(f + r * 7) % 3] : f ? "10"[(r & 5) != 0] : "0110100110010110"[r];
                DeviceEditor(device).SetPromEntry(f, r, v, false);
            }
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("maps.svg")).toStdString();
        std::string error;
        const ZSize size = KarnaughCanvasSize();
        const CKarnaughGroups groups = KarnaughGroups(device, covers);
        QVERIFY2(ExportPicture(path, size.cx, size.cy, [&](QPainter& p) { PaintKarnaughMaps(p, device, groups); }, 1.0,
                               error),
                 error.c_str());
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QString values, expected;
        std::size_t pieces = 0, shapes = 0;
        static const QRegularExpression point(QStringLiteral("(-?[0-9.]+),(-?[0-9.]+)"));
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            QVERIFY(svg.name() != u"image");
            if (svg.name() == u"text" && svg.attributes().value(QStringLiteral("font-size")) == u"21")
                values += svg.readElementText().trimmed(); // the values, in the large font
            if (svg.name() != u"path")
                continue;
            QPolygonF points;
            for (auto it = point.globalMatch(svg.attributes().value(QStringLiteral("d"))); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                points << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
            }
            const QRectF box = points.boundingRect();
            const std::optional<CKarnaughHit> in = KarnaughHitCell({int(box.center().x()), int(box.center().y())});
            const ZRect map = KarnaughMapRect(in ? in->f : 0);
            QVERIFY(in && QRectF(map.left, map.top, map.Width(), map.Height()).contains(box) && box.width() >= 16 &&
                    box.height() >= 16);
            ++shapes;
        }
        for (int f = 0; f < 4; ++f) {
            for (const CKarnaughGroup& group : groups[std::size_t(f)])
                pieces += group.pieces.size();
            for (int m = 0; m < 16; ++m)
                expected += QChar::fromLatin1(device.prom.Entry(f, KarnaughMinterm(m / 4, m % 4)));
        }
        QCOMPARE(values, expected); // all read: the SVG parsed to its end
        QCOMPARE(groups[0].size() + groups[1][0].pieces.size(), std::size_t(12));
        QCOMPARE(shapes, pieces);
    }
};

QTEST_MAIN(TestDlgKarnaugh)
#include "test_dlg_karnaugh.moc"
