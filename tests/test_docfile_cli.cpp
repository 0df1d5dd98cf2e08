// SPDX-License-Identifier: GPL-3.0-or-later
// The zyl program run from a script: --export of a saved device, and the
// exit status and messages of usage errors, unreadable files and a window
// run without a display. The path of the zyl
// binary is the first argument.
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocOps.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString g_zyl;

struct Run
{
    int status;
    QByteArray out, err;
};

Run Zyl(const QStringList& args)
{
    // An empty environment, as cron or a container may give: no display,
    // no platform chosen, no HOME, no XDG_RUNTIME_DIR. The program needs
    // none of them for anything it does without a window. Only the
    // sanitizers' options pass.
    QProcess p;
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment env;
    for (const QString& name : system.keys())
        if (name.endsWith(QLatin1String("SAN_OPTIONS")))
            env.insert(name, system.value(name));
    p.setProcessEnvironment(env);
    p.start(g_zyl, args);
    if (!p.waitForFinished(60000))
        return {-1, {}, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Rectangle of AND cell (column c, row r) in the picture.
QRect AndCell(const CZYLDoc& doc, int c, int r)
{
    const ZRect& z = doc.m_rcAndCell[c][r];
    return QRect(z.left, z.top, z.Width(), z.Height());
}

bool SameCell(const QImage& a, const QImage& b, const QRect& cell)
{
    return a.copy(cell) == b.copy(cell);
}

} // namespace

class TestZylCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // Exporting a saved PAL device shows its fuses: every AND cell whose
    // fuse differs from a fresh PAL device (all intact) looks different,
    // every other cell looks the same.
    void exportShowsTheSavedFuses()
    {
        QTemporaryDir dir;
        auto doc = std::make_unique<CZYLDoc>();
        doc->m_bProm = 0;
        doc->m_bPal = 1;
        std::string error;
        QVERIFY2(SaveDocument(*doc, dir.filePath("fresh.zyl").toStdString(), error), error.c_str());
        const char* rows[] = {"10011010", "00000000", "01100101", "11101111"};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 8; ++c)
                doc->m_andRow[4 * r + 1].m_nFuse[c] = rows[r][c] - '0';
        }
        // The fuses decide the functions, as after clicks in the fuse map.
        for (int r = 0; r < 16; ++r)
            UpdateRowTerm(*doc, r);
        for (int f = 0; f < 4; ++f) {
            CollectPalMinterms(*doc, f);
            UpdateTruthTable(*doc, f);
        }
        UpdateLists(*doc, 0);
        RebuildDerivedFields(*doc);
        QVERIFY2(SaveDocument(*doc, dir.filePath("lab.zyl").toStdString(), error), error.c_str());

        for (const char* name : {"fresh", "lab"}) {
            const Run run = Zyl({"--export", dir.filePath(QString(name) + ".png"), dir.filePath(QString(name) + ".zyl")});
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(run.status, 0);
        }
        const QImage fresh(dir.filePath("fresh.png")), lab(dir.filePath("lab.png"));
        QVERIFY(!fresh.isNull() && !lab.isNull());
        QCOMPARE(lab.size(), fresh.size());
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 8; ++c) {
                const bool intact = doc->m_andRow[r].m_nFuse[c] == 1;
                QVERIFY2(SameCell(fresh, lab, AndCell(*doc, c, r)) == intact,
                         qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
            }
        }
        // Blown cells all look alike.
        QVERIFY(lab.copy(AndCell(*doc, 0, 5)) == lab.copy(AndCell(*doc, 1, 1)));

        for (const char* type : {"svg", "pdf"}) {
            const QString out = dir.filePath(QStringLiteral("lab.") + type);
            const Run run = Zyl({"--export", out, dir.filePath("lab.zyl")});
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(run.status, 0);
            QFile file(out);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            QVERIFY(data.startsWith(QByteArray(type) == "svg" ? "<?xml" : "%PDF-"));
            // Vector only: no embedded raster picture. pdfimages lists one
            // row per image after its two header lines.
            if (QByteArray(type) == "svg") {
                QVERIFY(!data.contains("<image"));
            } else {
                QProcess images;
                images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), out});
                QVERIFY2(images.waitForFinished(30000) && images.exitCode() == 0, "pdfimages (poppler-utils) must run");
                QCOMPARE(images.readAllStandardOutput().trimmed().split('\n').size(), 2);
            }
        }
    }

    // The exit status, the number of lines on the error output (so that
    // no warning of Qt's slips in) and a text of the output.
    void statusAndMessages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("errorLines");
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << 2 << "unknown option '--bogus'.";
        QTest::newRow("bad picture type") << QStringList{"--export", "x.gif"} << 2 << 2 << "x.gif";
        QTest::newRow("help") << QStringList{"--help"} << 0 << 0 << "--export OUT.png|OUT.svg|OUT.pdf";
        QTest::newRow("version") << QStringList{"--version"} << 0 << 0 << "ZYL Version " ZYL_VERSION "\n";
        QTest::newRow("karnaugh maps") << QStringList{"--export-kmap", "@dir/maps.svg"} << 0 << 0 << "";
        // Files that cannot be read end the export with a message on the
        // error output and status 1, never waiting on a message box.
        QTest::newRow("missing file") << QStringList{"--export", "x.png", "/nonexistent/none.zyl"} << 1 << 1
                                      << "zyl: Cannot open /nonexistent/none.zyl";
        QTest::newRow("print of a missing file") << QStringList{"--print", "/nonexistent/none.zyl"} << 1 << 1
                                                 << "/nonexistent/none.zyl";
        // Without a printer nothing is printed, and that is said.
        QTest::newRow("no printer") << QStringList{"--print", "@dir/empty.zyl"} << 1 << 1 << "no printer is installed.";
        // A window needs a display; without one that is said in one line.
        QTest::newRow("no display") << QStringList{"@dir/empty.zyl"} << 1 << 1
                                    << "zyl: no display to open the window on (DISPLAY is not set); --export, "
                                       "--export-kmap and --print work without one.\n";
    }

    void statusAndMessages()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(int, errorLines);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QFile empty(dir.filePath("empty.zyl"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        args.replaceInStrings(QStringLiteral("@dir"), dir.path());
        const Run run = Zyl(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.count('\n') == errorLines, run.err.constData());
        QVERIFY2(QString::fromUtf8(run.out + run.err).contains(text), (run.out + run.err).constData());
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && !QByteArray(argv[1]).startsWith('-')) {
        g_zyl = QString::fromLocal8Bit(argv[1]);
        for (int i = 1; i + 1 < argc; ++i)
            argv[i] = argv[i + 1];
        --argc;
    }
    QCoreApplication app(argc, argv);
    TestZylCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_docfile_cli.moc"
