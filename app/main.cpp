// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLApp.h"
#include "CommandLine.h"
#include "DeskCommand.h"
#include "StartMessages.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    // A write over the file-size limit fails like a full disk, reported,
    // instead of ending the program with the unsaved work.
    std::signal(SIGXFSZ, SIG_IGN);
    // The command line is read first: help, version and usage errors need
    // no window system, the desk's reports and grading none of Qt's
    // either, and an export or a print runs offscreen.
    const CCommandLine command = ParseZylCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
    case CCommandLine::Help:
    case CCommandLine::Version:
    case CCommandLine::Error:
        return AnswerCommandLine(command);
    case CCommandLine::Report:
        return RunReport(command.file, command.format == "json"  ? ReportFormat::Json
                                       : command.format == "csv" ? ReportFormat::Csv
                                                                 : ReportFormat::Text,
                         stdout, stderr);
    case CCommandLine::Check:
        return RunCheck(command.file, command.handIns, command.format == "csv" ? CheckFormat::Csv : CheckFormat::Text,
                        stdout, stderr);
    default:
        break;
    }

    std::vector<char*> qtArgs = QtArguments(command, argc, argv);
    int qtArgc = static_cast<int>(qtArgs.size());
    qtArgs.push_back(nullptr);
    CStartMessages messages(command);
    QApplication app(qtArgc, qtArgs.data());
    messages.Started();
    CZYLApp zyl;
    int exitCode = 0;
    if (!zyl.InitInstanceFor(command, exitCode))
        return exitCode;
    return app.exec();
}
