// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What the zyl command line asks for.
//
//   zyl [FILE.zyl]                                   open FILE (Run)
//   zyl --export OUT.png|.svg|.pdf [--scale S] [FILE] write the picture, exit
//   zyl --print FILE.zyl                             print FILE, exit
//   zyl --help | --version
//
// Parsing is pure: it opens no file and checks only the form of the
// arguments (the extension of the export target, a single document, known
// options). Qt's own options (-platform, -style ...) are removed by
// QApplication before the arguments reach here.
struct CCommandLine
{
    enum Action { Run, Export, Print, Help, Version, Error };
    Action action = Run;
    std::string file;    // document to open (may be empty)
    std::string output;  // --export target (.png, .svg or .pdf)
    double scale = 1.0;  // --scale: pixels per logical unit of a PNG export
    std::string message; // Help / Version text, or the Error message; without
                         // a final line feed, an Error message to be shown
                         // after "zyl: " on the error output
};

// args without the program name.
CCommandLine ParseZylCommandLine(const std::vector<std::string>& args);

// The exit status for an action that ends the program at once: 0 for Help
// and Version, 2 for Error (a usage error), -1 for the others.
int CommandLineExitStatus(const CCommandLine& command);
