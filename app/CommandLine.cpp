// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "ChipFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] =
    "Usage: zyl [FILE.zyl]\n"
    "       zyl --export OUT.png|OUT.svg|OUT.pdf [--scale FACTOR] [FILE.zyl]\n"
    "       zyl --export OUT.jed [--device GAL16V8|GAL22V10] [FILE.zyl]\n"
    "       zyl --export OUT.v [FILE.zyl]\n"
    "       zyl --export-kmap OUT.png|OUT.svg|OUT.pdf [--scale FACTOR] [FILE.zyl]\n"
    "       zyl --print FILE.zyl\n"
    "       zyl --export-handout OUT.pdf [FILE.zyl]\n"
    "       zyl --report FILE.zyl [--format text|json|csv]\n"
    "       zyl --check REFERENCE.zyl HANDIN... [--format text|csv]\n"
    "       zyl --help | --version\n"
    "\n"
    "ZYL simulates a fuse-programmable logic device (PROM, PAL, PLA) with\n"
    "4 inputs and 4 outputs.\n"
    "\n"
    "  FILE.zyl           open this document\n"
    "  --export OUT       write the fuse map of FILE.zyl (or of a fresh device)\n"
    "                     to OUT as PNG, SVG or PDF and exit without a window;\n"
    "                     OUT.jed: the JEDEC fuse file for a GAL16V8 or GAL22V10,\n"
    "                     OUT.v: the functions as a Verilog module\n"
    "  --export-kmap OUT  write the four Karnaugh maps of FILE.zyl (or of a fresh\n"
    "                     device) to OUT as PNG, SVG or PDF and exit\n"
    "  --device CHIP      the chip of a fuse file: GAL16V8 (the default) or\n"
    "                     GAL22V10 (ATF16V8B and ATF22V10 take the same files)\n"
    "  --scale FACTOR     pixels per drawing unit of a PNG export, a number\n"
    "                     from 1 to 8 (default 1: 96 pixels per inch)\n"
    "  --print FILE.zyl   print the fuse map of FILE.zyl on the default printer\n"
    "                     and exit\n"
    "  --export-handout OUT.pdf  write the lab handout of FILE.zyl (or of a\n"
    "                     fresh device) to OUT.pdf and exit: the fuse map, the\n"
    "                     truth tables, the Karnaugh maps, the equations and the\n"
    "                     minimization steps, a header on every page\n"
    "  --report FILE.zyl  say what each output of FILE.zyl computes and at what\n"
    "                     cost; exit 0, or 2 when the file cannot be read\n"
    "  --check REFERENCE.zyl HANDIN...  grade each hand-in (a .zyl file, or a\n"
    "                     folder: every .zyl in it) against the reference; exit\n"
    "                     0 all correct, 1 any wrong, 2 any file unreadable\n"
    "  --format FORMAT    text (the default), json (--report only) or csv\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "Qt's own options (-platform, -display, -style ...) are passed to Qt.";

const char kVersion[] = "ZYL Version " ZYL_VERSION;

// Qt's options that take a value, and those that do not. They are read here
// only so that they are never taken for a document; QApplication acts on them.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                       "style", "stylesheet", "session", "geometry", "qwindowgeometry",
                                       "qwindowtitle", "qwindowicon", "title", "name", "qmljsdebugger"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

CCommandLine Fail(const std::string& message)
{
    CCommandLine c;
    c.action = CCommandLine::Error;
    c.message = message + "\nTry 'zyl --help' for more information.";
    return c;
}

bool HasPictureExtension(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const std::string e : {".png", ".svg", ".pdf"})
        if (path.size() > e.size() && path.ends_with(e) && path[path.size() - e.size() - 1] != '/')
            return true;
    return false;
}

// Arguments travel through QCommandLineParser as text. One whose bytes do
// not survive decoding (a file name that is not valid UTF-8) goes in as a
// marker and comes back out as its original bytes.
class CArgumentBytes
{
public:
    explicit CArgumentBytes(const std::vector<std::string>& args) : m_args(args) {}

    QStringList Texts() const
    {
        QStringList texts{QStringLiteral("zyl")};
        for (std::size_t i = 0; i < m_args.size(); ++i) {
            const QByteArray bytes = QByteArray::fromStdString(m_args[i]);
            const QString text = QFile::decodeName(bytes);
            texts << (QFile::encodeName(text) == bytes ? text : Marker(i));
        }
        return texts;
    }

    std::string Bytes(const QString& text) const
    {
        for (std::size_t i = 0; i < m_args.size(); ++i)
            if (text == Marker(i))
                return m_args[i];
        return QFile::encodeName(text).toStdString();
    }

    // The argument as typed that spells the option name (for messages).
    std::string Typed(const QString& name) const
    {
        for (const std::string& a : m_args) {
            const std::string bare = a.substr(0, a.find('='));
            const std::size_t start = bare.find_first_not_of('-');
            if (start != std::string::npos && start > 0 && bare.substr(start) == name.toStdString())
                return bare;
        }
        return "-" + name.toStdString();
    }

private:
    static QString Marker(std::size_t i) { return QStringLiteral("\x01zyl-argument-%1").arg(i); }

    const std::vector<std::string>& m_args;
};

} // namespace

namespace {

// The options of zyl, and Qt's, known to one parser.
struct CZylOptions
{
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineOption exportTo{QStringLiteral("export"), QString(), QStringLiteral("OUT")};
    QCommandLineOption exportKmap{QStringLiteral("export-kmap"), QString(), QStringLiteral("OUT")};
    QCommandLineOption scale{QStringLiteral("scale"), QString(), QStringLiteral("FACTOR")};
    QCommandLineOption device{QStringLiteral("device"), QString(), QStringLiteral("CHIP")};
    QCommandLineOption print{QStringLiteral("print")};
    QCommandLineOption exportHandout{QStringLiteral("export-handout"), QString(), QStringLiteral("OUT")};
    QCommandLineOption report{QStringLiteral("report")};
    QCommandLineOption check{QStringLiteral("check")};
    QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("FORMAT")};

    void AddTo(QCommandLineParser& parser) const
    {
        // "-platform" is one option, as Qt spells its own; "--export" and
        // "-export" are the same.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, exportTo, exportKmap, scale, device, print, exportHandout, report, check, format});
        for (const char* name : kQtValueOptions)
            parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        for (const char* name : kQtFlagOptions)
            parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
};

CCommandLine Answer(CCommandLine::Action action, const char* text)
{
    CCommandLine c;
    c.action = action;
    c.message = text;
    return c;
}

// The form of the line as a whole: the parser's own errors, a Qt option
// that swallowed the document (it would hide it without a word), an option
// given twice, two documents. "" when sound.
std::string FormError(const QCommandLineParser& parser, bool parsed, const CZylOptions& o, const CArgumentBytes& bytes)
{
    if (!parsed) {
        if (!parser.unknownOptionNames().isEmpty())
            return "unknown option '" + bytes.Typed(parser.unknownOptionNames().front()) + "'.";
        QString text = parser.errorText();
        if (!text.isEmpty())
            text[0] = text[0].toLower();
        return text.toStdString();
    }
    for (const char* name : kQtValueOptions) {
        const QString value = parser.value(QString::fromLatin1(name));
        if (value.endsWith(QStringLiteral(".zyl"), Qt::CaseInsensitive))
            return "option '" + bytes.Typed(QString::fromLatin1(name)) + "' takes a value, not the document '" +
                   bytes.Bytes(value) + "'.";
    }
    for (const QCommandLineOption* once :
         {&o.exportTo, &o.exportKmap, &o.scale, &o.device, &o.print, &o.exportHandout, &o.report, &o.check, &o.format})
        if (parser.optionNames().count(once->names().front()) > 1)
            return "--" + once->names().front().toStdString() + " is given twice.";
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 && !parser.isSet(o.check))
        return "more than one document given: '" + bytes.Bytes(files[0]) + "' and '" + bytes.Bytes(files[1]) + "'.";
    return {};
}

// The chip of a fuse file (--device) fills c; "" when it is one and the
// output is a fuse file.
std::string ReadChip(const QCommandLineParser& parser, const CZylOptions& o, CCommandLine& c)
{
    if (!parser.isSet(o.device))
        return {};
    const QString value = parser.value(o.device);
    const std::optional<Chip> chip = ParseChip(value.toStdString());
    if (!chip)
        return "--device needs GAL16V8 or GAL22V10, not '" + value.toStdString() + "'.";
    if (c.action != CCommandLine::Export || ChipFileOf(c.output) != ChipFile::Fuses)
        return "--device applies only to --export of a fuse file (OUT.jed).";
    c.chip = *chip;
    return {};
}

// The picture, scale and print options fill c; "" when they fit together.
std::string ReadOutput(const QCommandLineParser& parser, const CZylOptions& o, const CArgumentBytes& bytes,
                       CCommandLine& c)
{
    const bool mapWanted = parser.isSet(o.exportTo);
    const bool kmapWanted = parser.isSet(o.exportKmap);
    const bool exportWanted = mapWanted || kmapWanted;
    const bool printWanted = parser.isSet(o.print);
    if (mapWanted && kmapWanted)
        return "--export and --export-kmap cannot be combined.";
    if (exportWanted) {
        const char* option = kmapWanted ? "--export-kmap" : "--export";
        c.output = bytes.Bytes(parser.value(kmapWanted ? o.exportKmap : o.exportTo));
        if (kmapWanted && !HasPictureExtension(c.output))
            return std::string(option) + " needs an output file ending in .png, .svg or .pdf, not '" + c.output + "'.";
        if (mapWanted && !HasPictureExtension(c.output) && !ChipFileOf(c.output))
            return "--export needs an output file ending in .png, .svg, .pdf, .jed or .v, not '" + c.output + "'.";
    }
    if (parser.isSet(o.scale)) {
        const QString value = parser.value(o.scale);
        // A plain number: no sign, no blanks, no hexadecimal or exponent.
        static const QRegularExpression plain(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
        const double factor = value.toDouble();
        if (!plain.match(value).hasMatch() || factor < 1.0 || factor > 8.0)
            return "--scale needs a number from 1 to 8, not '" + value.toStdString() + "'.";
        c.scale = factor;
        if (!exportWanted)
            return "--scale applies only to --export and --export-kmap.";
    }
    if (exportWanted && printWanted)
        return std::string(kmapWanted ? "--export-kmap" : "--export") + " and --print cannot be combined.";
    if (printWanted && c.file.empty())
        return "--print needs a document to print.";
    c.action = kmapWanted  ? CCommandLine::ExportKarnaugh
               : mapWanted ? CCommandLine::Export
               : printWanted ? CCommandLine::Print
                             : CCommandLine::Run;
    return {};
}

// The handout and the desk's commands fill c when one of them is asked
// for (set true); "" when the line fits it.
std::string ReadDeskOptions(const QCommandLineParser& parser, const CZylOptions& o, const CArgumentBytes& bytes,
                            CCommandLine& c, bool& set)
{
    const bool report = parser.isSet(o.report), check = parser.isSet(o.check);
    const bool handout = parser.isSet(o.exportHandout);
    set = report || check || handout;
    if (int(report) + int(check) + int(handout) > 1)
        return "--report, --check and --export-handout cannot be combined.";
    if (parser.isSet(o.format) && !report && !check)
        return "--format applies only to --report and --check.";
    if (!set)
        return {};
    const char* option = report ? "--report" : check ? "--check" : "--export-handout";
    for (const QCommandLineOption* other : {&o.exportTo, &o.exportKmap, &o.scale, &o.print})
        if (parser.isSet(*other))
            return std::string(option) + " and --" + other->names().front().toStdString() + " cannot be combined.";
    if (handout) {
        c.action = CCommandLine::ExportHandout;
        c.output = bytes.Bytes(parser.value(o.exportHandout));
        const bool pdf = HasPictureExtension(c.output) && QString::fromStdString(c.output).endsWith(
                                                                  QStringLiteral(".pdf"), Qt::CaseInsensitive);
        return pdf ? std::string() : "--export-handout needs an output file ending in .pdf, not '" + c.output + "'.";
    }
    c.action = report ? CCommandLine::Report : CCommandLine::Check;
    const QStringList files = parser.positionalArguments();
    for (qsizetype i = 1; i < files.size(); ++i)
        c.handIns.push_back(bytes.Bytes(files[i]));
    if (report && c.file.empty())
        return "--report needs a document to report on.";
    if (check && c.handIns.empty())
        return "--check needs a reference and at least one hand-in.";
    if (parser.isSet(o.format))
        c.format = parser.value(o.format).toStdString();
    if (c.format != "text" && c.format != "csv" && (check || c.format != "json"))
        return std::string(option) + " --format takes " + (check ? "text or csv" : "text, json or csv") + ", not '" +
               c.format + "'.";
    return {};
}

} // namespace

CCommandLine ParseZylCommandLine(const std::vector<std::string>& args)
{
    const CArgumentBytes bytes(args);
    const CZylOptions options;
    QCommandLineParser parser;
    options.AddTo(parser);
    const bool parsed = parser.parse(bytes.Texts());

    // 1. Help wins over everything, even a line with errors.
    if (parser.isSet(options.help))
        return Answer(CCommandLine::Help, kHelp);
    // 2. The form of the line.
    if (const std::string error = FormError(parser, parsed, options, bytes); !error.empty())
        return Fail(error);
    // 3. The version stands alone.
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(options.version)) {
        if (parser.optionNames().size() > 1 || !files.isEmpty())
            return Fail("--version takes no other arguments.");
        return Answer(CCommandLine::Version, kVersion);
    }
    // 4. The document, then what to do with it.
    CCommandLine c;
    c.platformGiven = parser.isSet(QStringLiteral("platform"));
    if (!files.isEmpty())
        c.file = bytes.Bytes(files.front());
    bool desk = false;
    if (const std::string error = ReadDeskOptions(parser, options, bytes, c, desk); !error.empty())
        return Fail(error);
    if (desk)
        return c;
    if (const std::string error = ReadOutput(parser, options, bytes, c); !error.empty())
        return Fail(error);
    if (const std::string error = ReadChip(parser, options, c); !error.empty())
        return Fail(error);
    return c;
}

int CommandLineExitStatus(const CCommandLine& command)
{
    switch (command.action) {
    case CCommandLine::Help:
    case CCommandLine::Version:
        return 0;
    case CCommandLine::Error:
        return 2;
    default:
        return -1;
    }
}

int AnswerCommandLine(const CCommandLine& command)
{
    if (command.action == CCommandLine::Error) {
        std::fputs(("zyl: " + command.message + "\n").c_str(), stderr);
        return CommandLineExitStatus(command);
    }
    errno = 0;
    if (std::fputs((command.message + "\n").c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "zyl: cannot write the output: %s.\n", std::strerror(errno));
        return 1;
    }
    return CommandLineExitStatus(command);
}

bool IsBatch(const CCommandLine& command)
{
    return command.action == CCommandLine::Export || command.action == CCommandLine::ExportKarnaugh ||
           command.action == CCommandLine::ExportHandout || command.action == CCommandLine::Print;
}

std::vector<char*> QtArguments(const CCommandLine& command, int argc, char* argv[])
{
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char*> args(argv, argv + argc);
    if (IsBatch(command) && !command.platformGiven && !args.empty())
        args.insert(args.begin() + 1, {platform, offscreen});
    return args;
}
