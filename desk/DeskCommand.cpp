// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeskCommand.h"

#include "CoverCache.h"
#include "DeviceFacts.h"

#include <cerrno>
#include <cstring>

namespace {

// text on out; a failed write (a full disk, a closed pipe) is said on err
// and gives status 2, as nothing that was meant to be read arrived whole.
int Write(const std::string& text, int status, std::FILE* out, std::FILE* err)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
        std::fprintf(err, "zyl: cannot write the output: %s.\n", std::strerror(errno));
        return 2;
    }
    return status;
}

} // namespace

int RunReport(const std::string& path, ReportFormat format, std::FILE* out, std::FILE* err)
{
    CoverCache covers;
    const LoadedFile loaded = LoadFacts(path, covers);
    if (!loaded.error.empty()) {
        std::fprintf(err, "zyl: %s\n", loaded.error.c_str());
        return 2;
    }
    return Write(FormatReport(MakeReport(loaded.facts), format), 0, out, err);
}

int RunCheck(const std::string& reference, const std::vector<std::string>& handIns, CheckFormat format,
             std::FILE* out, std::FILE* err)
{
    CoverCache covers;
    const ClassGrade grade = GradeClass(LoadFacts(reference, covers), LoadHandIns(handIns, covers));
    return Write(FormatCheck(grade, format), grade.ExitStatus(), out, err);
}
