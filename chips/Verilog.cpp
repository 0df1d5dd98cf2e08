// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipExport.h"
#include "ChipText.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string_view>

namespace {

// The keywords of Verilog (IEEE 1364-2005) and SystemVerilog (IEEE
// 1800-2017), each between spaces.
const std::string_view kKeywords =
    " accept_on alias always always_comb always_ff always_latch and assert assign assume automatic before "
    "begin bind bins binsof bit break buf bufif0 bufif1 byte case casex casez cell chandle checker class "
    "clocking cmos config const constraint context continue cover covergroup coverpoint cross deassign "
    "default defparam design disable dist do edge else end endcase endchecker endclass endclocking "
    "endconfig endfunction endgenerate endgroup endinterface endmodule endpackage endprimitive "
    "endprogram endproperty endspecify endsequence endtable endtask enum event eventually expect export "
    "extends extern final first_match for force foreach forever fork forkjoin function generate genvar "
    "global highz0 highz1 if iff ifnone ignore_bins illegal_bins implements implies import incdir "
    "include initial inout input inside instance int integer interconnect interface intersect join "
    "join_any join_none large let liblist library local localparam logic longint macromodule matches "
    "medium modport module nand negedge nettype new nexttime nmos nor noshowcancelled not notif0 notif1 "
    "null or output package packed parameter pmos posedge primitive priority program property protected "
    "pull0 pull1 pulldown pullup pulsestyle_ondetect pulsestyle_onevent pure rand randc randcase "
    "randsequence rcmos real realtime ref reg reject_on release repeat restrict return rnmos rpmos rtran "
    "rtranif0 rtranif1 s_always s_eventually s_nexttime s_until s_until_with scalared sequence shortint "
    "shortreal showcancelled signed small soft solve specify specparam static string strong strong0 "
    "strong1 struct super supply0 supply1 sync_accept_on sync_reject_on table tagged task this "
    "throughout time timeprecision timeunit tran tranif0 tranif1 tri tri0 tri1 triand trior trireg type "
    "typedef union unique unique0 unsigned until until_with untyped use uwire var vectored virtual void "
    "wait wait_order wand weak weak0 weak1 while wildcard wire with within wor xnor xor ";

// A name as a Verilog identifier: ASCII letters, digits and "_" kept, every
// other character written _uXXXX, "_" before a leading digit, and "_" after
// a keyword.
std::string Identifier(const std::string& name)
{
    std::string id;
    for (char32_t c : Utf8::Decode(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') {
            id += static_cast<char>(c);
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "_u%04X", static_cast<unsigned>(c));
            id += hex;
        }
    }
    if (id[0] >= '0' && id[0] <= '9')
        id.insert(0, "_");
    if (kKeywords.find(" " + id + " ") != std::string_view::npos)
        id += "_";
    return id;
}

// The eight port identifiers, distinct: a port whose identifier an earlier
// one has taken gets "_2", "_3", ... (never another port's own identifier).
std::array<std::string, 8> Ports(const ChipDesign& design)
{
    std::array<std::string, 8> own;
    for (int i = 0; i < 8; ++i)
        own[static_cast<std::size_t>(i)] = Identifier(ChipText::Raw(design, i));
    std::array<std::string, 8> ports;
    std::set<std::string> taken;
    for (std::size_t i = 0; i < 8; ++i) {
        std::string id = own[i];
        for (int n = 2; taken.count(id) || (id != own[i] && std::count(own.begin(), own.end(), id)); ++n)
            id = own[i] + "_" + std::to_string(n);
        taken.insert(id);
        ports[i] = id;
    }
    return ports;
}

// "zyl_" and the document's name without ".zyl", other characters than
// ASCII letters and digits as "_", at most 40 of them.
std::string ModuleName(const std::string& document)
{
    std::string base = document.substr(document.find_last_of('/') + 1);
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".zyl") == 0)
        base.resize(base.size() - 4);
    std::string name = "zyl_";
    for (char32_t c : Utf8::Decode(base)) {
        if (name.size() < 44)
            name += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? static_cast<char>(c)
                                                                                              : '_';
    }
    return name.size() > 4 ? name : "zyl_device";
}

} // namespace

std::string VerilogModule(const ChipDesign& design)
{
    const auto ports = Ports(design);
    const std::string type = ChipText::Comment(design.deviceType);
    std::string text = "// " + (type.empty() ? "Device" : type + " device") +
                       (design.documentName.empty() ? "" : " of " + ChipText::Comment(design.documentName)) +
                       ", as ZYL exports it.\n// Ports: the inputs A, B, C, D and the outputs Y0, Y1, Y2, Y3 "
                       "of the device, each\n// under its name made an identifier (the name as given follows "
                       "it).\n";
    text += "module " + ModuleName(design.documentName) + " (\n";
    for (std::size_t i = 0; i < 8; ++i)
        text += std::string(i < 4 ? "    input  wire " : "    output wire ") + ports[i] + (i < 7 ? "," : "") +
                " // " + ChipText::Comment(ChipText::Raw(design, static_cast<int>(i))) + "\n";
    text += ");\n";
    for (std::size_t f = 0; f < 4; ++f) {
        std::vector<std::string> products;
        for (ProductTerm t : design.terms[f]) {
            if (t.IsZero())
                continue;
            std::string product;
            for (std::size_t i = 0; i < 4; ++i) {
                const int bit = 1 << (3 - i);
                if ((t.ones | t.zeros) & bit)
                    product += (product.empty() ? "" : " & ") + std::string(t.ones & bit ? "" : "~") + ports[i];
            }
            products.push_back(product.empty() ? "1'b1" : product);
        }
        std::string sum;
        for (const std::string& product : products) {
            const bool group = products.size() > 1 && product.find('&') != std::string::npos;
            sum += (sum.empty() ? "" : " | ") + (group ? "(" + product + ")" : product);
        }
        text += "    assign " + ports[4 + f] + " = " + (sum.empty() ? "1'b0" : sum) + ";\n";
    }
    return text + "endmodule\n";
}
