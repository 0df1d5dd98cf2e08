// SPDX-License-Identifier: GPL-3.0-or-later
// File commands, the recent-file list, printing and the title.
#include "CChipSheetDlg.h"
#include "CDialogManager.h"
#include "CMainFrame.h"
#include "CommandTable.h"
#include "CZYLApp.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DocFile.h"
#include "SystemPath.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QSettings>
#include <QtTest>

#include <filesystem>
#include <memory>

#include <unistd.h>

namespace fs = std::filesystem;

class TestGuiFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    CRecordingPlatform m_platform;
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    std::string Bytes(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }

private slots:
    void initTestCase()
    {
        // Start from no remembered settings.
        QSettings(ZYL_SETTINGS_ORGANISATION, ZYL_SETTINGS_APPLICATION).clear();
    }
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_doc = std::make_unique<CZYLDoc>();
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        m_platform = CRecordingPlatform();
        SetPlatform(&m_platform);
    }
    void cleanup()
    {
        SetPlatform(nullptr);
        m_frame.reset(), m_doc.reset();
    }

    // Saving names the window and clears the modified mark; whatever window
    // changes the device sets it, a refresh without a change does not; New
    // keeps the device; a file that cannot be opened is reported and kept out
    // of the recent files.
    void saveOpenAndTheModifiedMark()
    {
        QVERIFY(m_frame->SaveDocumentTo(Path("first.zyl")));
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("first.zyl - ZYL"));
        QCOMPARE(m_frame->RecentFiles().front(), Bytes("first.zyl"));
        m_doc->Edit([](DeviceEditor&) {});
        QVERIFY(!m_doc->IsModified());
        m_doc->Edit([](DeviceEditor& e) { e.SetPromEntry(0, 5, 'X'); });
        QVERIFY(m_doc->IsModified() && m_frame->isWindowModified());
        QVERIFY(m_frame->SaveDocumentTo(Path("second.zyl")) && !m_frame->isWindowModified());
        QVERIFY(m_frame->OpenDocumentFile(Path("first.zyl")) && !m_doc->IsModified());
        QCOMPARE(m_doc->Device().prom.Entry(0, 5), '1');
        m_frame->NewDocument();
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("Untitled - ZYL"));
        QVERIFY(m_doc->Device().type == DeviceType::Prom);

        QVERIFY(!m_frame->OpenDocumentFile(Path("missing.zyl")));
        QCOMPARE(m_platform.Recorded(),
                 std::vector<std::string>{"S:Cannot open " + Bytes("missing.zyl") + ": No such file or directory."});
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("Untitled - ZYL"));
        QCOMPARE(m_frame->RecentFiles().size(), std::size_t(2));
    }

    void recentFilesKeepFourNewestFirst()
    {
        for (const char* name : {"a.zyl", "b.zyl", "c.zyl", "d.zyl", "e.zyl", "c.zyl"})
            QVERIFY(m_frame->SaveDocumentTo(Path(name)));
        const std::vector<std::string> expected{Bytes("c.zyl"), Bytes("e.zyl"), Bytes("d.zyl"), Bytes("b.zyl")};
        QCOMPARE(m_frame->RecentFiles(), expected);
        QVERIFY(m_frame->Action(57619)->isVisible());
        // Remembered by the next frame.
        m_frame.reset();
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        QCOMPARE(m_frame->RecentFiles(), expected);
        QVERIFY(m_frame->Action(57619)->isEnabled());
        // A recent entry opens its file.
        m_frame->OnCommand(ID_FILE_MRU_FILE1 + 1);
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("e.zyl - ZYL"));
        QCOMPARE(m_frame->RecentFiles().front(), Bytes("e.zyl"));
        // An entry that no longer opens leaves the list, also in the
        // settings; a long one is cut in the middle, a tab shown as "\t".
        QVERIFY(QFile::remove(Path("d.zyl")));
        m_frame->OnCommand(ID_FILE_MRU_FILE1 + 2);
        QCOMPARE(m_frame->RecentFiles(), (std::vector<std::string>{Bytes("e.zyl"), Bytes("c.zyl"), Bytes("b.zyl")}));
        m_frame->AddRecentFile("/" + std::string(100000, 'x') + "\ty.zyl");
        const QString shown = m_frame->Action(ID_FILE_MRU_FILE1)->text();
        QVERIFY2(shown.size() < 100 && shown.startsWith("&1 /xx") && shown.endsWith("x\\ty.zyl"), qPrintable(shown));
    }

    // A name that is not UTF-8 is the system's bytes throughout: opened,
    // saved in place, exported, kept in the recent list, and chosen in a
    // file dialog, which shows it with U+FFFD. After a save the folder holds
    // exactly the files written.
    void namesThatAreNotText()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString(), lab = folder + "/\xE9t\xE9.zyl", map = folder + "/\xFF.svg";
        std::string error;
        QVERIFY(SaveDocument(m_doc->Device(), lab, error));
        QVERIFY(m_frame->OpenDocumentPath(lab));
        m_doc->Edit([](DeviceEditor& e) { e.SetFlag(&DisplayFlags::andLabel, true); });
        m_frame->OnCommand(ID_FILE_SAVE);
        m_platform.exportPaths = {map};
        m_frame->OnCommand(ID_FILE_EXPORT);
        CZYLDoc reopened;
        QVERIFY(LoadDocument(reopened, lab, error) && reopened.Device().flags.andLabel &&
                ::access(map.c_str(), F_OK) == 0);
        QCOMPARE(std::distance(fs::directory_iterator(folder), {}), 2); // QDir lists no such name
        QCOMPARE(m_frame->RecentFiles().front(), lab);

        std::string chosen;
        const QString shown = dir.filePath(QString::fromUtf8("\xEF\xBF\xBDt\xEF\xBF\xBD.zyl"));
        QVERIFY(ChosenPathBytes(shown, {}, chosen) && chosen == lab);
        // Two names that show alike: only the one the dialog was given.
        QVERIFY(SaveDocument(m_doc->Device(), folder + "/\xE8t\xE8.zyl", error) && !ChosenPathBytes(shown, {}, chosen));
        QVERIFY(ChosenPathBytes(shown, lab, chosen) && chosen == lab);
        fs::remove_all(folder); // which QTemporaryDir cannot
    }

    // The save prompt: asked exactly when the document is modified, and its
    // three answers on New, Open and Exit.
    void savePrompt_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<bool>("carriedOut");
        QTest::addColumn<bool>("saved");
        const int save = int(IPlatform::SaveAnswer::Save), discard = int(IPlatform::SaveAnswer::Discard),
                  cancel = int(IPlatform::SaveAnswer::Cancel);
        for (int command : {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_APP_EXIT)}) {
            const QByteArray c = QByteArray::number(command);
            QTest::newRow(c + " unmodified") << command << false << cancel << 0 << true << false;
            QTest::newRow(c + " save") << command << true << save << 1 << true << true;
            QTest::newRow(c + " discard") << command << true << discard << 1 << true << false;
            QTest::newRow(c + " cancel") << command << true << cancel << 1 << false << false;
        }
    }
    void savePrompt()
    {
        QFETCH(int, command);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(int, prompts);
        QFETCH(bool, carriedOut);
        QFETCH(bool, saved);

        const QString path = Path("prompt.zyl");
        QFile::remove(path);
        m_doc->Edit([](DeviceEditor& e) { e.SetFlag(&DisplayFlags::andLabel, true); });
        QVERIFY(m_frame->SaveDocumentTo(path));
        QFile::remove(path);
        m_frame->show();
        m_doc->SetModifiedFlag(modified);

        int asked = 0;
        std::string askedFor;
        m_platform.saveChanges = [&](const std::string& name) { return ++asked, askedFor = name, IPlatform::SaveAnswer(answer); };
        m_frame->OnCommand(command); // the open question is cancelled

        QCOMPARE(asked, prompts);
        QCOMPARE(askedFor, std::string(prompts ? "prompt.zyl" : ""));
        QCOMPARE(QFile::exists(path), saved);
        if (command == ID_FILE_NEW)
            QCOMPARE(m_frame->windowTitle().remove("[*]"), QString(carriedOut ? "Untitled - ZYL" : "prompt.zyl - ZYL"));
        if (command == ID_FILE_OPEN)
            QCOMPARE(m_platform.openQuestions, carriedOut ? 1 : 0);
        if (command == ID_APP_EXIT)
            QCOMPARE(m_frame->isVisible(), !carriedOut);
        // Only a save touches the modified flag; the device is kept throughout.
        QCOMPARE(m_doc->IsModified(), modified && !saved && !(carriedOut && command == ID_FILE_NEW));
        QVERIFY(m_doc->Device().flags.andLabel);
    }

    // File > Export Picture: the path and scale come from the user, the
    // picture is the view's paint at that scale; cancelling writes nothing.
    void exportPicture()
    {
        m_platform.exportPaths = {Path("map").toStdString()};
        m_platform.exportScale = [&](double& scale) { return scale = 2.0, true; };
        m_frame->OnCommand(ID_FILE_EXPORT);
        QCOMPARE(m_platform.suggestions.back(), std::string("Untitled.png"));
        const QImage image(Path("map.png"));
        QCOMPARE(image.size(), QSize(2 * CZYLView::kWidth, 2 * CZYLView::kHeight));
        QVERIFY(qGray(image.pixel(200, 60)) < 128 && qGray(image.pixel(200, 66)) > 128); // the title's underline, doubled
        m_frame->OnCommand(ID_FILE_EXPORT); // cancelled
        QCOMPARE(m_platform.suggestions.back(), Path("map.png").toStdString());
    }

    // File > Export Handout and Print Handout, on a fresh PROM: the
    // document's name with .pdf suggested, .pdf added; the same pages
    // either way on A4.
    void handoutFromTheMenu()
    {
        m_platform.exportPaths = {Path("lab").toStdString()};
        m_frame->OnCommand(ID_FILE_EXPORT_HANDOUT);
        QCOMPARE(m_platform.suggestions.back(), std::string("Untitled.pdf"));
        m_platform.print = [this](QPrinter& printer) {
            printer.setOutputFileName(Path("printed.pdf"));
            return printer.setPageSize(QPageSize(QPageSize::A4));
        };
        m_frame->OnCommand(ID_FILE_PRINT_HANDOUT);
        QVERIFY(m_platform.messages.empty());
        std::vector<qsizetype> pages;
        for (const QString& pdf : {Path("lab.pdf"), Path("printed.pdf")}) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            pages.push_back(data.count("/Type /Page") - data.count("/Type /Pages"));
        }
        QCOMPARE(pages, (std::vector<qsizetype>{15, 15})); // a function 1 everywhere has long steps
    }

    // File > Export Fuse File and Export Verilog: the type chosen in the
    // question picks the chip; the chip sheet comes up for it, follows the
    // device and prints. A PLA is refused before any question, a target
    // that is not a regular file in one line; nothing is written then.
    void exportChipFiles()
    {
        m_frame->OnCommand(ID_TYPE_PAL);
        m_platform.exportPaths = {Bytes("lab"), Bytes("lab.v"), Bytes("dir.jed")};
        m_platform.exportType = 1;
        m_frame->OnCommand(ID_FILE_EXPORT_FUSES);
        m_frame->OnCommand(ID_FILE_EXPORT_VERILOG);
        QFile jed(Path("lab.jed")), verilog(Path("lab.v"));
        QVERIFY(jed.open(QIODevice::ReadOnly) && jed.readAll().contains("\r\nQF5892*\r\n") &&
                verilog.open(QIODevice::ReadOnly) && verilog.readAll().startsWith("// PAL device of Untitled, "));
        auto* sheet = static_cast<CChipSheetDlg*>(m_frame->Dialogs().Dialog(ID_FILE_EXPORT_FUSES));
        QVERIFY(sheet && sheet->isVisible() && sheet->Text().startsWith("GAL22V10 (also ATF22V10): PAL device of Untitled"));
        m_frame->OnCommand(ID_INPUT_BLOW_ALL); // every row the constant 1
        QVERIFY2(sheet->Text().contains("\n  A  2 |       | 23 Y0\n") && sheet->Text().contains("\nY0 (pin 23) = 1 + 1"),
                 qPrintable(sheet->Text()));
        m_platform.print = [this](QPrinter& printer) { return printer.setOutputFileName(Path("sheet.pdf")), true; };
        sheet->OnPrint();
        QVERIFY(QFile(Path("sheet.pdf")).size() > 1000);

        QVERIFY(QDir().mkdir(Path("dir.jed")));
        m_frame->OnCommand(ID_FILE_EXPORT_FUSES);
        m_frame->OnCommand(ID_TYPE_PLA);
        m_frame->OnCommand(ID_FILE_EXPORT_VERILOG);
        QCOMPARE(m_platform.Recorded(), (std::vector<std::string>{"S:Cannot export " + Bytes("dir.jed") + ": Is a directory.",
                                                                  std::string("S:") + kPlaNotImplemented}));
        QCOMPARE(m_platform.suggestions, (std::vector<std::string>{"Untitled.jed", "Untitled.v", Bytes("lab.jed")}));
        QVERIFY(!sheet->isVisible());
    }

    void startUp()
    {
        m_frame->OnCommand(ID_TYPE_PAL);
        QVERIFY(m_frame->SaveDocumentTo(Path("start.zyl")));
        for (const QString& file : {QString(), Path("start.zyl")}) {
            CZYLApp app;
            int exitCode = -1;
            QVERIFY(app.InitInstance(file.isEmpty() ? std::vector<std::string>{} : std::vector{file.toStdString()},
                                     exitCode, false));
            QCOMPARE(app.Frame()->windowTitle().remove("[*]"), file.isEmpty() ? QString("Untitled - ZYL")
                                                                              : QString("start.zyl - ZYL"));
            QCOMPARE(app.Frame()->Action(ID_TYPE_PAL)->isChecked(), !file.isEmpty()); // the document's type
        }
        // A file that cannot be opened ends the start-up after the message.
        CZYLApp app(&m_platform);
        int exitCode = 0;
        QVERIFY(!app.InitInstance({Path("nothere.zyl").toStdString()}, exitCode, false));
        QCOMPARE(m_platform.Recorded(),
                 std::vector<std::string>{"S:Cannot open " + Bytes("nothere.zyl") + ": No such file or directory."});
        QCOMPARE(exitCode, 1);
    }

    // Print Setup starts from the landscape page and its choice (A5
    // upright) is the page File > Print prints on: one page. The print
    // dialog, the preview and About go through the platform.
    void printSetupPageIsPrinted()
    {
        const QString pdf = Path("map.pdf");
        m_platform.pageSetup = [](CPageSetup& setup) {
            const bool fromLandscape = setup.landscape; // else nothing changes and the page is A4
            std::tie(setup.paperWidth, setup.paperHeight, setup.landscape) = std::tuple(148.0, 210.0, false);
            return fromLandscape;
        };
        m_frame->OnCommand(ID_FILE_PRINT_SETUP);
        m_platform.print = [&pdf](QPrinter& printer) { printer.setOutputFileName(pdf); return true; };
        m_frame->OnCommand(ID_FILE_PRINT);
        m_platform.preview = [](QPrinter& printer, const std::function<void(QPrinter&)>& paint) { paint(printer); };
        m_frame->OnCommand(ID_FILE_PRINT_PREVIEW);
        m_frame->OnCommand(ID_APP_ABOUT);
        QVERIFY(m_platform.messages.empty() && m_platform.aboutBoxes == 1);
        m_frame.reset(); // the printer ends the file
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("%PDF") && data.size() > 2000);
        QCOMPARE(data.count("/Type /Page") - data.count("/Type /Pages"), 1); // one page
        QVERIFY(data.contains("/MediaBox [0 0 420.000000 595.000000]")); // A5, upright
    }
};

QTEST_MAIN(TestGuiFiles)
#include "test_gui_files.moc"
