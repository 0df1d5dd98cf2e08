// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoverCache.h"
#include "Device.h"
#include "DeviceChange.h"
#include "DeviceEditor.h"

#include <functional>
#include <string>
#include <vector>

// The one document of the program: the device (Device.h), the file it was
// last opened from or saved to, whether it changed since, and the windows
// that show it. Everyone reads the device; it changes only through Edit,
// which decides whether anything changed, sets the modified flag and tells
// every subscriber once what changed. Beside the device, not part of it,
// lives the cache of the minimizer's covers, which readers may fill.
class CZYLDoc
{
public:
    // A fresh device: a PROM with every fuse intact, the default names, no
    // options shown (Device's defaults).
    CZYLDoc() = default;
    CZYLDoc(const CZYLDoc&) = delete;
    CZYLDoc& operator=(const CZYLDoc&) = delete;

    const ::Device& Device() const { return m_device; }
    CoverCache& Covers() const { return m_covers; }

    // The one edit entry. The edit runs on the live device (a message it
    // shows sees the device as the edit left it so far; DeviceEditor::Publish
    // shows that state in every window first). Afterwards the device is
    // compared with what it was: when anything differs, a Change marks the
    // document modified, and every subscriber is told once what differs
    // from what it last showed; when nothing differs, nothing is sent and the
    // modified flag stays. A Load (a file replacing the device) is told as
    // replaced and leaves the modified flag to the caller. An edit started
    // inside an edit is part of the outer one. Returns what differs.
    enum class EditKind { Change, Load };
    DeviceChange Edit(const std::function<void(DeviceEditor&)>& edit, EditKind kind = EditKind::Change);

    // The windows that show the device subscribe here: each is told once per
    // change, with what changed.
    using Listener = std::function<void(const DeviceChange&)>;
    int AddListener(Listener listener);
    void RemoveListener(int id);

    // The modified flag and the path, and whoever shows them (the title):
    // told when either changes.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    const std::string& GetPathName() const { return m_strPathName; }
    // The name an export of the document suggests: its path with ext (".png",
    // ".pdf"...) for its own extension, "Untitled" + ext before a first save.
    std::string ExportName(const char* ext) const;
    void SetPathName(const std::string& path);
    int AddStatusListener(std::function<void()> listener);
    void RemoveStatusListener(int id);

private:
    void Publish();
    void Notify(const DeviceChange& change);
    void NotifyStatus();

    ::Device m_device;
    ::Device m_shown; // what the subscribers were last told, during an edit
    mutable CoverCache m_covers;
    bool m_editing = false;
    std::vector<std::pair<int, Listener>> m_listeners;
    std::vector<std::pair<int, std::function<void()>>> m_statusListeners;
    int m_nextListener = 1;
    bool m_bModified = false;
    std::string m_strPathName;
};
