// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceFacts.h"

#include "CZYLDoc.h"
#include "DocFile.h"
#include "OutputTerms.h"
#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

DeviceFacts FactsOf(const Device& device, CoverCache& covers, const std::string& file)
{
    DeviceFacts facts;
    facts.file = file;
    facts.type = device.type;
    const CNames& names = device.names;
    for (int f = 0; f < 4; ++f) {
        const auto i = static_cast<std::size_t>(f);
        facts.names[i] = names.functions[i];
        facts.terms[i] = OutputTerms(device, covers, f);
        if (device.type == DeviceType::Prom) {
            facts.tables[i] = device.prom.Table(f);
            facts.gives[i] = device.prom.Fuses(f).Bits();
        } else if (device.type == DeviceType::Pal) {
            facts.tables[i] = device.pal.Table(f);
            facts.gives[i] = device.pal.Produced(f).Bits();
        }
    }
    return facts;
}

LoadedFile LoadFacts(const std::string& path, CoverCache& covers)
{
    // A document of its own for every file: an empty file (as older
    // versions saved) loads as the fresh device, not as the one before.
    CZYLDoc doc;
    LoadedFile loaded;
    if (LoadDocument(doc, path, loaded.error))
        loaded.facts = FactsOf(doc.Device(), covers, path);
    else
        loaded.facts.file = path;
    return loaded;
}

namespace {

// The ".zyl" names of the folder at path, sorted; the system's error code
// when it cannot be listed, else 0.
int ZylNamesIn(const std::string& path, std::vector<std::string>& names)
{
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr)
        return errno;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name.ends_with(".zyl"))
            names.push_back(name);
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return 0;
}

} // namespace

std::vector<LoadedFile> LoadHandIns(const std::vector<std::string>& paths, CoverCache& covers)
{
    std::vector<LoadedFile> handIns;
    for (const std::string& path : paths) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            handIns.push_back(LoadFacts(path, covers));
            continue;
        }
        std::vector<std::string> names;
        if (const int code = ZylNamesIn(path, names); code != 0) {
            handIns.emplace_back();
            handIns.back().facts.file = path;
            handIns.back().error = "Cannot open " + Utf8::Escaped(path) + ": " + std::strerror(code) + ".";
        }
        const std::string folder = path.ends_with('/') ? path : path + "/";
        for (const std::string& name : names)
            handIns.push_back(LoadFacts(folder + name, covers));
    }
    return handIns;
}
