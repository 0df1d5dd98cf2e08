// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"

#include <algorithm>

DeviceChange CZYLDoc::Edit(const std::function<void(DeviceEditor&)>& edit, EditKind kind)
{
    DeviceEditor editor(m_device, &m_covers, [this] { Publish(); });
    if (m_editing) {
        edit(editor);
        return {};
    }
    const ::Device before = m_device;
    m_shown = m_device;
    m_editing = true;
    struct Done
    {
        bool& editing;
        ~Done() { editing = false; }
    } done{m_editing};
    edit(editor);

    DeviceChange change = DiffDevices(before, m_device);
    change.replaced = kind == EditKind::Load;
    if (kind == EditKind::Change && change.Any())
        SetModifiedFlag(true);
    DeviceChange notice = DiffDevices(m_shown, m_device);
    notice.replaced = change.replaced;
    if (notice.Any())
        Notify(notice);
    return change;
}

void CZYLDoc::Publish()
{
    const DeviceChange notice = DiffDevices(m_shown, m_device);
    if (!notice.Any())
        return;
    m_shown = m_device;
    Notify(notice);
}

void CZYLDoc::Notify(const DeviceChange& change)
{
    // A listener may register or remove listeners; walk a copy.
    const auto listeners = m_listeners;
    for (const auto& entry : listeners)
        entry.second(change);
}

int CZYLDoc::AddListener(Listener listener)
{
    const int id = m_nextListener++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void CZYLDoc::RemoveListener(int id)
{
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void CZYLDoc::SetModifiedFlag(bool modified)
{
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    NotifyStatus();
}

void CZYLDoc::SetPathName(const std::string& path)
{
    if (m_strPathName == path)
        return;
    m_strPathName = path;
    NotifyStatus();
}

int CZYLDoc::AddStatusListener(std::function<void()> listener)
{
    const int id = m_nextListener++;
    m_statusListeners.emplace_back(id, std::move(listener));
    return id;
}

void CZYLDoc::RemoveStatusListener(int id)
{
    std::erase_if(m_statusListeners, [id](const auto& entry) { return entry.first == id; });
}

void CZYLDoc::NotifyStatus()
{
    const auto listeners = m_statusListeners;
    for (const auto& entry : listeners)
        entry.second();
}

std::string CZYLDoc::ExportName(const char* ext) const
{
    const std::string& path = m_strPathName;
    const std::size_t name = path.rfind('/') + 1, dot = path.rfind('.'); // name is 0 without a folder
    const bool typed = dot != std::string::npos && dot > name;
    return (path.empty() ? "Untitled" : path.substr(0, typed ? dot : path.size())) + ext;
}
