// SPDX-License-Identifier: GPL-3.0-or-later
// The fuse map by keyboard and by screen reader on the real view: a key
// sequence does to the document what its mouse sequence does (messages,
// popups and set-backs included); the accessible objects name the cells and
// tell their changes; the cursor's mark shows only after a navigation key
// and never in the picture.
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "FuseMapLayout.h"
#include "RecordingPlatform.h"

#include "AccessibleEvents.h"

#include <QAccessible>
#include <QtTest>

#include <memory>

namespace {

namespace L = FuseMapLayout;
using C = CFuseMapCell;

// A view on a document of its own, made ready by a command, driven by
// keys or by the mouse.
struct CSession
{
    CRecordingPlatform platform;
    CScopedPlatform scope{&platform};
    CZYLDoc doc;
    CZYLView view{doc};
    explicit CSession(int command, const std::vector<int>& popupAnswers)
    {
        view.resize(1200, 1000);
        view.show();
        view.OnCommand(command);
        if (command == ID_TYPE_PROM) // a don't care at Y0's minterm 1
            doc.Edit([](DeviceEditor& e) { e.SetPromEntry(0, 1, 'X', false); });
        platform.popupAnswers = popupAnswers;
    }
};

} // namespace

class TestViewKeys : public QObject
{
    Q_OBJECT

private slots:
    // Each row: the type, the keys, and the cells the mouse clicks to the
    // same end (an X first: the popup answers 1 for both).
    void keysDoWhatClicksDo_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("keys"); // "R" right, "L" left, "D" down, "U" up, "E" end, "P" page down,
                                           // " " space, "S" shift+space, "N" return, "M" menu key, "F" shift+F10
        QTest::addColumn<std::vector<C>>("clicks");
        QTest::addColumn<bool>("changes"); // the device
        QTest::newRow("PROM fuse") << int(ID_TYPE_PROM) << "RD " << std::vector<C>{{C::OrCell, 1, 1, 0}} << true;
        QTest::newRow("PROM don't care by menu key, then twice") << int(ID_TYPE_PROM) << "DM N"
            << std::vector<C>{{C::OrCell, 0, 1, 0}, {C::OrCell, 0, 1, 0}, {C::OrCell, 0, 1, 0}} << true;
        QTest::newRow("PROM menu key on a fuse") << int(ID_TYPE_PROM) << "MF" << std::vector<C>{} << false;
        QTest::newRow("PROM gate") << int(ID_TYPE_PROM) << "EPPPPPS" << std::vector<C>{{C::OutputGate, 3, 0, 0}} << true;
        QTest::newRow("PAL fuse twice, a gate") << int(ID_TYPE_PAL) << "DDDRR NE "
            << std::vector<C>{{C::AndCell, 0, 3, 2}, {C::AndCell, 0, 3, 2}, {C::RowGate, 0, 3, 0}} << true;
        QTest::newRow("PAL menu key") << int(ID_TYPE_PAL) << "MF" << std::vector<C>{} << false;
        QTest::newRow("PLA") << int(ID_TYPE_PLA) << " NMDS" << std::vector<C>{{C::OrCell, 0, 0, 0}} << false;
        QTest::newRow("block structure") << int(ID_BLOCK_STRUCTURE) << "R N" << std::vector<C>{{C::OrCell, 1, 0, 0}} << false;
    }
    void keysDoWhatClicksDo()
    {
        QFETCH(int, command);
        QFETCH(QString, keys);
        QFETCH(std::vector<C>, clicks);
        QFETCH(bool, changes);
        const std::map<QChar, std::pair<Qt::Key, Qt::KeyboardModifiers>> names = {
            {'R', {Qt::Key_Right, {}}}, {'L', {Qt::Key_Left, {}}},     {'D', {Qt::Key_Down, {}}},
            {'U', {Qt::Key_Up, {}}},    {'E', {Qt::Key_End, {}}},      {'P', {Qt::Key_PageDown, {}}},
            {' ', {Qt::Key_Space, {}}}, {'S', {Qt::Key_Space, Qt::ShiftModifier}}, {'N', {Qt::Key_Return, {}}},
            {'M', {Qt::Key_Menu, {}}},  {'F', {Qt::Key_F10, Qt::ShiftModifier}}};
        // One session at a time: each installs its platform.
        const auto outcome = [&](bool keyboard) {
            CSession s(command, {1});
            for (QChar key : keyboard ? keys : QString())
                QTest::keyClick(&s.view, names.at(key).first, names.at(key).second);
            for (const C& cell : keyboard ? std::vector<C>{} : clicks) {
                const ZRect r = FuseMapCellRect(cell);
                QTest::mouseClick(s.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                                  QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            }
            return std::tuple(s.doc.Device(), s.doc.IsModified(), s.platform.Recorded(), s.platform.popupsShown);
        };
        QVERIFY(outcome(true) == outcome(false));
        QCOMPARE(std::get<0>(outcome(true)) != CSession(command, {}).doc.Device(), changes);
    }

    // The map, its table and a cell before and after a change by key, with
    // the events that tell it; a PAL's table.
    void accessibleObjects()
    {
        CSession s(ID_TYPE_PROM, {});
        QAccessibleInterface* map = QAccessible::queryAccessibleInterface(&s.view);
        QVERIFY(map);
        QCOMPARE(map->role(), QAccessible::Pane);
        QCOMPARE(map->text(QAccessible::Name), QString("Fuse map"));
        QCOMPARE(map->childCount(), 1 + 4 + 8); // the OR array, its gates, two lines a function
        QAccessibleInterface* table = map->child(0);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->childCount(), 64);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(5, 1);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->text(QAccessible::Name), QString("OR fuse, output Y1, minterm 5, intact"));
        QVERIFY(cell->state().checked && !cell->state().focused);
        QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), "output Y1");
        QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), "minterm 5, A'BC'D");
        QCOMPARE(map->child(5)->text(QAccessible::Name), QString("Y0 = Σm ( 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, "
                                                                  "12, 13, 14, 15 ) with don't care 1"));

        bool heard = false;
        QStringList focused, renamed, restated;
        {
            const CAccessibleEvents events;
            heard = CAccessibleEvents::Active();
            s.view.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&s.view));
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Space})
                QTest::keyClick(&s.view, key);
            focused = events.Of(QAccessible::Focus);
            renamed = events.Of(QAccessible::NameChanged);
            restated = events.Of(QAccessible::StateChanged);
        }
        QVERIFY2(heard, "the platform's accessibility could not be switched on");
        const QString blown("OR fuse, output Y1, minterm 5, blown");
        QCOMPARE(cell->text(QAccessible::Name), blown);
        QVERIFY(!cell->state().checked);
        QCOMPARE(map->focusChild(), cell);
        // The cursor came (the cell still intact), then the cell changed.
        QCOMPARE(focused.count("OR fuse, output Y1, minterm 5, intact"), 1);
        QCOMPARE(renamed.count(blown), 1);
        QCOMPARE(restated.count(blown), 1);
        {
            // A rename is told for every cell whose name holds the name.
            const CAccessibleEvents events;
            CNames names = s.doc.Device().names;
            names.functions[1] = "Z";
            s.doc.Edit([&names](DeviceEditor& e) { e.SetNames(names); });
            renamed = events.Of(QAccessible::NameChanged);
        }
        QCOMPARE(renamed.count("OR fuse, output Z, minterm 5, blown"), 1);
        QCOMPARE(renamed.filter(", output Z, ").size(), 16);

        s.view.OnCommand(ID_TYPE_PAL);
        QCOMPARE(map->childCount(), 1 + 16 + 4); // the AND array, its gates, "Y0 = 0" and so on
        QCOMPARE(map->child(0)->childCount(), 128);
        QCOMPARE(map->child(0)->tableInterface()->cellAt(3, 3)->text(QAccessible::Name),
                 QString("AND fuse, row 3, input B complemented, intact"));
        s.view.OnCommand(ID_TYPE_PLA);
        QCOMPARE(map->childCount(), 0);
    }

    // No mark before a navigation key or without the focus; never in the
    // picture that print, export and copy draw.
    void cursorMarkOnlyOnTheScreen()
    {
        CSession s(ID_TYPE_PROM, {});
        s.view.activateWindow();
        s.view.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&s.view));
        const QImage picture = s.view.RenderImage(), screen = s.view.viewport()->grab().toImage();
        QTest::keyClick(&s.view, Qt::Key_Space); // no navigation key
        s.doc.Edit([](DeviceEditor& e) { e.TogglePromFuse(0, 0); }); // set back
        QCOMPARE(s.view.viewport()->grab().toImage(), screen);
        QTest::keyClick(&s.view, Qt::Key_Left);
        QVERIFY(s.view.CursorShown());
        QVERIFY(s.view.viewport()->grab().toImage() != screen);
        QCOMPARE(s.view.RenderImage(), picture);
        s.view.clearFocus();
        QVERIFY(!s.view.CursorShown());
        QCOMPARE(s.view.viewport()->grab().toImage(), screen);
    }
};

QTEST_MAIN(TestViewKeys)
#include "test_view_keys.moc"
