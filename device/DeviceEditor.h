// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Device.h"

#include <functional>
#include <vector>

class CoverCache;

// Whether PAL programming offers the minimizer a function's don't cares or
// its ON-set alone.
enum class PalDontCares { Ignored, Offered };

enum class ProgramResult
{
    Programmed,   // the device now realises the function
    Refused,      // PAL: more than four product terms; see PalRefusal
    NotApplicable // nothing done (a PLA)
};

// What PAL programming does with a first cover of more than four terms (a
// function has four rows). notice runs at the refusal, while the refused
// function is still in the device, so that the caller's message and the
// windows it publishes to show it; then, with setBack, f's table returns
// to what it was when the operation began. The rows of f are never touched.
struct PalRefusal
{
    bool setBack = true;
    std::function<void()> notice;
};

// Every way the device is changed, each operation written once and typed:
// a PROM operation touches only the PROM array, a PAL one only the PAL
// array. The document (CZYLDoc::Edit) gives one to an edit; a test may
// work on a Device value of its own. Operations take a sound device
// (DocInvariants.h) to a sound device, except the two that set a part as
// it is given (SetPalColumn, SetAndRow), which a file load and a test use.
// They show nothing: a refusal is the caller's to tell.
class DeviceEditor
{
public:
    // covers serves PAL programming (none: programming is not used);
    // publish is the document's, which shows the device as it stands.
    explicit DeviceEditor(Device& device, CoverCache* covers = nullptr, std::function<void()> publish = {});

    const Device& Read() const { return m_device; }

    // Shows the device as it stands now, within the edit: every window
    // refreshes to it before, say, a message is shown over them.
    void Publish();

    // --- The whole device ------------------------------------------------
    void Replace(const Device& device);
    void SetType(DeviceType type);
    void SetNames(const CNames& names);
    void SetFlag(bool DisplayFlags::*flag, bool on);
    void SetRowToggle(int r, bool on);
    void SetOutputToggle(int f, bool on);

    // --- PROM ------------------------------------------------------------
    // Entry r of f becomes v ('0', '1' or 'X') and its OR fuse follows:
    // blown for '0', intact for '1', for a don't care as dontCareFuse says
    // (the device may realise a don't care either way).
    void SetPromEntry(int f, int r, char v, bool dontCareFuse = true);
    // OR fuse r of f switches; the entry follows unless it is a don't care.
    void TogglePromFuse(int f, int r);
    // Function f becomes the column, each entry as SetPromEntry sets it.
    void SetPromColumn(int f, const Column& column);

    // --- PAL -------------------------------------------------------------
    // The column becomes f's table, nothing programmed.
    void SetPalColumn(int f, const Column& column);
    // Row r gets the product, its text built from the current names.
    void SetAndRow(int r, ProductTerm term);
    // f's table from what its rows produce: every produced minterm '1',
    // every other entry '0' except the don't cares no row produces (so a
    // don't care a row covers becomes a minterm).
    void RederivePalColumn(int f);
    // f as its table stands, minimized; unless refused, the first cover's
    // terms (named with the current names) go into f's rows, and rows
    // beyond the cover get the product 0.
    ProgramResult ProgramPalFunction(int f, PalDontCares dontCares, const PalRefusal& refusal);
    // The column becomes f's table, then f is programmed as above.
    ProgramResult ProgramPalColumn(int f, const Column& column, PalDontCares dontCares, const PalRefusal& refusal);
    // f's rows from the terms of a cover of f's ON-set (at most
    // kRowsPerFunction; a longer one is refused without a notice), named
    // with the current names; the table stays.
    ProgramResult ProgramPalCover(int f, const std::vector<ProductTerm>& terms);

private:
    void LoadPalRows(int f, const std::vector<ProductTerm>& terms);

    Device& m_device;
    CoverCache* m_covers;
    std::function<void()> m_publish;
};
