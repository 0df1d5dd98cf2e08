// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that stay together: the dialogs belong to the main window, the
// modal boxes to the window the user works in, every window refreshes once
// per change and nothing that draws changes the device, the program ends
// with the main window, a dropped file is copied, and print covers all that
// is drawn.
#include "CKarnaughDlg.h"
#include "CMainFrame.h"
#include "CMintermDlg.h"
#include "CModelessDlg.h"
#include "CDialogManager.h"
#include "CZYLDoc.h"
#include "FuseMapLayout.h"
#include "CZYLView.h"
#include "DocFile.h"
#include "QtPlatform.h"
#include "ShownFrame.h"
#include "RecordingPlatform.h"
#include "TruthTableLogic.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QScreen>
#include <QWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {

QPoint Centre(const ZRect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

const int kFunctionDialogs[] = {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS};

// A window added after the program's own, whose refills are counted.
class CCountingWindow : public CModelessDlg
{
public:
    using CModelessDlg::CModelessDlg;
    void Reload() override {}
};

const int kAddedWindow = 33000;

} // namespace

class TestGuiWindows : public CShownFrameTest
{
    Q_OBJECT

    CModelessDlg* Dialog(int id) { return m_frame->Dialogs().Dialog(id); }

private slots:
    void initTestCase() { QSettings(ZYL_SETTINGS_ORGANISATION, ZYL_SETTINGS_APPLICATION).clear(), QSettings().clear(); }
    void init() { ShowFrame(); }
    void cleanup() { CloseFrame(); }

    // The four dialogs are owned by the main window and stay shown when the
    // user works in the fuse map.
    void dialogsBelongToTheMainWindow()
    {
        for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS,
                       ID_SYMBOLS}) {
            m_frame->OnCommand(id);
            CModelessDlg* dlg = Dialog(id);
            QVERIFY(dlg);
            QCOMPARE(dlg->parentWidget(), static_cast<QWidget*>(m_frame.get()));
            QCOMPARE(dlg->windowType(), Qt::Dialog);
        }
        const ZPoint at = FuseMapLayout::OrCell(0, 3);
        const QRect cell(at.x, at.y, 15, 15);
        QTest::mouseClick(m_frame->View()->viewport(), Qt::LeftButton, {},
                          cell.center() - m_frame->View()->ScrollOffset());
        QCOMPARE(m_doc->Device().prom.Entry(0, 3), '0');
        for (int id : kFunctionDialogs)
            QVERIFY(Dialog(id)->isVisible());
    }

    // A command for a dialog already shown brings it up, active, with the
    // focus on its first control; a minimized or covered circuit-symbols
    // dialog is brought up rather than hidden.
    void commandBringsTheDialogUp()
    {
        for (int id : kFunctionDialogs)
            m_frame->OnCommand(id);
        m_frame->activateWindow();
        m_frame->OnCommand(ID_EDIT_MINTERMS);
        CModelessDlg* minterms = Dialog(ID_EDIT_MINTERMS);
        QVERIFY(QTest::qWaitForWindowActive(minterms));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(minterms));
        QVERIFY(minterms->isAncestorOf(QApplication::focusWidget()));

        m_frame->OnCommand(ID_SYMBOLS);
        CModelessDlg* symbols = Dialog(ID_SYMBOLS);
        symbols->showMinimized();
        m_frame->OnCommand(ID_SYMBOLS);
        QVERIFY(symbols->isVisible() && !symbols->isMinimized());
        // Covered by a window that came up later, it is raised, then hidden.
        m_frame->OnCommand(ID_EDIT_KARNAUGH);
        Dialog(ID_EDIT_KARNAUGH)->setGeometry(symbols->geometry().adjusted(-5, -5, 5, 5));
        for (const bool shown : {true, false}) {
            m_frame->OnCommand(ID_SYMBOLS);
            QVERIFY(symbols->isVisible() == shown && m_frame->Dialogs().IsChecked(ID_SYMBOLS) == shown);
        }
    }

    // A message raised by a dialog's own Update is owned by that dialog,
    // which stays shown; a message of the main window by the main window.
    void messagesBelongToTheWindowInUse()
    {
        m_frame->OnCommand(ID_TYPE_PAL);
        m_frame->OnCommand(ID_EDIT_MINTERMS);
        CModelessDlg* minterms = Dialog(ID_EDIT_MINTERMS);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(minterms));
        minterms->findChildren<QLineEdit*>().front()->setText(QStringLiteral("0,3,5,6,9,10,12,15"));

        QWidget* owner = nullptr;
        QString title;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            owner = box->parentWidget();
            title = box->windowTitle();
            box->close();
        });
        for (QPushButton* b : minterms->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Update"))
                b->click();
        QCOMPARE(title, QStringLiteral("ZYL"));
        QCOMPARE(owner, static_cast<QWidget*>(minterms));
        QVERIFY(minterms->isVisible());

        m_frame->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_frame.get()));
        QCOMPARE(m_platform->Owner(), static_cast<QWidget*>(m_frame.get()));
    }

    // A dropped file is opened as a copy, whatever the source proposes, by
    // the bytes of its name (here not UTF-8) as the list of the drop has them.
    void dropOpensACopy()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.path()) + "/l\xE4" "b.zyl";
        Device saved;
        saved.names.functions[0] = "F";
        std::string error;
        QVERIFY2(SaveDocument(saved, path.toStdString(), error), error.c_str());
        QMimeData mime;
        mime.setData("text/uri-list", "file://" + path.toPercentEncoding("/") + "\r\n");
        QDragEnterEvent enter(QPoint(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(m_frame.get(), &enter);
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(m_frame.get(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction); // the source keeps its file
        QCOMPARE(m_doc->Device().names.functions[0], std::string("F"));
        QVERIFY(::unlink(path.constData()) == 0); // which QTemporaryDir cannot
    }

    // The printed page holds every mark drawn, the last annotation
    // character included, on a portrait page too narrow for 96 per inch.
    void printFitsEverythingDrawn()
    {
        // Every mark of the drawing, found on a canvas larger than the view.
        QImage canvas(1600, 1200, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter p(&canvas);
            m_frame->View()->OnDraw(p);
        }
        int right = 0, bottom = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != qRgb(255, 255, 255)) {
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        const QRectF drawn = m_frame->View()->DrawnBounds();
        QVERIFY2(drawn.right() >= right && drawn.bottom() >= bottom,
                 qPrintable(QStringLiteral("marks reach %1, %2").arg(right).arg(bottom)));

        QPrinter printer(QPrinter::HighResolution); // portrait: too narrow at 96 per inch
        printer.setOutputFormat(QPrinter::PdfFormat);

        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        const QRectF placed = CZYLView::PrintTransform(drawn, page, printer.logicalDpiX(), printer.logicalDpiY())
                                  .mapRect(drawn);
        QVERIFY(placed.left() >= -0.5 && placed.top() >= -0.5);
        QVERIFY(placed.right() <= page.width() + 0.5 && placed.bottom() <= page.height() + 0.5);
    }

    // A window added later follows the rule of every window: owned by the
    // main window, refilled on changes, refused in PLA, silent in the block
    // structure, and back where the user left it.
    void addedWindowsFollowOneRule()
    {
        auto add = [this] {
            m_frame->Dialogs().AddWindow(kAddedWindow, "Counting", [](CZYLDoc&, QWidget* owner) {
                auto window = std::make_unique<CCountingWindow>(owner);
                window->resize(200, 100);
                return window;
            });
        };
        add();
        CRecordingPlatform platform;
        SetPlatform(&platform);
        m_frame->OnCommand(ID_BLOCK_STRUCTURE);
        m_frame->OnCommand(kAddedWindow);
        QVERIFY(!Dialog(kAddedWindow));
        m_frame->OnCommand(ID_BLOCK_STRUCTURE);
        m_frame->OnCommand(kAddedWindow);
        auto* window = static_cast<CCountingWindow*>(Dialog(kAddedWindow));
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->parentWidget(), static_cast<QWidget*>(m_frame.get()));
        const int refills = window->Refills();
        m_frame->OnCommand(ID_OUTPUT_BLOW_ALL);
        QVERIFY(window->Refills() > refills);
        window->windowHandle()->setFramePosition(QPoint(140, 120)); // as the window manager moves it
        QTRY_COMPARE(window->pos(), QPoint(140, 120));
        m_frame->OnCommand(ID_TYPE_PLA);
        QVERIFY(!window->isVisible());
        m_frame->OnCommand(kAddedWindow);
        QVERIFY(!window->isVisible());
        QCOMPARE(platform.messages.back().text,
                 std::string("\n\nPLA is not commonly used, so this will not be implemented."));
        SetPlatform(m_platform.get());
        m_frame->OnCommand(ID_TYPE_PROM);
        m_frame->OnCommand(kAddedWindow); // shown again, where it was left
        QCOMPARE(window->pos(), QPoint(140, 120));

        // A new main window: the window comes back where it was; a stored
        // place off the screen, or too large for it, comes back onto it.
        QWidget far;
        far.setGeometry(1000000, 1000000, 1000000, 1000000);
        for (const QByteArray& stored : {QByteArray(), far.saveGeometry()}) {
            cleanup();
            if (!stored.isEmpty())
                QSettings().setValue("Windows/Counting", stored);
            init(), add();
            m_frame->OnCommand(kAddedWindow);
            QVERIFY(Dialog(kAddedWindow)->pos() == QPoint(140, 120) || !stored.isEmpty());
            QVERIFY(Dialog(kAddedWindow)->screen()->availableGeometry().contains(Dialog(kAddedWindow)->frameGeometry()));
        }
    }

    // Every open window refreshes exactly once for each change of the
    // device, whichever window made it; a command that changes nothing
    // refreshes none and leaves the document unmodified; the switch to PLA
    // puts the dialogs away.
    void everyWindowRefreshesOncePerChange()
    {
        CRecordingPlatform platform;
        SetPlatform(&platform);
        platform.names = [](CNames& names) { return names.variables[0] = "P", true; };
        const int windows[] = {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS, ID_SYMBOLS, ID_SHOW_STEPS,
                               ID_EDIT_KARNAUGH};
        for (int id : windows)
            m_frame->OnCommand(id);
        CZYLView& view = *m_frame->View();
        const auto counts = [&] {
            std::vector<int> n{view.Refreshes()};
            for (int id : windows)
                n.push_back(Dialog(id)->Refills());
            return n;
        };
        QTemporaryDir dir;
        const std::string other = dir.filePath("other.zyl").toStdString();
        std::string error;
        QVERIFY(SaveDocument(Device{}, other, error));
        auto& minterms = *static_cast<CMintermDlg*>(Dialog(ID_EDIT_MINTERMS));
        const QPoint fuse = Centre(FuseMapLayout::OrCellRect(0, 3)) - view.ScrollOffset();
        const std::function<void()> changes[] = {
            [&] { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, fuse); },
            [&] { QTest::mouseClick(Dialog(ID_EDIT_TRUTH_TABLE), Qt::LeftButton, {}, Centre(TableClickRect(1, 2))); },
            [&] { minterms.TermEdit(2)->setText("1, 2"), minterms.OnUpdate(); },
            [&] { m_frame->OnCommand(ID_EDIT_NAMES); },
            [&] { m_frame->OpenDocumentPath(other); },
        };
        for (const auto& change : changes) {
            std::vector<int> once = counts();
            for (int& n : once)
                ++n;
            change();
            QCOMPARE(counts(), once);
        }
        const std::vector<int> before = counts();
        QVERIFY(!m_doc->IsModified());
        platform.names = [](CNames&) { return true; };
        minterms.OnUpdate();
        for (int id : {int(ID_OUTPUT_REINSTATE_ALL), int(ID_EDIT_NAMES)})
            m_frame->OnCommand(id);
        QCOMPARE(counts(), before);
        QVERIFY(!m_doc->IsModified() && platform.messages.empty());
        m_frame->OnCommand(ID_TYPE_PLA);
        for (int id : windows)
            QVERIFY(!Dialog(id)->isVisible());
        SetPlatform(m_platform.get());
    }

    // Painting, printing, exporting, copying and hovering read the device:
    // its saved text stays byte for byte, the document unmodified, and no
    // change is told.
    void drawingWritesNothing()
    {
        CZYLView& view = *m_frame->View();
        m_doc->Edit([](DeviceEditor& e) {
            e.SetPromEntry(1, 5, 'X');
            e.SetPromEntry(2, 0, '0');
        });
        m_doc->SetModifiedFlag(false);
        m_frame->OnCommand(ID_EDIT_KARNAUGH); // links the hover
        auto& maps = *static_cast<CKarnaughDlg*>(Dialog(ID_EDIT_KARNAUGH));
        const std::string saved = SaveDocumentToString(m_doc->Device());
        int notices = 0;
        const int listener = m_doc->AddListener([&notices](const DeviceChange&) { ++notices; });
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("map.pdf"));
        std::string error;
        QVERIFY2(m_frame->PrintFuseMap(printer, error), error.c_str());
        QVERIFY(m_frame->ExportPictureTo(dir.filePath("map.svg").toStdString(), 1.0));
        maps.OnCopy();
        QTest::mouseMove(&maps.Canvas(), Centre(KarnaughCellRect(1, 1, 1)));
        SharedHighlight().Set(CHighlight{-1, 2, 0}); // a term of the PROM sum
        QVERIFY(!view.RenderImage().isNull() && !view.viewport()->grab().isNull() && !maps.Canvas().grab().isNull());
        QCOMPARE(SaveDocumentToString(m_doc->Device()), saved);
        QVERIFY(!m_doc->IsModified() && notices == 0);
        m_doc->RemoveListener(listener);
    }

    // Closing the main window ends the program, dialogs shown or not.
    void closingTheMainWindowEndsTheProgram()
    {
        for (int id : {ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS, ID_SYMBOLS})
            m_frame->OnCommand(id);
        bool timedOut = false;
        QTimer::singleShot(0, m_frame.get(), [this] { m_frame->OnCommand(ID_APP_EXIT); });
        QTimer::singleShot(10000, qApp, [&timedOut] {
            timedOut = true;
            QApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(!Dialog(ID_EDIT_MINTERMS)->isVisible());
    }
};

QTEST_MAIN(TestGuiWindows)
#include "test_gui_windows.moc"
