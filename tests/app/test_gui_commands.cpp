// SPDX-License-Identifier: GPL-3.0-or-later
// The command table as the main frame builds it: menus, texts, prompts,
// tool tips, accelerators, toolbar, enabled states and check marks; the
// zoom of the view.
#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CMessageDlg.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QWheelEvent>
#include <QSettings>
#include <QtTest>

#include <map>
#include <memory>

namespace {

// Every menu item with the titles of the menus above it.
void CollectMenus(QMenu* menu, const QStringList& path, std::map<int, QStringList>& out)
{
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            CollectMenus(a->menu(), path + QStringList{a->text()}, out);
        } else if (!a->isSeparator()) {
            out[a->data().toInt()] = path;
        }
    }
}

} // namespace

class TestGuiCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void initTestCase()
    {
        // Start from no remembered settings.
        QSettings(ZYL_SETTINGS_ORGANISATION, ZYL_SETTINGS_APPLICATION).clear();
    }
    void init()
    {
        m_frame.reset();
        m_doc = std::make_unique<CZYLDoc>();
        m_frame = std::make_unique<CMainFrame>(*m_doc);
    }

    void commandTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("row"); // menu, text, keys, prompt, tip
        const QString F = "&File", E = "&Edit", EF = "&Edit/F&unctional Value by", V = "&View", T = "&ZYL Type",
                      S = "Simplif&y", I = "&Input Array", O = "&Output Array", OF = "&Output Array/Re-instate/blow F&uses for",
                      H = "&Help", none = "";
        auto row = [](int id, const QString& menu, const QString& text, const QString& keys, const QString& prompt,
                      const QString& tip) {
            QTest::addRow("%d", id) << id << QStringList{menu, text, keys, prompt, tip};
        };
        row(57600, F, "&New\tCtrl+N", "Ctrl+N", "Create a new document", "New");
        row(57601, F, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing document", "Open");
        row(57603, F, "&Save\tCtrl+S", "Ctrl+S", "Save the active document", "Save");
        row(57604, F, "Save &As...", "", "Save the active document with a new name", "Save As");
        row(32900, F, "&Export Picture...", "", "Export the fuse map as a PNG, SVG or PDF picture", "Export Picture");
        row(57607, F, "&Print...\tCtrl+P", "Ctrl+P", "Print the active document", "Print");
        row(57609, F, "Print Pre&view", "", "Display full pages", "Print Preview");
        row(57606, F, "P&rint Setup...", "", "Change the printer and printing options", "Print Setup");
        row(57616, F, "Recent File", "", "Open this document", "");
        row(57665, F, "E&xit", "", "Quit the application; prompts to save documents", "Exit");
        row(32787, EF, "T&ruth Table", "", "Edit the functional value by means of Truth Table.", "");
        row(32798, EF, "M&interm Table", "", "Edit the function by entering the Minterms.", "");
        row(32799, EF, "M&axterm Table", "", "Edit the function by entering the Maxterms.", "");
        row(32788, E, "Variable and Function Names", "", "Edit the variable and function names.", "");
        row(57643, E, "&Undo\tCtrl+Z", "Ctrl+Z|Alt+Backspace", "Undo the last action", "Undo");
        row(57635, E, "Cu&t\tCtrl+X", "Ctrl+X|Shift+Del", "Cut the selection and put it on the Clipboard", "Cut");
        row(57634, E, "&Copy\tCtrl+C", "Ctrl+C|Ctrl+Ins", "Copy the selection and put it on the Clipboard", "Copy");
        row(57637, E, "&Paste\tCtrl+V", "Ctrl+V|Shift+Ins", "Insert Clipboard contents", "Paste");
        row(32792, V, "&Block Structure", "", "Show the block structure of a ZYL.", "");
        row(32773, V, "A&ND Array Label", "", "View input AND Array label.", "");
        row(32774, V, "&OR Array Label", "", "View output OR Array Label.", "");
        row(32777, V, "PRO&M minterms", "", "Show the minterms of the PROM.", "");
        row(32786, V, "PA&L product terms", "", "Show the product terms of the AND gates of the PAL.", "");
        row(32901, V, "Zoom &In\tCtrl++", "Ctrl++|Ctrl+=|Ctrl+Num++", "Enlarge the drawing.", "");
        row(32902, V, "Zoom O&ut\tCtrl+-", "Ctrl+-|Ctrl+Num+-", "Reduce the drawing.", "");
        row(32903, V, "&Actual Size\tCtrl+0", "Ctrl+0|Ctrl+Num+0", "Show the drawing at its actual size.", "");
        row(59392, V, "&Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar");
        row(59393, V, "&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar");
        row(32789, T, "P&ROM", "", "Set the ZYL to operate in PROM (Programmable Read-Only-Memory) mode.", "");
        row(32790, T, "P&AL", "", "Set the ZYL to operate in PAL (Programmable Array Logic) mode.", "");
        row(32791, T, "P&LA", "", "Set the ZYL to operate in PLA (Programmable Loigc Array) mode.", "");
        row(32811, S, "&Connections in PAL", "", "Simplify the AND gate array connection for the functions in PAL.", "");
        row(32771, I, "&Re-instate all fuses", "", "Re-instate all the fuse connections in the input arrary.", "");
        row(32793, I, "B&low all fuses", "", "Blow all the fuses in the input array.", "");
        for (int j = 0; j < 4; ++j)
            row(32794 + j, OF, QString("Output &%1").arg(j), "", "", "");
        row(32775, O, "Re-&instate all fuses", "", "Reinstate all fuse connections in the output array.", "");
        row(32785, O, "&Blow All Fuses", "", "Blow all fuse connections in the output array.", "");
        row(32814, H, "Circuit symbols for ZYL...", "", "Show the circuit symbol for ZYL.", "");
        row(57664, H, "&About ZYL...", "", "Display program information, version number and copyright", "About");
        row(32812, none, "", "", "Select a region for copying to the Clipboard.", "");
        row(32813, none, "", "", "Copy the selection and put it on the Clipboard", "Copy");
        row(57680, none, "", "F6", "", "");
        row(57681, none, "", "Shift+F6", "", "");
    }
    void commandTable()
    {
        QFETCH(int, id);
        QFETCH(QStringList, row);
        const QString menu = row[0];
        QAction* a = m_frame->Action(id);
        QVERIFY(a);
        QStringList shortcuts;
        for (const QKeySequence& k : a->shortcuts())
            shortcuts << k.toString(QKeySequence::PortableText);
        QCOMPARE((QStringList{menu, menu.isEmpty() ? QString() : a->text(), shortcuts.join('|'), a->statusTip(),
                              a->property("zylToolTip").toString()}),
                 row);
        // Enabled from the start, but for the edit items, which stay disabled
        // (the recent file follows the remembered list, the file tests').
        m_frame->UpdateCommandUI();
        const bool off = id == ID_EDIT_UNDO || id == ID_EDIT_CUT || id == ID_EDIT_COPY || id == ID_EDIT_PASTE;
        if (id != ID_FILE_MRU_FILE1) {
            QCOMPARE(a->isEnabled(), !off);
            QCOMPARE(m_frame->IsCommandEnabled(id), !off);
        }

        std::map<int, QStringList> menus;
        for (QAction* top : m_frame->menuBar()->actions())
            CollectMenus(top->menu(), QStringList{top->text()}, menus);
        QCOMPARE(menus.count(id), std::size_t(menu.isEmpty() ? 0 : 1));
        if (!menu.isEmpty())
            QCOMPARE(menus[id].join('/'), menu);
    }

    void menusAndToolbarInOrder()
    {
        QStringList titles;
        for (QAction* top : m_frame->menuBar()->actions())
            titles << top->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&ZYL Type", "Simplif&y", "&Input Array",
                                      "&Output Array", "&Help"}));
        QList<int> ids;
        for (QAction* a : m_frame->ToolBar()->actions())
            ids << (a->isSeparator() ? 0 : a->data().toInt());
        // The strip of the program's own buttons; the teaching windows' follow it.
        QCOMPARE(ids.mid(0, 24), (QList<int>{57600, 57601, 57603, 0, 32812, 32813, 0, 57607, 0, 32792, 0, 32789, 32790, 32791,
                                  0, 32777, 32786, 0, 32787, 32798, 32799, 32788, 0, 57664}));
    }

    // The check marks follow the document, after a command and after a
    // change from elsewhere.
    void checkMarksFollowDocument()
    {
        const auto checked = [&] {
            QList<int> on;
            for (int id : {int(ID_TYPE_PROM), int(ID_TYPE_PAL), int(ID_BLOCK_STRUCTURE), int(ID_OR_LABEL),
                           OutputCommand(1), OutputCommand(2)})
                if (m_frame->Action(id)->isChecked())
                    on << id;
            return on;
        };
        QCOMPARE(checked(), (QList<int>{ID_TYPE_PROM, OutputCommand(1), OutputCommand(2)}));
        CRecordingPlatform platform;
        CScopedPlatform scope(&platform);
        m_frame->Action(OutputCommand(1))->trigger();
        QCOMPARE(checked(), (QList<int>{ID_TYPE_PROM, OutputCommand(2)}));
        m_doc->Edit([](DeviceEditor& e) {
            e.SetOutputToggle(2, false);
            e.SetType(DeviceType::Pal);
            e.SetFlag(&DisplayFlags::blockStructure, true);
            e.SetFlag(&DisplayFlags::orLabel, true);
        });
        m_frame->UpdateCommandUI();
        QCOMPARE(checked(), (QList<int>{ID_TYPE_PAL, ID_BLOCK_STRUCTURE, ID_OR_LABEL}));
    }

    // The title and the modified mark are the file tests'.
    void statusPane()
    {
        QCOMPARE(m_frame->MessageText(), QString("Ready"));
        QStatusTipEvent hover(m_frame->Action(ID_BLOCK_STRUCTURE)->statusTip());
        QApplication::sendEvent(m_frame.get(), &hover);
        QCOMPARE(m_frame->MessageText(), QString("Show the block structure of a ZYL."));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(m_frame.get(), &leave);
        QCOMPARE(m_frame->MessageText(), QString("Ready"));
    }

    void barsToggleAndAreRemembered()
    {
        m_frame->OnCommand(ID_VIEW_TOOLBAR);
        QVERIFY(m_frame->ToolBar()->isHidden() && !m_frame->Action(ID_VIEW_TOOLBAR)->isChecked());
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        QVERIFY(m_frame->ToolBar()->isHidden());
        m_frame->OnCommand(ID_VIEW_TOOLBAR);
        QVERIFY(!m_frame->ToolBar()->isHidden() && m_frame->Action(ID_VIEW_TOOLBAR)->isChecked());
    }

    // Ctrl + wheel keeps the point under the mouse, the keys the middle of
    // the view; the message pane tells each new zoom; Zoom In ends at the
    // last step; the zoom comes back after a restart, a stored number as a
    // step, anything else as 100 %.
    void zoomKeepsItsPointAndIsRemembered()
    {
        CZYLView* view = m_frame->View();
        const QPoint mouse(120, 80), middle = view->viewport()->rect().center();
        const ZPoint under = view->ToLogical(mouse);
        QWheelEvent wheel(QPointF(mouse), QPointF(view->viewport()->mapToGlobal(mouse)), QPoint(),
                          QPoint(0, 2 * kWheelNotch), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QCOMPARE(std::pair(view->Zoom(), m_frame->MessageText()), std::pair(150, QString("Zoom 150%")));
        QCOMPARE(view->ToLogical(mouse), under);
        const ZPoint centre = view->ToLogical(middle);
        m_frame->OnCommand(ID_ZOOM_IN);
        QCOMPARE(view->Zoom(), 200);
        QVERIFY(std::abs(view->ToLogical(middle).x - centre.x) <= 1 && std::abs(view->ToLogical(middle).y - centre.y) <= 1);
        for (int i = 0; i < 3; ++i)
            m_frame->Action(ID_ZOOM_IN)->trigger();
        QVERIFY(view->Zoom() == 400 && !m_frame->Action(ID_ZOOM_IN)->isEnabled());
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        QCOMPARE(m_frame->View()->Zoom(), 400);
        for (const auto& [stored, zoom] : {std::pair{"-2147483648", 50}, {"99999999999", 100}, {"abc", 100}, {"1e9", 100}}) {
            QSettings(ZYL_SETTINGS_ORGANISATION, ZYL_SETTINGS_APPLICATION).setValue("Settings/Zoom", stored);
            QCOMPARE(CMainFrame(*m_doc).View()->Zoom(), zoom);
        }
        m_frame->OnCommand(ID_ZOOM_ACTUAL); // and the next tests start at 100 %
    }

    void messageAndAboutBoxes()
    {
        // Centred, odd sizes rounding toward zero, above and left of a tiny screen.
        QCOMPARE(CMessageDlg::PlacementFor(QSize(1024, 768)), QPoint(362, 294));
        QCOMPARE(CMessageDlg::PlacementFor(QSize(1281, 1025)), QPoint(490, 422));
        QCOMPARE(CMessageDlg::PlacementFor(QSize(200, 100)), QPoint(-50, -40));
        const char* text = "\nOnly positive integers \nseparated by comma are accepted.";
        CMessageDlg dlg(text);
        QCOMPARE(dlg.windowTitle() + dlg.TextControl()->text(), "ZYL Message" + QString(text));
        const auto buttons = dlg.findChildren<QPushButton*>();
        QVERIFY(buttons.size() == 1 && buttons[0]->text() == "OK" && buttons[0]->isDefault());

        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QString("About ZYL"));
        QStringList texts;
        for (QLabel* l : about.findChildren<QLabel*>())
            texts << l->text();
        QVERIFY(texts.contains("ZYL Version 1.0"));
    }
};

QTEST_MAIN(TestGuiCommands)
#include "test_gui_commands.moc"
