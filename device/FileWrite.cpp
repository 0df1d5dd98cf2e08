// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileWrite.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ssize_t (*g_saveWrite)(int, const void*, std::size_t) = ::write;

namespace {

std::string Reason(int code)
{
    const char* text = std::strerror(code);
    return std::string(text && *text ? text : "unknown error") + ".";
}

// All of data, or false with errno set. A write that makes no progress
// (returns 0) is an error, not a reason to try again for ever.
bool WriteAll(int fd, std::string_view data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = g_saveWrite(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a write replaces: path with its symbolic links followed (also a
// link to a file that does not exist yet), so that the link stays and its
// target gets the data. Fails with errno set (ELOOP for a cycle).
bool ResolveLinks(std::string path, std::string& target)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = path;
            return true;
        }
        std::vector<char> buffer(static_cast<std::size_t>(std::max<off_t>(info.st_size, 255)) + 1);
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return false;
        if (static_cast<std::size_t>(n) >= buffer.size()) // grew meanwhile: read it again
            continue;
        const std::string link(buffer.data(), static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind('/');
        path = link.starts_with('/') || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    }
    errno = ELOOP;
    return false;
}

std::string NotRegular(mode_t mode)
{
    return std::string("it is ") + FileKindName(mode) + ", not a regular file.";
}

// What may be replaced at target, which exists: a regular file with a write
// permission that the process may open for writing. Its status goes to
// info; "" when it may be replaced, else the reason.
std::string CheckExisting(const std::string& target, struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return Reason(EISDIR);
    if (!S_ISREG(info.st_mode))
        return NotRegular(info.st_mode);
    if ((info.st_mode & 0222) == 0)
        return "the file is read-only.";
    // Opened only to learn that it may be written and what it is now: a
    // FIFO swapped in meanwhile neither blocks the open nor gets a byte.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Reason(errno);
    const bool known = ::fstat(fd, &info) == 0;
    const int code = errno;
    ::close(fd);
    if (!known)
        return Reason(code);
    return S_ISREG(info.st_mode) ? std::string() : NotRegular(info.st_mode);
}

} // namespace

const char* FileKindName(mode_t mode)
{
    return S_ISDIR(mode)                    ? "a folder"
           : S_ISFIFO(mode)                 ? "a named pipe (FIFO)"
           : S_ISSOCK(mode)                 ? "a socket"
           : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                            : "a special file";
}

namespace {

// Where a write to path goes (the final target of its links) and whether
// it may go there: "" for a new name or a file CheckExisting accepts, whose
// status is then in old (exists true), else the reason.
std::string CheckTarget(const std::string& path, std::string& target, struct stat& old, bool& exists)
{
    if (path.empty() || path.back() == '/')
        return Reason(EISDIR);
    if (!ResolveLinks(path, target))
        return Reason(errno);
    exists = ::stat(target.c_str(), &old) == 0;
    if (!exists)
        return errno == ENOENT ? std::string() : Reason(errno);
    return CheckExisting(target, old);
}

} // namespace

std::string WriteRefusal(const std::string& path)
{
    std::string target;
    struct stat old {};
    bool exists = false;
    return CheckTarget(path, target, old, exists);
}

bool ReplaceFile(const std::string& path, std::string_view data, std::string& reason)
{
    auto fail = [&reason](const std::string& why) {
        reason = why;
        return false;
    };
    // The new file gets the old one's mode, owner and group, or the usual
    // mode of a new file.
    std::string target;
    struct stat old {};
    bool exists = false;
    if (std::string why = CheckTarget(path, target, old, exists); !why.empty())
        return fail(why);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = exists ? old.st_mode & 07777 : 0666 & ~mask;

    // The temporary file lies next to the target, so the rename stays on one
    // file system and replaces the old file in one step (which also splits a
    // hard link). Its short name keeps it legal however long the target's.
    const std::size_t slash = target.rfind('/');
    std::vector<char> temp(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(slash + 1));
    const char name[] = ".zyl-XXXXXX";
    temp.insert(temp.end(), name, name + sizeof name);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(Reason(errno));

    std::string why;
    struct stat made {};
    if (exists && ::fstat(fd, &made) == 0 && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        why = "the file's owner and group cannot be kept; save it under another name.";
    else if (::fchmod(fd, mode) != 0 || !WriteAll(fd, data) || ::fsync(fd) != 0)
        why = Reason(errno);
    if (::close(fd) != 0 && why.empty())
        why = Reason(errno);
    if (why.empty() && ::rename(temp.data(), target.c_str()) != 0)
        why = Reason(errno);
    if (!why.empty()) {
        ::unlink(temp.data());
        return fail(why);
    }
    return true;
}

std::string AbsolutePath(const std::string& path)
{
    if (path.starts_with('/'))
        return path;
    std::string_view relative = path;
    while (relative.starts_with("./"))
        relative.remove_prefix(2);
    std::vector<char> folder(4096);
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE)
            return path;
        folder.resize(folder.size() * 2);
    }
    std::string absolute = folder.data();
    if (!absolute.ends_with('/'))
        absolute += '/';
    return absolute + std::string(relative);
}

std::string LocalPathFromUriList(std::string_view list)
{
    // The first URI: the first line that is neither blank nor a note.
    std::string_view uri;
    while (uri.empty() && !list.empty()) {
        const std::size_t end = std::min(list.find('\n'), list.size());
        std::string_view line = list.substr(0, end);
        list.remove_prefix(std::min(end + 1, list.size()));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (!line.starts_with('#'))
            uri = line;
    }
    const auto lower = [](std::string_view text) {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return out;
    };
    if (lower(uri.substr(0, 5)) != "file:")
        return {};
    uri.remove_prefix(5);
    uri = uri.substr(0, std::min(uri.find_first_of("?#"), uri.size()));
    if (uri.starts_with("//")) {
        uri.remove_prefix(2);
        const std::size_t slash = std::min(uri.find('/'), uri.size());
        const std::string host = lower(uri.substr(0, slash));
        if (!host.empty() && host != "localhost")
            return {};
        uri.remove_prefix(slash);
    }
    std::string path;
    const auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && hex(uri[i + 1]) >= 0 && hex(uri[i + 2]) >= 0) {
            path += static_cast<char>(hex(uri[i + 1]) * 16 + hex(uri[i + 2]));
            i += 2;
        } else {
            path += uri[i];
        }
    }
    return path.starts_with('/') ? path : std::string();
}
