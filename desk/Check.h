// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceFacts.h"

#include <array>
#include <string>
#include <vector>

// Grading a class's hand-ins against a reference device, output by output.
//
// The reference gives each output's truth-table column; its don't cares are
// free. A hand-in is judged by what its device puts out: a PAL by its AND
// rows as they stand, a PROM by its OR fuses. The reference demands its own
// device type: a hand-in of another type is wrong at every output. A PLA
// computes nothing the program simulates, so it can be neither a reference
// nor a correct hand-in.
//
// A correct output is minimal when its cover costs no more than the lowest
// cost of the reference's function (don't cares free). The cover is the one
// the report shows: a PAL's rows, a PROM's annotation, so a PROM that fixes
// the reference's don't cares where they would make a cheaper cover is
// correct but not minimal.

enum class Verdict
{
    CorrectMinimal,    // "correct and minimal"
    CorrectNotMinimal, // "correct, not minimal (cost C, lowest L)"
    Wrong,             // "wrong at minterms 3, 7"
    WrongType          // "wrong device type"
};

struct OutputGrade
{
    Verdict verdict = Verdict::WrongType;
    int cost = 0;                   // the hand-in's cover
    int lowest = 0;                 // the reference's lowest cost
    std::vector<int> wrongMinterms; // ascending, for Verdict::Wrong

    bool Correct() const { return verdict == Verdict::CorrectMinimal || verdict == Verdict::CorrectNotMinimal; }
    // The verdict in the words above.
    std::string Text() const;
};

struct HandInGrade
{
    std::string file;
    // Why the hand-in was not graded (its load error, or that the reference
    // cannot be used); empty when graded.
    std::string error;
    std::array<OutputGrade, 4> outputs;
    int correct = 0; // outputs correct
    int minimal = 0; // outputs correct and minimal

    bool Graded() const { return error.empty(); }
};

struct ClassGrade
{
    std::string referenceFile;
    std::string referenceError; // why the reference cannot be used; empty when it can
    std::vector<HandInGrade> handIns; // in the order given

    // 2 when the reference or any hand-in could not be used, else 1 when any
    // output of any hand-in is wrong, else 0 (not minimal is still correct).
    int ExitStatus() const;
};

ClassGrade GradeClass(const LoadedFile& reference, const std::vector<LoadedFile>& handIns);

enum class CheckFormat
{
    Text,
    Csv
};

// Text: the reference's error if it has one, one line per hand-in
// ("alice.zyl: Y0 correct and minimal; ...; score 3 correct, 2 minimal",
// or "bob.zyl: not graded: ERROR") and a summary line. CSV (RFC 4180, CR LF):
// the header "file,Y0,Y1,Y2,Y3,correct,minimal,error", then one row per
// hand-in with its four verdicts and score, or empty verdicts and score and
// the reason in error. Both end in a line feed.
std::string FormatCheck(const ClassGrade& grade, CheckFormat format);
