// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipDesign.h"

#include <string>
#include <vector>

// What the zyl command line asks for.
//
//   zyl [FILE.zyl]                                   open FILE (Run)
//   zyl --export OUT.png|.svg|.pdf [--scale N] [FILE] write the picture, exit
//   zyl --export OUT.jed [--device CHIP] [FILE]      the fuse file for a chip
//   zyl --export OUT.v [FILE]                        the Verilog module
//   zyl --export-kmap OUT.png|.svg|.pdf [--scale N] [FILE]   the Karnaugh maps
//   zyl --print FILE.zyl                             print FILE, exit
//   zyl --export-handout OUT.pdf [FILE]              the lab handout, exit
//   zyl --report FILE.zyl [--format text|json|csv]   what FILE computes
//   zyl --check REFERENCE.zyl HANDIN... [--format text|csv]   grade hand-ins
//   zyl --help | --version
//
// The line is read before any window system is touched, so --help,
// --version and usage errors work without a display. Qt's own options
// (-platform, -display, -style ...) are recognised and left to Qt; they
// never count as a document. Parsing opens no file and checks only the
// form of the arguments. File names are kept as the system's bytes, so a
// name that is not valid UTF-8 still reaches the file system unchanged.
struct CCommandLine
{
    enum Action { Run, Export, ExportKarnaugh, ExportHandout, Print, Report, Check, Help, Version, Error };
    Action action = Run;
    std::string file;    // document to open (may be empty); the reference of --check
    std::vector<std::string> handIns; // --check: the hand-ins, files or folders
    std::string format = "text";      // --report and --check: "text", "json" or "csv"
    std::string output;  // --export, --export-kmap (.png, .svg or .pdf) or --export-handout (.pdf) target
    double scale = 1.0;  // --scale: pixels per logical unit of a PNG export
    Chip chip = Chip::GAL16V8; // --device: the chip of a fuse file
    bool platformGiven = false; // a Qt -platform option was given
    std::string message; // Help / Version text, or the Error message; without
                         // a final line feed, an Error message to be shown
                         // after "zyl: " on the error output
};

// args without the program name.
CCommandLine ParseZylCommandLine(const std::vector<std::string>& args);

// The exit status for an action that ends the program at once: 0 for Help
// and Version, 2 for Error (a usage error), -1 for the others.
int CommandLineExitStatus(const CCommandLine& command);

// Answers Help and Version on the standard output and an Error on the error
// output after "zyl: "; returns the exit status. Output that cannot be
// written (a full disk, a closed pipe) is said on the error output, status 1.
int AnswerCommandLine(const CCommandLine& command);

// True for the actions that end without a window once done: an export (of a
// picture or the handout) or a print.
bool IsBatch(const CCommandLine& command);

// The arguments to hand to QApplication: argv as given, with
// "-platform offscreen" added for an export (of a picture or the handout) or a print that named no
// platform, so that these run without a display. The pointers stay valid
// as long as argv does.
std::vector<char*> QtArguments(const CCommandLine& command, int argc, char* argv[]);
