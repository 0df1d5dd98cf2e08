// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz entry point of the document loader. Whatever the bytes, loading
// must not crash, must either succeed or leave the document exactly as it
// was with a message, a document it accepted must be sound (DocInvariants.h)
// and must save to a text that reads back to the same device. Built as a libFuzzer target with clang and
// driven by test_docfile_fuzz in every build.
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocInvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Violation(const char* what, std::string_view input)
{
    std::fprintf(stderr, "fuzz_docfile: %s\ninput (%zu bytes):\n%.*s\n", what, input.size(),
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One document for all inputs, so that a later input meets whatever an
    // earlier accepted one left behind.
    static CZYLDoc* doc = new CZYLDoc;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const Device before = doc->Device();
    std::string error;
    if (!LoadDocumentFromString(*doc, input, "fuzz.zyl", error)) {
        if (error.rfind("Cannot open fuzz.zyl: ", 0) != 0)
            Violation("a refused file without its message", input);
        if (!(doc->Device() == before))
            Violation("a refused file changed the document", input);
        return 0;
    }
    if (const std::string fault = CheckDocument(doc->Device()); !fault.empty())
        Violation(("an accepted file gives an unsound document: " + fault).c_str(), input);
    const std::string saved = SaveDocumentToString(doc->Device());
    Device again;
    if (!ReadDocument(saved, "again.zyl", again, error))
        Violation(("the saved text does not read back: " + error).c_str(), input);
    if (!(again == doc->Device()))
        Violation("the saved text reads back to another device", input);
    return 0;
}
