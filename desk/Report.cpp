// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "CoverCount.h"
#include "DeskText.h"

namespace {

using Set = std::uint16_t;

std::vector<int> Minterms(Set set)
{
    std::vector<int> list;
    for (int m = 0; m < 16; ++m) {
        if ((set >> m) & 1)
            list.push_back(m);
    }
    return list;
}

OutputReport ReportOutput(const DeviceFacts& device, int f)
{
    OutputReport out;
    out.name = device.names[static_cast<std::size_t>(f)];
    if (device.type == DeviceType::Pla) {
        out.simulated = false;
        return out;
    }
    OutputFunction function = ReadOutput(device, f);
    out.on = Minterms(function.on);
    out.dc = Minterms(function.dc);
    out.terms = std::move(function.terms);
    out.cost = CoverCost(out.terms);
    const CoverCount lowest = CountLowestCostCovers(function.on, function.dc);
    out.minCost = lowest.lowestCost;
    out.minimal = out.cost == out.minCost;
    out.implements = ((function.gives ^ function.on) & ~function.dc) == 0;
    out.covers = lowest.covers;
    return out;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }
const char* TrueFalse(bool value) { return value ? "true" : "false"; }

std::string Text(const DeviceReport& report)
{
    std::string text = "File: " + DeskText::Display(report.file) + "\nType: " + DeviceTypeName(report.type) + "\n";
    for (int f = 0; f < 4; ++f) {
        const OutputReport& o = report.outputs[static_cast<std::size_t>(f)];
        text += "\nOutput Y" + std::to_string(f) + ": " + DeskText::Display(o.name) + "\n";
        if (!o.simulated) {
            text += "  not simulated: a PLA is drawn only\n";
            continue;
        }
        const auto line = [&text](const char* label, const std::string& value) {
            text += "  " + (label + std::string(20, ' ')).substr(0, 20) + value + "\n";
        };
        line("ON-set:", o.on.empty() ? "none" : DeskText::List(o.on, ", "));
        line("don't cares:", o.dc.empty() ? "none" : DeskText::List(o.dc, ", "));
        line("sum of products:", o.Sop());
        line("terms:", std::to_string(o.terms.size()));
        line("cost:", std::to_string(o.cost));
        line("lowest cost:", std::to_string(o.minCost));
        line("minimal:", YesNo(o.minimal));
        line("implements table:", YesNo(o.implements));
        line("lowest-cost covers:", std::to_string(o.covers));
    }
    return text;
}

std::string Json(const DeviceReport& report)
{
    std::string text = "{\"file\": " + DeskText::Json(report.file) + ", \"type\": \"" + DeviceTypeName(report.type) +
                       "\", \"outputs\": [";
    for (int f = 0; f < 4; ++f) {
        const OutputReport& o = report.outputs[static_cast<std::size_t>(f)];
        text += std::string(f == 0 ? "" : ",") + "\n  {\"name\": " + DeskText::Json(o.name);
        const auto field = [&](const char* key, const std::string& value) {
            text += std::string(", \"") + key + "\": " + (o.simulated ? value : "null");
        };
        field("on", "[" + DeskText::List(o.on, ", ") + "]");
        field("dc", "[" + DeskText::List(o.dc, ", ") + "]");
        field("sop", DeskText::Json(o.Sop()));
        field("terms", std::to_string(o.terms.size()));
        field("cost", std::to_string(o.cost));
        field("min_cost", std::to_string(o.minCost));
        field("minimal", TrueFalse(o.minimal));
        field("implements", TrueFalse(o.implements));
        field("covers", std::to_string(o.covers));
        text += "}";
    }
    return text + "\n]}\n";
}

std::string Csv(const DeviceReport& report)
{
    std::string text = "file,type,name,on,dc,sop,terms,cost,min_cost,minimal,implements,covers\r\n";
    for (const OutputReport& o : report.outputs) {
        text += DeskText::Csv(report.file) + "," + DeviceTypeName(report.type) + "," + DeskText::Csv(o.name);
        if (o.simulated) {
            text += "," + DeskText::Csv(DeskText::List(o.on, ",")) + "," + DeskText::Csv(DeskText::List(o.dc, ",")) +
                    "," + o.Sop() + "," + std::to_string(o.terms.size()) + "," + std::to_string(o.cost) + "," +
                    std::to_string(o.minCost) + "," + TrueFalse(o.minimal) + "," + TrueFalse(o.implements) + "," +
                    std::to_string(o.covers);
        } else {
            text += ",,,,,,,,,";
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

OutputFunction ReadOutput(const DeviceFacts& device, int f)
{
    const auto i = static_cast<std::size_t>(f);
    OutputFunction out;
    if (device.type == DeviceType::Pla)
        return out;
    for (int m = 0; m < 16; ++m) {
        const char v = device.tables[i][static_cast<std::size_t>(m)];
        out.on = static_cast<Set>(out.on | (v == '1' ? 1u << m : 0u));
        out.dc = static_cast<Set>(out.dc | (v == 'X' ? 1u << m : 0u));
    }
    out.terms = device.terms[i];
    out.gives = device.gives[i];
    return out;
}

std::string OutputReport::Sop() const
{
    if (terms.empty())
        return "0";
    std::string text;
    for (const ProductTerm& term : terms)
        text += (text.empty() ? "" : " + ") + term.Text();
    return text;
}

DeviceReport MakeReport(const DeviceFacts& device)
{
    DeviceReport report;
    report.file = device.file;
    report.type = device.type;
    for (int f = 0; f < 4; ++f)
        report.outputs[static_cast<std::size_t>(f)] = ReportOutput(device, f);
    return report;
}

std::string FormatReport(const DeviceReport& report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Text:
        return Text(report);
    case ReportFormat::Json:
        return Json(report);
    case ReportFormat::Csv:
        break;
    }
    return Csv(report);
}

int CoverCost(const std::vector<ProductTerm>& terms)
{
    int cost = 0;
    for (const ProductTerm& term : terms)
        cost += term.Cost();
    return cost;
}
