// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Check.h"
#include "Report.h"

#include <cstdio>
#include <string>
#include <vector>

// The desk's two commands of the program's command line. They read files
// with the program's own loader and write text; they open no window and
// need no display.

// zyl --report FILE: the report of the document at path on out. Returns 0;
// 2 when the file cannot be read, its load error then on err in one line
// after "zyl: ".
int RunReport(const std::string& path, ReportFormat format, std::FILE* out, std::FILE* err);

// zyl --check REFERENCE HANDIN...: every hand-in (a file, or a folder of
// .zyl files, LoadHandIns) graded against the reference, on out; a file
// that cannot be read is its own line (or row) saying why, and the others
// are still graded. Returns ClassGrade::ExitStatus: 0 all correct, 1 any
// wrong, 2 any file unreadable.
int RunCheck(const std::string& reference, const std::vector<std::string>& handIns, CheckFormat format,
             std::FILE* out, std::FILE* err);
