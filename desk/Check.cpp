// SPDX-License-Identifier: GPL-3.0-or-later
#include "Check.h"

#include "CoverCount.h"
#include "DeskText.h"
#include "Report.h"

#include <algorithm>

namespace {

// One output of the reference: the minterms a hand-in must give as 1, those
// it must give as 0, and the lowest cost.
struct Target
{
    std::uint16_t on = 0;
    std::uint16_t care = 0;
    int lowest = 0;
};

OutputGrade GradeOutput(const OutputFunction& handIn, const Target& target)
{
    OutputGrade grade;
    grade.cost = CoverCost(handIn.terms);
    grade.lowest = target.lowest;
    const unsigned wrong = (handIn.gives ^ target.on) & target.care;
    for (int m = 0; m < 16; ++m) {
        if ((wrong >> m) & 1)
            grade.wrongMinterms.push_back(m);
    }
    grade.verdict = wrong != 0                   ? Verdict::Wrong
                    : grade.cost <= grade.lowest ? Verdict::CorrectMinimal
                                                 : Verdict::CorrectNotMinimal;
    return grade;
}

HandInGrade GradeHandIn(const LoadedFile& loaded, DeviceType type, const std::array<Target, 4>& targets)
{
    HandInGrade grade;
    grade.file = loaded.facts.file;
    grade.error = loaded.error;
    if (!grade.Graded())
        return grade;
    for (int f = 0; f < 4; ++f) {
        OutputGrade& out = grade.outputs[static_cast<std::size_t>(f)];
        if (loaded.facts.type != type) {
            out.lowest = targets[static_cast<std::size_t>(f)].lowest;
            continue; // OutputGrade starts as the wrong type
        }
        out = GradeOutput(ReadOutput(loaded.facts, f), targets[static_cast<std::size_t>(f)]);
        grade.correct += out.Correct() ? 1 : 0;
        grade.minimal += out.verdict == Verdict::CorrectMinimal ? 1 : 0;
    }
    return grade;
}

std::string HandInLine(const HandInGrade& h)
{
    std::string line = DeskText::Display(h.file) + ": ";
    if (!h.Graded())
        return line + "not graded: " + DeskText::Display(h.error) + "\n";
    for (int f = 0; f < 4; ++f)
        line += "Y" + std::to_string(f) + " " + h.outputs[static_cast<std::size_t>(f)].Text() + "; ";
    return line + "score: " + std::to_string(h.correct) + " correct, " + std::to_string(h.minimal) + " minimal\n";
}

std::string Text(const ClassGrade& grade)
{
    std::string text;
    if (!grade.referenceError.empty())
        text += DeskText::Display(grade.referenceFile) + ": " + DeskText::Display(grade.referenceError) + "\n";
    int correct = 0, minimal = 0, wrong = 0, notGraded = 0;
    for (const HandInGrade& h : grade.handIns) {
        text += HandInLine(h);
        if (!h.Graded())
            ++notGraded;
        else if (h.correct < 4)
            ++wrong;
        else
            ++correct;
        minimal += h.minimal == 4 ? 1 : 0;
    }
    return text + std::to_string(grade.handIns.size()) + (grade.handIns.size() == 1 ? " hand-in: " : " hand-ins: ") +
           std::to_string(correct) + " correct (" + std::to_string(minimal) + " of them minimal), " +
           std::to_string(wrong) + " wrong, " + std::to_string(notGraded) + " not graded\n";
}

std::string Csv(const ClassGrade& grade)
{
    std::string text = "file,Y0,Y1,Y2,Y3,correct,minimal,error\r\n";
    for (const HandInGrade& h : grade.handIns) {
        text += DeskText::Csv(h.file);
        if (h.Graded()) {
            for (const OutputGrade& out : h.outputs)
                text += "," + DeskText::Csv(out.Text());
            text += "," + std::to_string(h.correct) + "," + std::to_string(h.minimal) + ",";
        } else {
            text += ",,,,,,," + DeskText::Csv(h.error);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string OutputGrade::Text() const
{
    switch (verdict) {
    case Verdict::CorrectMinimal:
        return "correct and minimal";
    case Verdict::CorrectNotMinimal:
        return "correct, not minimal (cost " + std::to_string(cost) + ", lowest " + std::to_string(lowest) + ")";
    case Verdict::Wrong:
        return "wrong at minterms " + DeskText::List(wrongMinterms, ", ");
    case Verdict::WrongType:
        break;
    }
    return "wrong device type";
}

int ClassGrade::ExitStatus() const
{
    int status = referenceError.empty() ? 0 : 2;
    for (const HandInGrade& h : handIns)
        status = std::max(status, !h.Graded() ? 2 : h.correct < 4 ? 1 : 0);
    return status;
}

ClassGrade GradeClass(const LoadedFile& reference, const std::vector<LoadedFile>& handIns)
{
    ClassGrade grade;
    grade.referenceFile = reference.facts.file;
    grade.referenceError = reference.error;
    if (grade.referenceError.empty() && reference.facts.type == DeviceType::Pla)
        grade.referenceError = "a PLA is not simulated, so it cannot be a reference.";
    std::array<Target, 4> targets;
    for (int f = 0; f < 4 && grade.referenceError.empty(); ++f) {
        const OutputFunction function = ReadOutput(reference.facts, f);
        Target& target = targets[static_cast<std::size_t>(f)];
        target.on = function.on;
        target.care = static_cast<std::uint16_t>(~function.dc);
        target.lowest = CountLowestCostCovers(function.on, function.dc).lowestCost;
    }
    for (const LoadedFile& handIn : handIns) {
        if (grade.referenceError.empty() || !handIn.error.empty()) {
            grade.handIns.push_back(GradeHandIn(handIn, reference.facts.type, targets));
        } else {
            grade.handIns.emplace_back();
            grade.handIns.back().file = handIn.facts.file;
            grade.handIns.back().error = "the reference " + reference.facts.file + " cannot be used.";
        }
    }
    return grade;
}

std::string FormatCheck(const ClassGrade& grade, CheckFormat format)
{
    return format == CheckFormat::Text ? Text(grade) : Csv(grade);
}
