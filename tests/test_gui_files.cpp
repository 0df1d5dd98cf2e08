// File commands, the recent-file list, printing and the title.
#include "CMainFrame.h"
#include "CZYLApp.h"
#include "Platform.h"
#include "CZYLDoc.h"
#include "CZYLView.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// Closes the next modal box (a reported failure) once the event loop runs.
void DismissNextModal(bool* seen)
{
    QTimer::singleShot(0, [seen] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            *seen = true;
            w->close();
        }
    });
}

} // namespace

class TestGuiFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

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
    }
    void cleanup()
    {
        m_frame.reset();
        m_doc.reset();
    }

    void saveNamesTheWindowAndClearsModified()
    {
        m_doc->SetModifiedFlag(true);
        QVERIFY(m_frame->isWindowModified());
        QVERIFY(m_frame->SaveDocumentTo(Path("first.zyl")));
        QVERIFY(QFile::exists(Path("first.zyl")));
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("first.zyl - ZYL"));
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_frame->RecentFiles().value(0), Path("first.zyl"));
        m_frame->NewDocument();
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("Untitled - ZYL"));
        // New keeps the device as it is.
        QCOMPARE(m_doc->m_bProm, 1);
    }

    void openReportsFailureAndKeepsDocument()
    {
        bool seen = false;
        DismissNextModal(&seen);
        QVERIFY(!m_frame->OpenDocumentFile(Path("missing.zyl")));
        QVERIFY(seen);
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("Untitled - ZYL"));
        QVERIFY(!m_frame->RecentFiles().contains(Path("missing.zyl")));
    }

    void recentFilesKeepFourNewestFirst()
    {
        for (const char* name : {"a.zyl", "b.zyl", "c.zyl", "d.zyl", "e.zyl", "c.zyl"})
            QVERIFY(m_frame->SaveDocumentTo(Path(name)));
        const QStringList expected{Path("c.zyl"), Path("e.zyl"), Path("d.zyl"), Path("b.zyl")};
        QCOMPARE(m_frame->RecentFiles(), expected);
        QCOMPARE(m_frame->Action(57616)->text(), "&1 " + QDir::toNativeSeparators(Path("c.zyl")));
        QVERIFY(m_frame->Action(57619)->isVisible());
        // Remembered by the next frame.
        m_frame.reset();
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        QCOMPARE(m_frame->RecentFiles(), expected);
        QVERIFY(m_frame->Action(57619)->isEnabled());
        // A recent entry opens its file.
        m_frame->OnCommand(57617);
        QCOMPARE(m_frame->windowTitle().remove("[*]"), QString("e.zyl - ZYL"));
        QCOMPARE(m_frame->RecentFiles().value(0), Path("e.zyl"));
    }

    void startUpWithoutArguments()
    {
        CZYLApp app;
        int exitCode = -1;
        QVERIFY(app.InitInstance({}, exitCode, false));
        QCOMPARE(exitCode, 0);
        QCOMPARE(app.Document().m_bProm, 1);
        QCOMPARE(app.Frame()->windowTitle().remove("[*]"), QString("Untitled - ZYL"));
        // The seam answers with the one document and view.
        QCOMPARE(FindActiveDoc(), &app.Document());
        QCOMPARE(FindActiveView(), static_cast<IZylView*>(app.Frame()->View()));
    }

    void startUpWithFile()
    {
        QVERIFY(m_frame->SaveDocumentTo(Path("start.zyl")));
        {
            CZYLApp app;
            int exitCode = -1;
            QVERIFY(app.InitInstance({Path("start.zyl").toStdString()}, exitCode, false));
            QCOMPARE(app.Frame()->windowTitle().remove("[*]"), QString("start.zyl - ZYL"));
        }
        // A file that cannot be opened ends the start-up after the message.
        CZYLApp app;
        int exitCode = 0;
        bool seen = false;
        DismissNextModal(&seen);
        QVERIFY(!app.InitInstance({Path("nothere.zyl").toStdString()}, exitCode, false));
        QVERIFY(seen);
        QCOMPARE(exitCode, 1);
    }

    void printScaleIsNinetySixUnitsPerInch_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::newRow("96") << 96 << 1.0 << 1.0;
        QTest::newRow("600") << 600 << 6.25 << 6.25;
        QTest::newRow("1200") << 1200 << 12.5 << 12.5;
        // Integer division of the viewport extents.
        QTest::newRow("97") << 97 << 1212.0 / 1200.0 << 808.0 / 800.0;
        QTest::newRow("150") << 150 << 1875.0 / 1200.0 << 1250.0 / 800.0;
    }
    void printScaleIsNinetySixUnitsPerInch()
    {
        QFETCH(int, dpi);
        QFETCH(double, sx);
        QFETCH(double, sy);
        const QPointF s = CZYLView::PrintScale(dpi, dpi);
        QCOMPARE(s.x(), sx);
        QCOMPARE(s.y(), sy);
    }

    void printToPdfGivesOnePage()
    {
        const QString pdf = Path("map.pdf");
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            m_frame->PrintFuseMap(printer);
        }
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("%PDF"));
        const int pages = data.count("/Type /Page") - data.count("/Type /Pages");
        QCOMPARE(pages, 1);
        QVERIFY(data.size() > 2000);
    }
};

QTEST_MAIN(TestGuiFiles)
#include "test_gui_files.moc"
