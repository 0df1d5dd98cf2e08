// SPDX-License-Identifier: GPL-3.0-or-later
// The programs run from a script: zyl's --export of a saved device, the
// exit status and messages of usage errors, unreadable files and a window
// run without a display, how zyl and zyl-minimize meet writes and reads
// that fail, and a teacher's --check, --report and --export-handout. The path of the zyl binary is the first argument; zyl-minimize
// lies beside it.
#include "DeviceEditor.h"
#include "FuseMapLayout.h"
#include "DocFile.h"
#include "ParseCsv.h"

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

// A tool of poppler-utils on a PDF file: its standard output.
QByteArray Poppler(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qFatal("%s (poppler-utils) must run", qPrintable(tool));
    return p.readAllStandardOutput();
}

// A PAL document whose output Y0 holds these rows (the table follows
// them, as after clicks in the fuse map) or, given, this table.
bool SavePal(const QString& path, std::vector<ProductTerm> y0, const char* table = nullptr)
{
    Device device;
    DeviceEditor e(device);
    e.SetType(DeviceType::Pal);
    for (int r : PalRowsOf(0))
        e.SetAndRow(r, static_cast<std::size_t>(r) < y0.size() ? y0[static_cast<std::size_t>(r)] : ProductTerm::Zero());
    e.RederivePalColumn(0);
    if (table)
        e.SetPalColumn(0, [table] { Column c; std::copy_n(table, 16, c.begin()); return c; }());
    std::string error;
    return SaveDocument(device, path.toStdString(), error);
}

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

    // A class checked as a teacher does, against a PAL reference (Y0 = ^A^B
    // with minterm 2 free, the others 0): a folder of hand-ins, one of each
    // kind, the gradebook CSV read back, the exit statuses. Then the
    // handout of the reference: its pages, the header of each and no raster
    // image.
    void deskCommands()
    {
        QTemporaryDir dir;
        const QString d = dir.path(), c = d + "/class/";
        const ProductTerm none = ProductTerm::Zero(), notANotB{0, 0xC};
        QVERIFY(QDir(d).mkdir("class") && SavePal(d + "/ref.zyl", {notANotB}, "11X1000000000000") &&
                SavePal(c + "ann.zyl", {notANotB}) && SavePal(c + "cat.zyl", {ProductTerm{0, 0xE}}) &&
                SavePal(c + "ben.zyl", {ProductTerm::Minterm(0), ProductTerm::Minterm(1), none, ProductTerm::Minterm(3)}));
        std::string error;
        QVERIFY(SaveDocument(Device(), (c + "dan.zyl").toStdString(), error) && ::mkfifo(qPrintable(c + "fifo.zyl"), 0600) == 0);
        QFile newer(c + "new.zyl"), notes(c + "notes.txt");
        QVERIFY(newer.open(QIODevice::WriteOnly) && newer.write("ZYL 2\n") == 6 && notes.open(QIODevice::WriteOnly) &&
                notes.write("Y0 = ^A^B\n") == 10);
        newer.close();
        notes.close();
        const QString all = "correct and minimal,correct and minimal,correct and minimal";
        const QStringList expected = {
            "file,Y0,Y1,Y2,Y3,correct,minimal,error",
            c + "ann.zyl,correct and minimal," + all + ",4,4,",
            c + "ben.zyl,\"correct, not minimal (cost 15, lowest 3)\"," + all + ",4,3,",
            c + "cat.zyl,wrong at minterms 3," + all + ",3,3,",
            c + "dan.zyl,wrong device type,wrong device type,wrong device type,wrong device type,0,0,",
            c + "fifo.zyl,,,,,,,\"Cannot open " + c + "fifo.zyl: it is a named pipe (FIFO), not a ZYL document.\"",
            c + "new.zyl,,,,,,,Cannot open " + c + "new.zyl: line 1: the file is in version 2 of the ZYL format; this "
                "version of ZYL reads version 1."};
        const Run run = Zyl({"--check", d + "/ref.zyl", c, "--format", "csv"});
        const std::string csv = run.out.toStdString();
        QCOMPARE(QString::fromStdString(csv).split("\r\n"), expected + QStringList{""});
        QVERIFY(run.status == 2 && run.err.isEmpty() && ParseCsv(csv)[2][1] == "correct, not minimal (cost 15, lowest 3)");
        const std::pair<QStringList, int> statuses[] = {
            {{c + "ann.zyl", c + "ben.zyl"}, 0}, {{c + "ann.zyl", c + "cat.zyl"}, 1}, {{c + "dan.zyl"}, 1},
            {{c + "ann.zyl", c + "notes.txt"}, 2}};
        for (const auto& [handIns, status] : statuses)
            QCOMPARE(Zyl(QStringList{"--check", d + "/ref.zyl"} + handIns).status, status);
        QVERIFY(Zyl({"--report", d + "/ref.zyl", "--format=json"}).out.contains(
            R"({"name": "Y0", "on": [0, 1, 3], "dc": [2], "sop": "^A^B", "terms": 1, "cost": 3, "min_cost": 3,)"));

        const Run handout = Zyl({"--export-handout", d + "/h.pdf", d + "/ref.zyl"});
        QVERIFY2(handout.status == 0 && handout.err.isEmpty(), handout.err);
        const QList<QByteArray> pages = Poppler("pdftotext", {"-layout", d + "/h.pdf", "-"}).split('\f');
        QCOMPARE(pages.size(), 8); // the fuse map, the tables, the equations, a page of steps an output; then the end
        const QString date = QDate::currentDate().toString(Qt::ISODate);
        for (int n = 1; n <= 7; ++n)
            QVERIFY2(QRegularExpression("^ref.zyl +" + QRegularExpression::escape(d) + "/ref.zyl +" + date + " +page " +
                                        QString::number(n) + " of 7\n")
                         .match(QString::fromUtf8(pages[n - 1]))
                         .hasMatch(),
                     pages[n - 1].left(200));
        QVERIFY(pages[3].contains("Minimization steps of Y0") && pages[2].contains("Y0 = \u03A3m(0, 1, 3) + d(2)"));
        QCOMPARE(Poppler("pdfimages", {"-list", d + "/h.pdf"}).trimmed().split('\n').size(), 2);
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
        QTest::newRow("report of a missing file") << QStringList{"--report", "/nonexistent/none.zyl"} << 2 << 1
                                                  << "zyl: Cannot open /nonexistent/none.zyl: No such file or directory.\n";
        QTest::newRow("report of a folder") << QStringList{"--report", "@dir"} << 2 << 1 << "it is a folder, not a ZYL document.";
        QTest::newRow("print of a missing file") << QStringList{"--print", "/nonexistent/none.zyl"} << 1 << 1
                                                 << "/nonexistent/none.zyl";
        // Without a printer nothing is printed, and that is said.
        QTest::newRow("no printer") << QStringList{"--print", "@dir/empty.zyl"} << 1 << 1 << "no printer is installed.";
        // A window needs a display; without one that is said in one line.
        QTest::newRow("no display") << QStringList{"@dir/empty.zyl"} << 1 << 1
                                    << "zyl: no display to open the window on (DISPLAY is not set); --export, "
                                       "--export-kmap, --export-handout, --print, --report and --check work without "
                                       "one.\n";
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
