// SPDX-License-Identifier: GPL-3.0-or-later
#include "CImplicant.h"
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocOps.h"
#include "Minimize.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// ------------------------------------------------------------ helpers

// Field-by-field comparison of everything a document file keeps or derives.
// The minimizer's scratch area (m_aTerms, m_aCover) and m_strMessage are
// not part of the device state. List entries beyond their counts and the
// masks of rows that read "0" or "1" carry no meaning and are skipped; the
// masks of product rows are compared unless compareMasks is false (rows
// programmed by LoadPalRows keep the masks of their earlier programming).
::testing::AssertionResult SameDocument(const CZYLDoc& a, const CZYLDoc& b, bool compareMasks = true)
{
    std::ostringstream diff;
    auto check = [&diff](bool same, const std::string& what) {
        if (!same && diff.tellp() < 2000)
            diff << what << " differs; ";
    };
    auto list = [&](const int* x, int nx, const int* y, int ny, const std::string& what) {
        check(nx == ny && std::equal(x, x + std::clamp(nx, 0, 16), y), what);
    };
    check(a.m_bProm == b.m_bProm && a.m_bPal == b.m_bPal && a.m_bPla == b.m_bPla, "device type");
    check(a.m_nVariables == b.m_nVariables, "m_nVariables");
    for (int f = 0; f < 4; ++f) {
        const std::string fs = "[" + std::to_string(f) + "]";
        check(std::equal(a.m_szPalTable[f], a.m_szPalTable[f] + 16, b.m_szPalTable[f]), "m_szPalTable" + fs);
        check(std::equal(a.m_szPromTable[f], a.m_szPromTable[f] + 16, b.m_szPromTable[f]), "m_szPromTable" + fs);
        check(std::equal(a.m_nOrFuse[f], a.m_nOrFuse[f] + 16, b.m_nOrFuse[f]), "m_nOrFuse" + fs);
        check(a.m_rcFunctionArea[f] == b.m_rcFunctionArea[f], "m_rcFunctionArea" + fs);
        check(a.m_strFunctionName[f] == b.m_strFunctionName[f], "m_strFunctionName" + fs);
        check(a.m_strVariableName[f] == b.m_strVariableName[f], "m_strVariableName" + fs);
        check(a.m_nOutputToggle[f] == b.m_nOutputToggle[f], "m_nOutputToggle" + fs);
        check(a.m_rcOutputGate[f] == b.m_rcOutputGate[f], "m_rcOutputGate" + fs);
        list(a.m_anPromMinterms[f], a.m_nPromMinterms[f], b.m_anPromMinterms[f], b.m_nPromMinterms[f],
             "PROM minterms" + fs);
        list(a.m_anPromDontCares[f], a.m_nPromDontCares[f], b.m_anPromDontCares[f], b.m_nPromDontCares[f],
             "PROM don't cares" + fs);
        list(a.m_anPalMinterms[f], a.m_nPalMinterms[f], b.m_anPalMinterms[f], b.m_nPalMinterms[f],
             "PAL minterms" + fs);
        list(a.m_anPalDontCares[f], a.m_nPalDontCares[f], b.m_anPalDontCares[f], b.m_nPalDontCares[f],
             "PAL don't cares" + fs);
        for (int r = 0; r < 16; ++r) {
            check(a.m_ptOrCell[f][r] == b.m_ptOrCell[f][r] && a.m_rcOrCell[f][r] == b.m_rcOrCell[f][r],
                  "OR cell geometry" + fs);
        }
    }
    for (int r = 0; r < 16; ++r) {
        const std::string rs = "[" + std::to_string(r) + "]";
        const CAndRow& x = a.m_andRow[r];
        const CAndRow& y = b.m_andRow[r];
        check(std::equal(x.m_nFuse, x.m_nFuse + 8, y.m_nFuse), "row fuses" + rs);
        check(x.m_strTerm == y.m_strTerm, "row term" + rs + " '" + x.m_strTerm + "' / '" + y.m_strTerm + "'");
        list(x.m_anMinterm, x.m_nMinterms, y.m_anMinterm, y.m_nMinterms, "row minterms" + rs);
        check(x.m_nVariables == y.m_nVariables, "row m_nVariables" + rs);
        if (compareMasks && x.m_strTerm != "0" && x.m_strTerm != "1")
            check(x.m_nOnes == y.m_nOnes && x.m_nZeros == y.m_nZeros, "row masks" + rs);
        for (int c = 0; c < 8; ++c) {
            check(x.m_ptCell[c] == y.m_ptCell[c] && x.m_rcCell[c] == y.m_rcCell[c], "row cell geometry" + rs);
            check(a.m_ptAndCell[c][r] == b.m_ptAndCell[c][r] && a.m_rcAndCell[c][r] == b.m_rcAndCell[c][r],
                  "AND cell geometry" + rs);
        }
        check(a.m_nRowToggle[r] == b.m_nRowToggle[r], "m_nRowToggle" + rs);
        check(a.m_rcRowGate[r] == b.m_rcRowGate[r], "m_rcRowGate" + rs);
        check(a.m_strMintermLabel[r] == b.m_strMintermLabel[r], "m_strMintermLabel" + rs);
    }
    check(a.m_bAndLabel == b.m_bAndLabel, "m_bAndLabel");
    check(a.m_bOrLabel == b.m_bOrLabel, "m_bOrLabel");
    check(a.m_bShowMinterms == b.m_bShowMinterms, "m_bShowMinterms");
    check(a.m_bShowProductTerms == b.m_bShowProductTerms, "m_bShowProductTerms");
    check(a.m_bBlockStructure == b.m_bBlockStructure, "m_bBlockStructure");
    if (diff.tellp() == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << diff.str();
}

void SetMode(CZYLDoc& doc, int type)
{
    doc.m_bProm = type == 0;
    doc.m_bPal = type == 1;
    doc.m_bPla = type == 2;
}

// A device state the program can reach: renamed inputs and outputs, PROM
// outputs programmed fuse by fuse with don't cares, PAL rows with edited
// fuses and a PAL table with don't cares, toggles and view flags. The same
// seed gives the same state, which stands in for a copy (documents cannot
// be copied).
void MakeState(CZYLDoc& doc, unsigned seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    const char* variables[] = {"A", "B", "C", "D", "P", "Q", "x", "y", "1", " ", "", "\xC3\x84", "\"", "\\", "^", "~"};
    const char* functions[] = {"Y0", "Y1", "Y2", "Y3", "F", "G", "", "f1", "\xCE\xA9\x32", "\"\\", "  ", "Z9"};
    std::vector<std::string> used;
    auto distinct = [&](const char* const* pool, int n) {
        for (;;) {
            std::string name = pool[pick(n)];
            if (std::find(used.begin(), used.end(), name) == used.end()) {
                used.push_back(name);
                return name;
            }
        }
    };
    if (pick(3) != 0) {
        for (auto& name : doc.m_strVariableName)
            name = distinct(variables, static_cast<int>(std::size(variables)));
        used.clear();
        for (auto& name : doc.m_strFunctionName)
            name = distinct(functions, static_cast<int>(std::size(functions)));
        BuildMintermLabels(doc);
    }

    // PROM: the OR array fuse by fuse, as clicks and entry dialogs do; an X
    // sits on an intact or a blown fuse.
    SetMode(doc, 0);
    for (int f = 0; f < 4; ++f) {
        for (int r = 0; r < 16; ++r) {
            doc.m_nOrFuse[f][r] = pick(2);
            doc.m_szPromTable[f][r] = pick(5) == 0 ? 'X' : static_cast<char>('0' + doc.m_nOrFuse[f][r]);
        }
        UpdateLists(doc, f);
    }

    // PAL: each variable of a row true, complemented, absent or (rarely)
    // both, which makes the row 0.
    SetMode(doc, 1);
    for (int r = 0; r < 16; ++r) {
        for (int i = 0; i < 4; ++i) {
            const int k = pick(7);
            doc.m_andRow[r].m_nFuse[2 * i] = k == 0 || k == 3 || k == 6;
            doc.m_andRow[r].m_nFuse[2 * i + 1] = k == 1 || k == 4 || k == 6;
        }
        UpdateRowTerm(doc, r);
    }
    for (int f = 0; f < 4; ++f) {
        for (int r = 0; r < 16; ++r)
            doc.m_szPalTable[f][r] = "01X"[pick(3)];
    }
    UpdateLists(doc, 0);

    for (auto& t : doc.m_nRowToggle)
        t = pick(2);
    for (auto& t : doc.m_nOutputToggle)
        t = pick(2);
    doc.m_bAndLabel = pick(2);
    doc.m_bOrLabel = pick(2);
    doc.m_bBlockStructure = pick(2);
    doc.m_bShowMinterms = pick(2);
    doc.m_bShowProductTerms = pick(2);
    SetMode(doc, pick(3));
}

int LineOf(const std::string& text, const std::string& prefix)
{
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.starts_with(prefix))
            return n;
    }
    return 0;
}

// text with the first line that starts with prefix replaced (no line feed
// in replacement removes the line entirely when it is empty).
std::string ReplaceLine(const std::string& text, const std::string& prefix, const std::string& replacement)
{
    const std::size_t at = text[0] == prefix[0] && text.starts_with(prefix) ? 0 : text.find("\n" + prefix) + 1;
    const std::size_t end = text.find('\n', at);
    return text.substr(0, at) + replacement + text.substr(end + (replacement.empty() ? 1 : 0));
}

class TempDir
{
public:
    TempDir()
    {
        char name[] = "/tmp/zyl-docfile-XXXXXX";
        m_path = mkdtemp(name);
    }
    ~TempDir() { fs::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

// ------------------------------------------------------------ round trip

TEST(DocFile, RandomStatesRoundTripExactlyAndSaveTheSameBytes)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto saved = std::make_unique<CZYLDoc>();
        MakeState(*saved, seed);
        const std::string text = SaveDocumentToString(*saved);
        ASSERT_EQ(text, SaveDocumentToString(*saved));

        auto opened = std::make_unique<CZYLDoc>();
        std::string error;
        ASSERT_TRUE(LoadDocumentFromString(*opened, text, "state.zyl", error)) << error << "\n" << text;
        ASSERT_TRUE(SameDocument(*saved, *opened));
        ASSERT_EQ(SaveDocumentToString(*opened), text);

        // Reading into a document that already holds another device gives
        // the same result as reading into a fresh one.
        auto reused = std::make_unique<CZYLDoc>();
        MakeState(*reused, seed + 1000);
        ASSERT_TRUE(LoadDocumentFromString(*reused, text, "state.zyl", error)) << error;
        ASSERT_TRUE(SameDocument(*saved, *reused));
    }
}

TEST(DocFile, PalRowsProgrammedByTheMinimizerRoundTrip)
{
    auto doc = std::make_unique<CZYLDoc>();
    SetMode(*doc, 1);
    const char* tables[] = {"0101X1X100000000", "1111000000001111", "0000000000000001", "1X0000000000000X"};
    for (int f = 0; f < 4; ++f) {
        std::copy(tables[f], tables[f] + 16, doc->m_szPalTable[f]);
        UpdateLists(*doc, f);
        Minimize(doc->m_nPalMinterms[f], doc->m_anPalMinterms[f], doc->m_nPalDontCares[f], doc->m_anPalDontCares[f],
                 doc->m_aCover[f], doc->m_aTerms + 500 * f);
        ASSERT_LE(doc->m_aCover[f][0], 4);
        LoadPalRows(*doc, f);
    }
    auto opened = std::make_unique<CZYLDoc>();
    std::string error;
    ASSERT_TRUE(LoadDocumentFromString(*opened, SaveDocumentToString(*doc), "pal.zyl", error)) << error;
    EXPECT_TRUE(SameDocument(*doc, *opened, false));
}

TEST(DocFile, SaveWritesTheDocumentedTextForAFreshDevice)
{
    auto doc = std::make_unique<CZYLDoc>();
    doc->m_andRow[5].m_nFuse[1] = 0;
    doc->m_nOrFuse[2][3] = 0;
    doc->m_szPromTable[2][3] = '0';
    doc->m_szPromTable[2][4] = 'X';
    const std::string text = SaveDocumentToString(*doc);
    EXPECT_TRUE(text.starts_with("ZYL 1\n"));
    for (const char* line : {"type PROM\n", "variable 0 \"A\"\n", "function 3 \"Y3\"\n",
                             "prom-table 2 1110X11111111111\n", "or-fuses   2 1110111111111111\n",
                             "pal-table  0 0000000000000000\n", "and-fuses  5 10111111\n", "and-fuses 15 11111111\n",
                             "row-toggles 1111111111111111\n", "output-toggles 1111\n", "show-product-terms 0\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

// ------------------------------------------------------------ files

TEST(DocFile, SaveAndLoadThroughFilesClearTheModifiedFlag)
{
    TempDir dir;
    auto doc = std::make_unique<CZYLDoc>();
    MakeState(*doc, 7);
    doc->SetModifiedFlag(true);
    std::string error;
    ASSERT_TRUE(StoreDocument(*doc, dir / "lab1.zyl", error)) << error;
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), dir / "lab1.zyl");
    // Saving over an existing file replaces it and leaves no temporary file.
    ASSERT_TRUE(SaveDocument(*doc, dir / "lab1.zyl", error)) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

    auto opened = std::make_unique<CZYLDoc>();
    opened->SetModifiedFlag(true);
    int views = 0;
    opened->AddListener([&views] { ++views; });
    ASSERT_TRUE(LoadDocument(*opened, dir / "lab1.zyl", error)) << error;
    EXPECT_TRUE(SameDocument(*doc, *opened));
    EXPECT_FALSE(opened->IsModified());
    EXPECT_EQ(opened->GetPathName(), dir / "lab1.zyl");
    EXPECT_EQ(views, 1);
}

TEST(DocFile, AnEmptyFileOpensAndChangesNothing)
{
    TempDir dir;
    WriteFile(dir / "old.zyl", "");
    auto doc = std::make_unique<CZYLDoc>();
    auto copy = std::make_unique<CZYLDoc>();
    MakeState(*doc, 3);
    MakeState(*copy, 3);
    doc->SetModifiedFlag(true);
    std::string error;
    EXPECT_TRUE(LoadDocument(*doc, dir / "old.zyl", error)) << error;
    EXPECT_TRUE(SameDocument(*doc, *copy));
    EXPECT_FALSE(doc->IsModified());
}

TEST(DocFile, MissingFilesAndFoldersAreReported)
{
    TempDir dir;
    auto doc = std::make_unique<CZYLDoc>();
    std::string error;
    EXPECT_FALSE(LoadDocument(*doc, dir / "none.zyl", error));
    EXPECT_EQ(error, "Cannot open " + (dir / "none.zyl") + ": No such file or directory.");
    EXPECT_FALSE(LoadDocument(*doc, dir.Path().string(), error));
    EXPECT_TRUE(error.starts_with("Cannot open " + dir.Path().string() + ": ")) << error;
}

// A parent that is a regular file or a folder that does not exist: the
// temporary file cannot even be created (this works as root too, where
// permissions do not stop writes).
TEST(DocFile, ASaveThatCannotStartReportsTheError)
{
    TempDir dir;
    WriteFile(dir / "plain", "x");
    auto doc = std::make_unique<CZYLDoc>();
    std::string error;
    EXPECT_FALSE(SaveDocument(*doc, dir / "plain/lab.zyl", error));
    EXPECT_EQ(error, "Cannot save " + (dir / "plain/lab.zyl") + ": Not a directory.");
    EXPECT_FALSE(StoreDocument(*doc, dir / "missing/lab.zyl", error));
    EXPECT_EQ(error, "Cannot save " + (dir / "missing/lab.zyl") + ": No such file or directory.");
    EXPECT_EQ(doc->GetPathName(), "");
    fs::create_directory(dir / "folder.zyl");
    WriteFile(dir / "folder.zyl/keep", "k");
    EXPECT_FALSE(SaveDocument(*doc, dir / "folder.zyl", error));
    EXPECT_TRUE(error.starts_with("Cannot save " + (dir / "folder.zyl") + ": ")) << error;
    EXPECT_EQ(ReadFile(dir / "folder.zyl/keep"), "k");
}

// A save that fails while writing (the file size limit stands in for a full
// disk) keeps the old file byte for byte and leaves no temporary file.
TEST(DocFile, ASaveThatFailsMidwayKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir / "lab.zyl";
    WriteFile(path, "ZYL 1\nold contents\n");
    auto doc = std::make_unique<CZYLDoc>();
    MakeState(*doc, 11);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    std::string error;
    const bool saved = SaveDocument(*doc, path, error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved);
    EXPECT_EQ(error, "Cannot save " + path + ": File too large.");
    EXPECT_EQ(ReadFile(path), "ZYL 1\nold contents\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

// ------------------------------------------------------------ bad files

struct BadFile
{
    const char* label;
    const char* linePrefix;  // line to replace ("" appends)
    std::string replacement; // "" removes the line
    std::string problem;     // message after "line N: " (N of the replaced line)
};

class DocFileBad : public ::testing::TestWithParam<BadFile>
{
};

TEST_P(DocFileBad, IsRefusedWithItsMessageAndChangesNothing)
{
    const BadFile& bad = GetParam();
    auto source = std::make_unique<CZYLDoc>();
    MakeState(*source, 21);
    const std::string valid = SaveDocumentToString(*source);
    int line = LineOf(valid, bad.linePrefix);
    std::string text;
    if (std::string(bad.linePrefix).empty()) {
        text = valid + bad.replacement;
        line = LineOf(valid, "show-product-terms") + 1;
    } else {
        ASSERT_NE(line, 0);
        text = ReplaceLine(valid, bad.linePrefix, bad.replacement);
    }

    auto doc = std::make_unique<CZYLDoc>();
    auto copy = std::make_unique<CZYLDoc>();
    MakeState(*doc, 5);
    MakeState(*copy, 5);
    std::string error;
    EXPECT_FALSE(LoadDocumentFromString(*doc, text, "lab1.zyl", error));
    const std::string expected = bad.problem.starts_with("the file ends")
                                     ? "Cannot open lab1.zyl: " + bad.problem
                                     : "Cannot open lab1.zyl: line " + std::to_string(line) + ": " + bad.problem;
    EXPECT_EQ(error, expected);
    EXPECT_TRUE(SameDocument(*doc, *copy));
}

INSTANTIATE_TEST_SUITE_P(
    Items, DocFileBad,
    ::testing::Values(
        BadFile{"Version", "ZYL 1", "ZYL 2", "the file is in version 2 of the ZYL format; this version of ZYL reads version 1."},
        BadFile{"NotOurs", "ZYL 1", "<html>", "this is not a ZYL document (its first line should be \"ZYL 1\")."},
        BadFile{"OrFuse", "or-fuses   1", "or-fuses   1 1111111211111111", "OR fuse value '2' is not 0 or 1."},
        BadFile{"OrFuseCount", "or-fuses   1", "or-fuses   1 111111111111111", "OR fuse values: 15 found, 16 needed."},
        BadFile{"TableChar", "pal-table  2", "pal-table 2 000000000000000x", "truth table value 'x' is not 0, 1 or X."},
        BadFile{"TableNonAscii", "pal-table  2", "pal-table 2 00000000000000\xC3\x84",
                "truth table value '\xC3\x84' is not 0, 1 or X."},
        BadFile{"AndFuseCount", "and-fuses  3", "and-fuses  3 101010101", "AND fuse values: 9 found, 8 needed."},
        BadFile{"RowOutOfRange", "and-fuses  3", "and-fuses 16 10101010", "row number 16 is out of range 0 to 15."},
        BadFile{"RowMissing", "and-fuses  3", "and-fuses", "'and-fuses' needs a row number 0 to 15."},
        BadFile{"NoValue", "and-fuses  3", "and-fuses 3", "item 'and-fuses 3' has no value."},
        BadFile{"Toggle", "row-toggles", "row-toggles 11111111111111112", "row toggle value '2' is not 0 or 1."},
        BadFile{"Outputs", "output-toggles", "output-toggles 111", "output toggle values: 3 found, 4 needed."},
        BadFile{"Flag", "and-label", "and-label 2", "and-label value '2' is not 0 or 1."},
        BadFile{"Type", "type", "type GAL", "device type 'GAL' is not PROM, PAL or PLA."},
        BadFile{"Unknown", "type", "colour red", "unknown item 'colour'."},
        BadFile{"Trailing", "show-minterms", "show-minterms 1 0", "unexpected text '0' after the value of 'show-minterms'."},
        BadFile{"VariableTooLong", "variable 2", "variable 2 \"AB\"", "variable name \"AB\" is longer than 1 character."},
        BadFile{"FunctionTooLong", "function 1", "function 1 \"Y10\"", "function name \"Y10\" is longer than 2 characters."},
        BadFile{"FunctionUtf8", "function 1", "function 1 \"\xCE\xA9\xCE\xA9\xCE\xA9\"",
                "function name \"\xCE\xA9\xCE\xA9\xCE\xA9\" is longer than 2 characters."},
        BadFile{"Unquoted", "variable 2", "variable 2 A", "the name must be written in double quotes, for example \"A\"."},
        BadFile{"Unterminated", "variable 2", "variable 2 \"A", "the name has no closing double quote."},
        BadFile{"BadEscape", "variable 2", "variable 2 \"\\n\"", "a backslash in a name must be followed by \" or \\."},
        BadFile{"NotUtf8", "or-label", "or-label \xFF", "the text is not UTF-8 (byte 255 at column 10); this is not a ZYL document."},
        BadFile{"Control", "or-label", std::string("or-label \x01", 10), "control character 1 at column 10; this is not a ZYL document."},
        BadFile{"Duplicate", "", "and-label 1\n", "item 'and-label' appears twice (first on line 66)."},
        BadFile{"Missing", "and-fuses 15", "", "the file ends after line 69 without the item 'and-fuses 15'."},
        BadFile{"NoLineEnd", "", "# note", "the line has no line end; the file seems to be cut short."}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.label); });

// The loader checks names and the PROM table against the rest of the file.
TEST(DocFile, InconsistentFilesAreRefused)
{
    auto source = std::make_unique<CZYLDoc>();
    const std::string valid = SaveDocumentToString(*source);
    struct Case
    {
        std::string text;
        std::string error;
    } cases[] = {
        {ReplaceLine(valid, "variable 2", "variable 2 \"A\""),
         "line 12: variable name \"A\" is already the name of variable 0 (line 10)."},
        {ReplaceLine(valid, "function 3", "function 3 \"Y1\""),
         "line 17: function name \"Y1\" is already the name of function 1 (line 15)."},
        {ReplaceLine(valid, "or-fuses   2", "or-fuses   2 1111101111111111"),
         "line 28: PROM truth table of function 2 shows 1 at minterm 5 but its OR fuse is blown."},
        {ReplaceLine(valid, "prom-table 0", "prom-table 0 XXXXXXXXXXXXXXX0"),
         "line 24: PROM truth table of function 0 shows 0 at minterm 15 but its OR fuse is intact."},
    };
    for (const Case& c : cases) {
        auto doc = std::make_unique<CZYLDoc>();
        std::string error;
        EXPECT_FALSE(LoadDocumentFromString(*doc, c.text, "f.zyl", error));
        EXPECT_EQ(error, "Cannot open f.zyl: " + c.error);
        EXPECT_TRUE(SameDocument(*doc, *source));
    }
    // Blank lines, notes, extra blanks, Windows line ends and a byte order
    // mark are fine; so is an X on a blown fuse.
    std::string relaxed = "\xEF\xBB\xBF" + ReplaceLine(valid, "prom-table 1", "  prom-table   1 X111111111111111  ");
    relaxed = ReplaceLine(relaxed, "or-fuses   1", "or-fuses 1 0111111111111111\r\n\n# note");
    auto doc = std::make_unique<CZYLDoc>();
    std::string error;
    EXPECT_TRUE(LoadDocumentFromString(*doc, relaxed, "f.zyl", error)) << error;
    EXPECT_EQ(doc->m_szPromTable[1][0], 'X');
    EXPECT_EQ(doc->m_nOrFuse[1][0], 0);
    EXPECT_EQ(doc->m_nPromDontCares[1], 1);
}

TEST(DocFile, EveryTruncationOfAValidFileIsRefused)
{
    auto source = std::make_unique<CZYLDoc>();
    MakeState(*source, 42);
    const std::string valid = SaveDocumentToString(*source);
    auto doc = std::make_unique<CZYLDoc>();
    auto copy = std::make_unique<CZYLDoc>();
    MakeState(*doc, 9);
    MakeState(*copy, 9);
    for (std::size_t n = 1; n < valid.size(); ++n) {
        std::string error;
        ASSERT_FALSE(LoadDocumentFromString(*doc, std::string_view(valid).substr(0, n), "cut.zyl", error)) << n;
        ASSERT_TRUE(error.starts_with("Cannot open cut.zyl: ")) << error;
    }
    EXPECT_TRUE(SameDocument(*doc, *copy));
}

TEST(DocFile, GarbageIsRefusedWithoutHarm)
{
    std::mt19937 rng(1234);
    auto doc = std::make_unique<CZYLDoc>();
    auto fresh = std::make_unique<CZYLDoc>();
    for (int k = 0; k < 500; ++k) {
        std::string bytes(1 + rng() % 300, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng());
        if (k % 3 == 0)
            bytes = "ZYL 1\n" + bytes;
        std::string error;
        ASSERT_FALSE(LoadDocumentFromString(*doc, bytes, "junk.zyl", error));
        ASSERT_TRUE(error.starts_with("Cannot open junk.zyl: ")) << error;
    }
    EXPECT_TRUE(SameDocument(*doc, *fresh));
}
