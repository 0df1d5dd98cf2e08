// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the loader's fuzz entry point (fuzz_docfile.cpp) for a bounded
// time with a fixed seed: valid documents and mutations of them (bytes
// flipped, inserted, deleted, lines repeated, swapped and cut, item words
// spliced in). Usage: test_docfile_fuzz [seconds] [seed]; it stops early
// after a fixed number of inputs so a slow machine still ends.
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocOps.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string ValidDocument(std::mt19937& rng)
{
    auto doc = std::make_unique<CZYLDoc>();
    const int type = static_cast<int>(rng() % 3);
    for (int f = 0; f < 4; ++f) {
        for (int r = 0; r < 16; ++r) {
            doc->m_nOrFuse[f][r] = static_cast<int>(rng() % 2);
            doc->m_szPromTable[f][r] = rng() % 4 == 0 ? 'X' : static_cast<char>('0' + doc->m_nOrFuse[f][r]);
            doc->m_szPalTable[f][r] = "01X"[rng() % 3];
            doc->m_andRow[r].m_nFuse[rng() % 8] = static_cast<int>(rng() % 2);
        }
    }
    doc->m_strVariableName[rng() % 4] = "";
    doc->m_strFunctionName[rng() % 4] = "\"\\";
    doc->m_bProm = type == 0;
    doc->m_bPal = type == 1;
    doc->m_bPla = type == 2;
    doc->m_bBlockStructure = static_cast<int>(rng() % 2);
    return SaveDocumentToString(*doc);
}

const char* const kTokens[] = {"ZYL 1\n", "ZYL 2", "type ", "PAL", "PROM", "variable ", "function ", "prom-table ",
                               "or-fuses ", "pal-table ", "and-fuses ", "row-toggles ", "output-toggles ",
                               "and-label ", "show-minterms ", "\"", "\\", "\n", "\r\n", "#", " ", "\t", "0", "1",
                               "X", "15", "16", "99", "\xC3\x84", "\xFF", "\xED\xA0\x80", ""};

void Mutate(std::string& text, std::mt19937& rng, const std::vector<std::string>& corpus)
{
    auto at = [&](std::size_t extra) {
        const std::size_t n = text.size() + extra;
        return n == 0 ? std::size_t{0} : static_cast<std::size_t>(rng() % n);
    };
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
        switch (rng() % 9) {
        case 0:
            if (!text.empty())
                text[at(0)] ^= static_cast<char>(1u << (rng() % 8));
            break;
        case 1:
            text.insert(at(1), 1, static_cast<char>(rng()));
            break;
        case 2:
            if (!text.empty())
                text.erase(at(0), 1 + rng() % 8);
            break;
        case 3: {
            const char* token = kTokens[rng() % std::size(kTokens)];
            text.insert(at(1), token[0] == '\0' ? std::string(1, '\0') : std::string(token)); // "" stands for a NUL byte
            break;
        }
        case 4:
            text.resize(at(1));
            break;
        case 5: { // repeat a line
            const std::size_t begin = text.rfind('\n', at(0));
            const std::size_t from = begin == std::string::npos ? 0 : begin + 1;
            const std::size_t end = text.find('\n', from);
            if (end != std::string::npos)
                text.insert(from, text.substr(from, end - from + 1));
            break;
        }
        case 6: { // a digit of a value flipped between 0, 1 and X
            const std::size_t p = at(0);
            if (p < text.size() && (text[p] == '0' || text[p] == '1' || text[p] == 'X'))
                text[p] = "01X"[rng() % 3];
            break;
        }
        case 7: { // splice the tail of another input
            const std::string& other = corpus[rng() % corpus.size()];
            const std::size_t cut = rng() % (other.size() + 1);
            text = text.substr(0, at(1)) + other.substr(cut);
            break;
        }
        default: // delete a line
            if (const std::size_t p = text.find('\n', at(0)); p != std::string::npos) {
                const std::size_t q = text.find('\n', p + 1);
                text.erase(p, q == std::string::npos ? std::string::npos : q - p);
            }
            break;
        }
    }
    if (text.size() > 20000)
        text.resize(20000);
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261206u;
    std::mt19937 rng(seed);
    std::vector<std::string> corpus;
    for (int k = 0; k < 8; ++k)
        corpus.push_back(ValidDocument(rng));
    corpus.push_back("");
    corpus.push_back("ZYL 1\n");

    const auto start = std::chrono::steady_clock::now();
    const auto limit = std::chrono::duration<double>(seconds);
    long runs = 0, accepted = 0;
    constexpr long kMaxRuns = 2000000;
    while (runs < kMaxRuns && std::chrono::steady_clock::now() - start < limit) {
        std::string input = corpus[rng() % corpus.size()];
        if (rng() % 16 != 0)
            Mutate(input, rng, corpus);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        ++runs;
        // Mutations that still read keep going into the corpus, so that
        // later inputs start from ever more different valid documents.
        auto probe = std::make_unique<CZYLDoc>();
        std::string error;
        if (!input.empty() && LoadDocumentFromString(*probe, input, "probe", error)) {
            ++accepted;
            if (corpus.size() < 200)
                corpus.push_back(input);
            else
                corpus[rng() % corpus.size()] = input;
        }
    }
    std::printf("test_docfile_fuzz: %ld inputs, %ld accepted, seed %u\n", runs, accepted, seed);
    return 0;
}
