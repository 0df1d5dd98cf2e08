// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipFile.h"

#include "ChipExport.h"
#include "Device.h"
#include "FileWrite.h"
#include "OutputTerms.h"
#include "Utf8.h"

#include <algorithm>
#include <cctype>

ChipDesign DesignOf(const Device& device, CoverCache& covers, const std::string& documentPath)
{
    ChipDesign design;
    design.inputs = device.names.variables;
    design.outputs = device.names.functions;
    design.documentName = documentPath.empty() ? "Untitled" : documentPath.substr(documentPath.rfind('/') + 1);
    design.deviceType = DeviceTypeName(device.type);
    for (int f = 0; f < Device::kFunctions; ++f)
        design.terms[static_cast<std::size_t>(f)] = OutputTerms(device, covers, f);
    return design;
}

std::optional<ChipFile> ChipFileOf(const std::string& path)
{
    std::string name = path.substr(path.rfind('/') + 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    const auto typed = [&name](std::string_view ext) { return name.size() > ext.size() && name.ends_with(ext); };
    if (typed(".jed"))
        return ChipFile::Fuses;
    if (typed(".v"))
        return ChipFile::Verilog;
    return std::nullopt;
}

std::string WriteChipFile(const Device& device, CoverCache& covers, const std::string& documentPath,
                          const std::string& path, ChipFile kind, Chip chip)
{
    const std::string failure = "Cannot export " + Utf8::Escaped(path) + ": ";
    if (device.type == DeviceType::Pla) // the refusal without its leading blank lines
        return failure + std::string(kPlaNotImplemented).substr(2);
    const ChipDesign design = DesignOf(device, covers, documentPath);
    std::string text;
    if (kind == ChipFile::Verilog) {
        text = VerilogModule(design);
    } else {
        JedecResult jedec = JedecFile(design, chip);
        if (!jedec.error.empty())
            return failure + jedec.error;
        text = std::move(jedec.text);
    }
    std::string reason;
    return ReplaceFile(path, text, reason) ? std::string() : failure + reason;
}
