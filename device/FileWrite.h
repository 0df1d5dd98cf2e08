// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <sys/types.h>

// Files as the system names them: paths are its bytes (which need not be
// UTF-8) from the command line, a drop or the recent list to the system
// call; only their display is text.

// The one way the program writes a file (a document, every picture): data
// replaces the file at path, or a new file is made there. On failure:
// false and the reason as a sentence ("File too large.", "the file is
// read-only."), for the caller's "Cannot save PATH: " or "Cannot export
// PATH: "; the file is then as it was and nothing is left beside it.
//
// - A symbolic link is followed to its final target, which gets the data
//   in its own folder; the link stays a link.
// - Only a regular file is replaced: a folder is refused with the system's
//   own reason ("Is a directory."), a named pipe (FIFO), a device or a
//   socket by its kind ("it is a named pipe, not a regular file."). The kind is read before
//   anything is opened and again on the file opened for writing
//   (O_NONBLOCK, so that a FIFO never blocks), and nothing is ever written
//   through that descriptor.
// - A file without any write permission in its mode is refused ("the file
//   is read-only"), also for root; one the process may not write is refused
//   by the system's reason.
// - The data goes to a temporary file (".zyl-" and six random characters)
//   next to the target, synced and renamed over it: the folder then holds
//   exactly the file written. The new file keeps the old one's permissions,
//   owner and group; where the process may not keep the owner and group,
//   the write is refused and says so.
// - A write over the file-size limit fails with "File too large." when the
//   process ignores SIGXFSZ, as both programs do from their start.
bool ReplaceFile(const std::string& path, std::string_view data, std::string& reason);

// Why ReplaceFile would refuse path before writing a byte (the reasons
// above: a folder, a special file, a read-only file...); "" when it may be
// written. For a writer that opens the file itself, as the printer does.
std::string WriteRefusal(const std::string& path);

// The write(2) that ReplaceFile goes through; tests put a failing one in
// its place.
extern ssize_t (*g_saveWrite)(int fd, const void* data, std::size_t size);

// What a path names when it is not a regular file: "a folder", "a named
// pipe (FIFO)", "a socket", "a device" or "a special file".
const char* FileKindName(mode_t mode);

// path made absolute against the current folder (in bytes), with any
// leading "./" removed; an absolute path as it is.
std::string AbsolutePath(const std::string& path);

// The path of the first local file of a text/uri-list (RFC 2483: one URI a
// line, "#" lines are notes), percent-decoded to the system's bytes; ""
// when it names none. "file:///p" and "file://localhost/p" are local.
std::string LocalPathFromUriList(std::string_view uriList);
