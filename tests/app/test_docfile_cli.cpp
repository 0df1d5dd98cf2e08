// SPDX-License-Identifier: GPL-3.0-or-later
// The programs run from a script: zyl's --export of a saved device, the
// exit status and messages of usage errors, unreadable files and a window
// run without a display, and how zyl and zyl-minimize meet writes and reads
// that fail. The path of the zyl binary is the first argument; zyl-minimize
// lies beside it.
#include "DeviceEditor.h"
#include "FuseMapLayout.h"
#include "DocFile.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString g_zyl;

struct Run
{
    int status;
    QByteArray out, err;
};

// Runs zyl or a program beside it as a script does. With limited the
// file-size limit is 0 and the standard output a file: every write to a
// file fails, as on a full disk. input: a file to read, or "closed".
Run Program(const QStringList& args, const QString& program = "zyl", const QString& input = {}, bool limited = false)
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
    QTemporaryDir dir;
    p.setStandardOutputFile(limited ? dir.filePath("out") : QString());
    const bool closed = input == "closed";
    p.setStandardInputFile(closed ? QString() : input);
    p.setChildProcessModifier([limited, closed] {
        const rlimit none{0, 0};
        if ((limited && ::setrlimit(RLIMIT_FSIZE, &none) != 0) || (closed && ::close(0) != 0))
            ::_exit(127);
    });
    p.start(QFileInfo(g_zyl).dir().filePath(program), args);
    if (!p.waitForFinished(60000))
        return {-1, {}, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

Run Zyl(const QStringList& args) { return Program(args); }

// Rectangle of AND cell (column c, row r) in the picture.
QRect AndCell(int c, int r)
{
    const ZRect z = FuseMapLayout::AndCellRect(c, r);
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
        Device device;
        DeviceEditor e(device);
        e.SetType(DeviceType::Pal);
        std::string error;
        QVERIFY2(SaveDocument(device, dir.filePath("fresh.zyl").toStdString(), error), error.c_str());
        const char* rows[] = {"10011010", "00000000", "01100101", "11101111"};
        for (int r = 0; r < 4; ++r) {
            std::array<bool, 8> intact{};
            for (std::size_t c = 0; c < 8; ++c)
                intact[c] = rows[r][c] == '1';
            e.SetAndRow(4 * r + 1, ProductTerm::FromAndFuses(intact));
            // The fuses decide the functions, as after clicks in the fuse map.
            e.RederivePalColumn(r);
        }
        QVERIFY2(SaveDocument(device, dir.filePath("lab.zyl").toStdString(), error), error.c_str());

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
                const bool intact = device.pal.Row(r).Fuse(c);
                QVERIFY2(SameCell(fresh, lab, AndCell(c, r)) == intact,
                         qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
            }
        }
        // Blown cells all look alike.
        QVERIFY(lab.copy(AndCell(0, 5)) == lab.copy(AndCell(1, 1)));

        // Vector only: pdfimages lists no image after its two header lines
        // (an SVG's pictures are the picture tests').
        const QString pdf = dir.filePath("lab.pdf");
        const Run run = Zyl({"--export", pdf, dir.filePath("lab.zyl")});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(images.waitForFinished(30000) && images.exitCode() == 0, "pdfimages (poppler-utils) must run");
        QCOMPARE(images.readAllStandardOutput().trimmed().split('\n').size(), 2);
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

    // Nothing a write meets ends a program: the file-size limit, a full
    // disk for the output, a FIFO or a read-only file (also through a link),
    // an input that cannot be read. Each says why on the error output with
    // a status other than 0, and no file is written. Then a picture's name
    // that is not UTF-8 is written byte for byte.
    void writesAndReadsThatFail()
    {
        QTemporaryDir dir;
        const QString d = dir.path(), large = ": cannot write the output: File too large",
                      fifo = ": it is a named pipe (FIFO), not a regular file.";
        QFile in(d + "/in");
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write("1;2\n") == 4 && in.flush() && QFile::copy(d + "/in", d + "/in.png") &&
                QFile::setPermissions(d + "/in.png", QFile::ReadOwner));
        QVERIFY(::mkfifo(qPrintable(d + "/f.png"), 0600) == 0 && QFile::link(d + "/f.png", d + "/l.svg"));
        const std::tuple<QString, QStringList, QString, int, QString> cases[] = {
            {"zyl", {"--export", d + "/map.png"}, "", 1, "zyl: Cannot export " + d + "/map.png: File too large."},
            {"zyl", {"--help"}, "", 1, "zyl" + large + "."},
            {"zyl", {"--export", d + "/f.png"}, "", 1, "zyl: Cannot export " + d + "/f.png" + fifo},
            {"zyl", {"--export-kmap", d + "/l.svg"}, "", 1, "zyl: Cannot export " + d + "/l.svg" + fifo},
            {"zyl", {"--export", d + "/in.png"}, "", 1, "zyl: Cannot export " + d + "/in.png: the file is read-only."},
            {"zyl-minimize", {"--every"}, "", 1, "zyl-minimize" + large},
            {"zyl-minimize", {"--batch"}, d + "/in", 1, "zyl-minimize" + large},
            {"zyl-minimize", {"--batch"}, d, 2, "zyl-minimize: cannot read the standard input: Is a directory"},
            {"zyl-minimize", {"--batch"}, "closed", 2, "zyl-minimize: cannot read the standard input: Bad file descriptor"},
        };
        for (const auto& [program, args, input, status, text] : cases) {
            const Run run = Program(args, program, input, status == 1);
            QVERIFY2(run.status == status && QString::fromUtf8(run.err).trimmed().split('\n').last() == text, run.err);
        }
        for (const char* option : {"--export", "--export-kmap"}) {
            const Run run = Program({"-c", QString("exec \"$0\" %1 \"$1/$(printf '\\377.png')\"").arg(option), g_zyl, d},
                                    "/bin/sh");
            QVERIFY2(run.status == 0 && ::unlink((d.toStdString() + "/\xFF.png").c_str()) == 0, run.err);
        }
        QCOMPARE(QDir(d).entryList(QDir::Files | QDir::System), (QStringList{"f.png", "in", "in.png", "l.svg"}));
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
