// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocInvariants.h"
#include "FileWrite.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Two devices are the same, and the second is sound.
::testing::AssertionResult SameDocument(const Device& a, const Device& b)
{
    const std::string fault = CheckDocument(b);
    if (!fault.empty())
        return ::testing::AssertionFailure() << fault;
    if (!(a == b))
        return ::testing::AssertionFailure() << "the devices differ:\n" << SaveDocumentToString(a) << "\n"
                                             << SaveDocumentToString(b);
    return ::testing::AssertionSuccess();
}

// A device state the program can reach: inputs and outputs renamed in any
// script, PROM outputs programmed fuse by fuse with don't cares, PAL rows
// with edited fuses under a PAL table whose X entries may or may not be
// produced, toggles and view flags. The same seed gives the same state.
Device MakeState(unsigned seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    Device device;
    DeviceEditor e(device);
    std::vector<std::string> variables = {"A", "B", "C", "D", "P", "Q", "x", "y", "1", " ", "", "\xC3\x84", "\"", "\\",
                                          "\xF0\x9D\x92\x9C", "\xF0\x9F\x98\x80"};
    std::vector<std::string> functions = {"Y0", "Y1", "Y2", "F", "", "f1", "\xCE\xA9\x32", "\"\\", "  ",
                                          "\xC3\xA9\xF0\x9D\x92\x9C"};
    if (pick(3) != 0) {
        std::shuffle(variables.begin(), variables.end(), rng);
        std::shuffle(functions.begin(), functions.end(), rng);
        CNames names;
        std::copy_n(variables.begin(), 4, names.variables.begin());
        std::copy_n(functions.begin(), 4, names.functions.begin());
        e.SetNames(names);
    }
    // PROM: the OR array fuse by fuse; an X sits on an intact or a blown fuse.
    for (int f = 0; f < 4; ++f)
        for (int r = 0; r < 16; ++r) {
            const bool fuse = pick(2) == 1;
            e.SetPromEntry(f, r, pick(5) == 0 ? 'X' : fuse ? '1' : '0', fuse);
        }
    // PAL: each variable of a row true, complemented, absent or (rarely)
    // both, which makes the row 0; the table shows what the rows produce.
    for (int r = 0; r < 16; ++r) {
        std::array<bool, 8> intact{};
        for (std::size_t i = 0; i < 4; ++i) {
            const int k = pick(7);
            intact[2 * i] = k == 0 || k == 3 || k == 6;
            intact[2 * i + 1] = k == 1 || k == 4 || k == 6;
        }
        e.SetAndRow(r, ProductTerm::FromAndFuses(intact));
    }
    for (int f = 0; f < 4; ++f) {
        Column column;
        for (int m = 0; m < 16; ++m)
            column[std::size_t(m)] = pick(4) == 0 ? 'X' : device.pal.Produced(f).Has(m) ? '1' : '0';
        e.SetPalColumn(f, column);
    }
    for (int r = 0; r < 16; ++r)
        e.SetRowToggle(r, pick(2) == 1);
    for (int f = 0; f < 4; ++f)
        e.SetOutputToggle(f, pick(2) == 1);
    for (bool DisplayFlags::*flag : {&DisplayFlags::andLabel, &DisplayFlags::orLabel, &DisplayFlags::blockStructure,
                                     &DisplayFlags::showMinterms, &DisplayFlags::showProductTerms})
        e.SetFlag(flag, pick(2) == 1);
    e.SetType(DeviceType(pick(3)));
    return device;
}

// A document holding a state.
std::unique_ptr<CZYLDoc> DocumentOf(const Device& device)
{
    auto doc = std::make_unique<CZYLDoc>();
    doc->Edit([&device](DeviceEditor& e) { e.Replace(device); });
    return doc;
}

// text with the first line that starts with prefix replaced (no line feed
// in replacement removes the line entirely when it is empty).
std::string ReplaceLine(const std::string& text, const std::string& prefix, const std::string& replacement)
{
    const std::size_t at = text.starts_with(prefix) ? 0 : text.find("\n" + prefix) + 1;
    const std::size_t end = text.find('\n', at);
    return text.substr(0, at) + replacement + text.substr(end + (replacement.empty() ? 1 : 0));
}

struct TempDir
{
    std::string m_name = "/tmp/zyl-docfile-XXXXXX";
    fs::path m_path = mkdtemp(m_name.data());
    ~TempDir() { fs::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
};

long Entries(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); }

// The contents of a regular file, "" for anything else.
std::string ReadFile(const std::string& path)
{
    std::error_code failed;
    std::ifstream in(fs::is_regular_file(path, failed) ? path : "", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

} // namespace

// ------------------------------------------------------------ round trip

TEST(DocFile, RandomStatesRoundTripExactly)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Device saved = MakeState(seed);
        ASSERT_EQ(CheckDocument(saved), "");
        const std::string text = SaveDocumentToString(saved);
        // Reading into a document that already holds another device gives
        // the same result as reading into a fresh one.
        auto opened = DocumentOf(MakeState(seed + 1000));
        std::string error;
        ASSERT_TRUE(LoadDocumentFromString(*opened, text, "state.zyl", error)) << error << "\n" << text;
        ASSERT_TRUE(SameDocument(saved, opened->Device()));
    }
}

// The example in the description of the format is what a fresh device saves.
TEST(DocFile, TheDocumentedExampleIsWhatSaveWrites)
{
    const std::string doc = ReadFile(ZYL_SOURCE_DIR "/docs/FILEFORMAT.md");
    const std::size_t begin = doc.find("```\nZYL 1\n");
    ASSERT_NE(begin, std::string::npos);
    const std::size_t end = doc.find("```", begin + 3);
    EXPECT_EQ(doc.substr(begin + 4, end - begin - 4), SaveDocumentToString(Device{}));
}

// The shipped examples open, and saving them again gives the same bytes:
// they stay what the program writes.
TEST(DocFile, TheExamplesAreWhatSaveWrites)
{
    for (const char* name : {"prom-gray-code", "pal-comparator", "prom-excess-3"}) {
        const std::string path = ZYL_SOURCE_DIR "/examples/" + std::string(name) + ".zyl";
        auto doc = std::make_unique<CZYLDoc>();
        std::string error;
        ASSERT_TRUE(LoadDocument(*doc, path, error)) << error;
        EXPECT_EQ(SaveDocumentToString(doc->Device()), ReadFile(path)) << name;
    }
}

// ------------------------------------------------------------ files

// Opens and saves through files, one table. A save replaces the file, or
// the target of a symbolic link, which stays a link and keeps its
// permissions, through a temporary file in the target's folder whose name
// stays short beside a name as long as the system allows. A save may fail
// before or while writing: the file-size limit (whose signal the programs
// ignore) and injected write faults, among them a write that writes nothing
// and would otherwise be retried for ever. Only regular files are read or
// replaced, anything else is refused at once by its kind, also through a
// link: a FIFO without a writer would otherwise block for ever, and one
// replaced would be lost. The mode bits decide "read-only", so this holds
// for root too. What fails reports the error, leaves the file as it was and
// no temporary file beside it, and changes nothing.
TEST(DocFile, OpensAndSavesThroughFiles)
{
    TempDir dir;
    std::signal(SIGXFSZ, SIG_IGN); // as main() does
    ASSERT_EQ(::mkfifo((dir / "fifo.zyl").c_str(), 0600), 0);
    fs::create_symlink("fifo.zyl", dir / "to-fifo.zyl");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir / "socket.zyl";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    WriteFile(dir / "plain", "x");
    WriteFile(dir / "lab.zyl", "ZYL 1\nold contents\n");
    WriteFile(dir / "locked.zyl", "old");
    fs::permissions(dir / "locked.zyl", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink("locked.zyl", dir / "to-locked.zyl");
    fs::create_symlink("loop.zyl", dir / "loop.zyl");
    fs::create_directory(dir / "folder.zyl");
    fs::create_directory(dir / "data");
    WriteFile(dir / "data/real.zyl", "old");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir / "data/real.zyl", mode);
    fs::create_symlink("data/real.zyl", dir / "link.zyl");
    fs::create_symlink("link.zyl", dir / "chain.zyl");
    fs::create_symlink("data/new.zyl", dir / "dangling.zyl");
    const std::string longest = dir / ("data/" + std::string(NAME_MAX - 4, 'n') + ".zyl");
    using Write = ssize_t (*)(int, const void*, std::size_t);
    const struct
    {
        bool save;
        std::string path, problem; // "" succeeds
        Write write = ::write;
        bool sizeLimit = false;
    } cases[] = {
        {false, dir / "none.zyl", "No such file or directory."},
        {false, dir.m_path.string(), "it is a folder, not a ZYL document."},
        {false, dir / "fifo.zyl", "it is a named pipe (FIFO), not a ZYL document."},
        {false, socketPath, "it is a socket, not a ZYL document."},
        {true, dir / "plain/lab.zyl", "Not a directory."},
        {true, dir / "missing/lab.zyl", "No such file or directory."},
        {true, dir / "folder.zyl", "Is a directory."},
        {true, dir / "locked.zyl", "the file is read-only."},
        {true, dir / "to-locked.zyl", "the file is read-only."},
        {true, dir / "loop.zyl", "Too many levels of symbolic links."},
        {true, dir / "fifo.zyl", "it is a named pipe (FIFO), not a regular file."},
        {true, dir / "to-fifo.zyl", "it is a named pipe (FIFO), not a regular file."},
        {true, dir / "lab.zyl", "File too large.", ::write, true},
        {true, dir / "lab.zyl", "Input/output error.", [](int, const void*, std::size_t) -> ssize_t { return 0; }},
        {true, dir / "lab.zyl", "No space left on device.",
         [](int, const void*, std::size_t) -> ssize_t { errno = ENOSPC; return -1; }},
        {true, dir / "lab.zyl", "", [](int fd, const void* data, std::size_t) { return ::write(fd, data, 1); }},
        {true, longest, ""},
        {true, longest, ""},
        {true, dir / "chain.zyl", ""},
        {true, dir / "dangling.zyl", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + c.problem);
        const std::string before = ReadFile(c.path);
        // Asked before any write (as the printer's target is), the same
        // reason; a missing folder is left to the writer.
        if (c.save && c.write == ::write && !c.sizeLimit && c.path != dir / "missing/lab.zyl") {
            EXPECT_EQ(WriteRefusal(c.path), c.problem);
        }
        auto doc = DocumentOf(MakeState(11));
        doc->SetModifiedFlag(true);
        rlimit old{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit tight = {c.sizeLimit ? 100 : old.rlim_cur, old.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
        g_saveWrite = c.write;
        std::string error;
        ::alarm(20); // an open or save that hangs ends the run instead of blocking it
        const bool done = c.save ? StoreDocument(*doc, c.path, error) : LoadDocument(*doc, c.path, error);
        ::alarm(0);
        g_saveWrite = ::write;
        setrlimit(RLIMIT_FSIZE, &old);

        EXPECT_EQ(done, c.problem.empty());
        EXPECT_EQ(error, done ? "" : (c.save ? "Cannot save " : "Cannot open ") + c.path + ": " + c.problem);
        EXPECT_EQ(doc->GetPathName(), done ? c.path : "");
        EXPECT_EQ(doc->IsModified(), !done);
        if (c.save) {
            EXPECT_EQ(ReadFile(c.path), done ? SaveDocumentToString(doc->Device()) : before);
        }
    }
    ::close(sock);
    for (const char* link : {"link.zyl", "chain.zyl", "dangling.zyl"})
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    EXPECT_EQ(fs::status(dir / "data/real.zyl").permissions(), mode);
    EXPECT_EQ(Entries(dir.m_path), 13);
    EXPECT_EQ(Entries(dir / "data"), 3);

    // A load replaces the document and notifies its views once; an empty
    // file, as older versions wrote, opens and changes nothing.
    const Device saved = MakeState(11);
    auto opened = std::make_unique<CZYLDoc>();
    opened->SetModifiedFlag(true);
    int views = 0;
    opened->AddListener([&views](const DeviceChange& change) { views += change.replaced ? 1 : 100; });
    std::string error;
    ASSERT_TRUE(LoadDocument(*opened, longest, error)) << error;
    EXPECT_TRUE(SameDocument(saved, opened->Device()));
    EXPECT_FALSE(opened->IsModified());
    EXPECT_EQ(opened->GetPathName(), longest);
    EXPECT_EQ(views, 1);
    WriteFile(dir / "old.zyl", "");
    ASSERT_TRUE(LoadDocument(*opened, dir / "old.zyl", error)) << error;
    EXPECT_TRUE(SameDocument(saved, opened->Device()));

    // Another user's file keeps its owner and group (only root can make one).
    struct stat owner {};
    EXPECT_TRUE(::geteuid() != 0 || (::chown(longest.c_str(), 4321, 4322) == 0 && SaveDocument(saved, longest, error) &&
                                     ::stat(longest.c_str(), &owner) == 0 && owner.st_uid + owner.st_gid == 8643));
}

// ------------------------------------------------------------ bad files

// A huge value is quoted by its first 40 characters, cut between characters.
const std::string kHugeName(1 << 20, 'N');
const std::string kForty = "\xC3\x84" + std::string(39, 'N');

// Every refusal of the loader with its exact message and line, on edits of a
// fresh device's file: items wrong on their own, then items sound on their
// own that contradict each other (a state the program could not have made;
// the line is that of the first item involved). A refused file changes
// nothing in the document it was read into.
TEST(DocFile, BadFilesAreRefusedWithTheirMessageAndChangeNothing)
{
    const std::string valid = SaveDocumentToString(Device{});
    auto edit = [&valid](const char* prefix, const std::string& with) { return ReplaceLine(valid, prefix, with); };
    const std::string palLast = edit("pal-table  0", "") + "pal-table  0 0000000000000000\n";
    const struct
    {
        std::string text, error;
    } cases[] = {
        {edit("ZYL 1", "ZYL 2"), "line 1: the file is in version 2 of the ZYL format; this version of ZYL reads version 1."},
        {edit("ZYL 1", "<html>"), "line 1: this is not a ZYL document (its first line should be \"ZYL 1\")."},
        {edit("or-fuses   1", "or-fuses   1 1111111211111111"), "line 26: OR fuse value '2' is not 0 or 1."},
        {edit("or-fuses   1", "or-fuses   1 111111111111111"), "line 26: OR fuse values: 15 found, 16 needed."},
        {edit("pal-table  2", "pal-table 2 00000000000000\xC3\x84"), "line 36: truth table value '\xC3\x84' is not 0, 1 or X."},
        {edit("and-fuses  3", "and-fuses 16 10101010"), "line 46: row number 16 is out of range 0 to 15."},
        {edit("and-fuses  3", "and-fuses"), "line 46: 'and-fuses' needs a row number 0 to 15."},
        {edit("and-fuses  3", "and-fuses 3"), "line 46: item 'and-fuses 3' has no value."},
        {edit("row-toggles", "row-toggles 11111111111111112"), "line 62: row toggle value '2' is not 0 or 1."},
        {edit("and-label", "and-label 2"), "line 66: and-label value '2' is not 0 or 1."},
        {edit("type", "type GAL"), "line 7: device type 'GAL' is not PROM, PAL or PLA."},
        {edit("type", "colour red"), "line 7: unknown item 'colour'."},
        {edit("type", "\xC3\x84" + kHugeName), "line 7: unknown item '" + kForty + "...'."},
        {edit("show-minterms", "show-minterms 1 0"), "line 69: unexpected text '0' after the value of 'show-minterms'."},
        {edit("variable 2", "variable 2 \"AB\""), "line 12: variable name \"AB\" is longer than 1 character."},
        {edit("variable 2", "variable 2 \"\xC3\x84" + kHugeName + "\""),
         "line 12: variable name \"" + kForty + "...\" is longer than 1 character."},
        {edit("function 1", "function 1 \"\xCE\xA9\xCE\xA9\xCE\xA9\""),
         "line 15: function name \"\xCE\xA9\xCE\xA9\xCE\xA9\" is longer than 2 characters."},
        {edit("variable 2", "variable 2 \"^\""),
         "line 12: variable name \"^\" contains \"^\" or \"~\", which mark bars and subscripts."},
        {edit("function 1", "function 1 \"Y~\""),
         "line 15: function name \"Y~\" contains \"^\" or \"~\", which mark bars and subscripts."},
        // Names are printable: no control or invisible character, no lone
        // combining mark; whatever a message quotes is shown escaped.
        {edit("variable 2", "variable 2 \"\t\""), "line 12: variable name holds U+0009, a control or invisible character."},
        {edit("function 1", "function 1 \"Y\xC2\x85\""), "line 15: function name holds U+0085, a control or invisible character."},
        {edit("function 1", "function 1 \"\xE2\x80\xA8\""), "line 15: function name holds U+2028, a control or invisible character."},
        {edit("function 1", "function 1 \"\xE2\x80\xAE\""), "line 15: function name holds U+202E, a control or invisible character."},
        {edit("function 1", "function 1 \"\xEF\xBB\xBF\""), "line 15: function name holds U+FEFF, a control or invisible character."},
        {edit("function 1", "function 1 \"\xEF\xBF\xBE\""), "line 15: function name holds U+FFFE, a control or invisible character."},
        {edit("function 1", "function 1 \"\xCC\x81\""), "line 15: function name starts with U+0301, a combining mark."},
        {edit("type", "\xE2\x80\xAEtype PROM"), "line 7: unknown item '\\u202Etype'."},
        {edit("variable 2", "variable 2 A"), "line 12: the name must be written in double quotes, for example \"A\"."},
        {edit("variable 2", "variable 2 \"A"), "line 12: the name has no closing double quote."},
        {edit("variable 2", "variable 2 \"\\n\""), "line 12: a backslash in a name must be followed by \" or \\."},
        {edit("or-label", "or-label \xFF"), "line 67: the text is not UTF-8 (byte 255 at column 10); this is not a ZYL document."},
        {edit("or-label", std::string("or-label \x01", 10)), "line 67: control character 1 at column 10; this is not a ZYL document."},
        {valid + "and-label 1\n", "line 71: item 'and-label' appears twice (first on line 66)."},
        {edit("and-fuses 15", ""), "the file ends after line 69 without the item 'and-fuses 15'."},
        {valid + "# note", "line 71: the line has no line end; the file seems to be cut short."},
        {edit("variable 2", "variable 2 \"A\""), "line 12: variable name \"A\" is already the name of variable 0 (line 10)."},
        {edit("function 3", "function 3 \"Y1\""), "line 17: function name \"Y1\" is already the name of function 1 (line 15)."},
        {edit("or-fuses   2", "or-fuses   2 1111101111111111"),
         "line 27: PROM truth table of function 2 shows 1 at minterm 5 but its OR fuse is blown."},
        {edit("prom-table 0", "prom-table 0 XXXXXXXXXXXXXXX0"),
         "line 23: PROM truth table of function 0 shows 0 at minterm 15 but its OR fuse is intact."},
        // Row 0 programmed A.B' in any device type feeds output 0 outside its table.
        {ReplaceLine(edit("type", "type PAL"), "and-fuses  0", "and-fuses  0 10010000"),
         "line 34: AND row 0 produces minterm 8, which the PAL truth table of function 0 shows as 0."},
        {ReplaceLine(palLast, "and-fuses  1", "and-fuses  1 00000000"),
         "line 43: AND row 1 produces minterm 0, which the PAL truth table of function 0 shows as 0."},
        {edit("pal-table  1", "pal-table  1 0001000000000000"),
         "line 35: PAL truth table of function 1 shows 1 at minterm 3, which none of its AND rows 4 to 7 produces."},
    };
    auto doc = DocumentOf(MakeState(5));
    const Device copy = doc->Device();
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(LoadDocumentFromString(*doc, c.text, "f.zyl", error));
        EXPECT_EQ(error, "Cannot open f.zyl: " + c.error);
    }
    // Every cut of a valid file is refused.
    const std::string full = SaveDocumentToString(MakeState(42));
    for (std::size_t n = 1; n < full.size(); ++n) {
        std::string error;
        ASSERT_FALSE(LoadDocumentFromString(*doc, std::string_view(full).substr(0, n), "cut.zyl", error)) << n;
        ASSERT_TRUE(error.starts_with("Cannot open cut.zyl: ")) << error;
    }
    EXPECT_TRUE(SameDocument(copy, doc->Device()));

    // Blank lines, notes, extra blanks, Windows line ends and a byte order
    // mark are fine; so is an X on a blown fuse, and PAL rows that produce
    // some don't cares and not others.
    std::string relaxed = "\xEF\xBB\xBF" + edit("prom-table 1", "  prom-table   1 X111111111111111  ");
    relaxed = ReplaceLine(relaxed, "or-fuses   1", "or-fuses 1 0111111111111111\r\n\n# note");
    relaxed = ReplaceLine(relaxed, "pal-table  0", "pal-table 0 00000000X1X1X000");
    relaxed = ReplaceLine(relaxed, "and-fuses  0", "and-fuses  0 10010000");
    relaxed = ReplaceLine(relaxed, "function 1", "function 1 \"Ye\xCC\x81\""); // read as NFC: two characters
    std::string error;
    EXPECT_TRUE(LoadDocumentFromString(*doc, relaxed, "f.zyl", error)) << error;
    const Device& read = doc->Device();
    EXPECT_TRUE(read.prom.Entry(1, 0) == 'X' && !read.prom.Fuse(1, 0) && read.prom.DontCares(1).Count() == 1);
    EXPECT_EQ(read.pal.Row(0).text, "A^B");
    EXPECT_EQ(read.names.functions[1], "Y\xC3\xA9");
}
