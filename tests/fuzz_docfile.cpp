// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz entry point of the document loader. Whatever the bytes, loading
// must not crash, must either succeed or leave the document exactly as it
// was with a message, and a document it accepted must save to a text that
// reads back to the same text. Built as a libFuzzer target with clang and
// driven by test_docfile_fuzz in every build.
#include "CZYLDoc.h"
#include "DocFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Violation(const char* what, std::string_view input)
{
    std::fprintf(stderr, "fuzz_docfile: %s\ninput (%zu bytes):\n%.*s\n", what, input.size(),
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

bool SortedUnique(const int* list, int n)
{
    if (n < 0 || n > 16)
        return false;
    for (int i = 0; i < n; ++i) {
        if (list[i] < 0 || list[i] > 15 || (i > 0 && list[i] <= list[i - 1]))
            return false;
    }
    return true;
}

void CheckInvariants(const CZYLDoc& doc, std::string_view input)
{
    if (doc.m_bProm + doc.m_bPal + doc.m_bPla != 1)
        Violation("not exactly one device type", input);
    for (int f = 0; f < 4; ++f) {
        if (!SortedUnique(doc.m_anPromMinterms[f], doc.m_nPromMinterms[f]) ||
            !SortedUnique(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f]) ||
            !SortedUnique(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f]) ||
            !SortedUnique(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f]))
            Violation("a list is not ascending and within 0..15", input);
        for (int r = 0; r < 16; ++r) {
            const char c = doc.m_szPromTable[f][r];
            if ((c != 'X' && c - '0' != doc.m_nOrFuse[f][r]) || (doc.m_nOrFuse[f][r] & ~1) != 0)
                Violation("PROM table and OR fuses disagree", input);
        }
    }
    for (const CAndRow& row : doc.m_andRow) {
        if (row.m_nMinterms < 0 || row.m_nMinterms > 16 || !SortedUnique(row.m_anMinterm, row.m_nMinterms))
            Violation("a row's minterms are out of order", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One document for all inputs, so that a later input meets whatever an
    // earlier accepted one left behind.
    static CZYLDoc* doc = new CZYLDoc;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string before = SaveDocumentToString(*doc);
    std::string error;
    if (!LoadDocumentFromString(*doc, input, "fuzz.zyl", error)) {
        if (error.rfind("Cannot open fuzz.zyl: ", 0) != 0)
            Violation("a refused file without its message", input);
        if (SaveDocumentToString(*doc) != before)
            Violation("a refused file changed the document", input);
        return 0;
    }
    CheckInvariants(*doc, input);
    const std::string saved = SaveDocumentToString(*doc);
    auto again = std::make_unique<CZYLDoc>();
    if (!LoadDocumentFromString(*again, saved, "again.zyl", error))
        Violation(("the saved text does not read back: " + error).c_str(), input);
    if (SaveDocumentToString(*again) != saved)
        Violation("the saved text reads back differently", input);
    return 0;
}
