// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every part of the program calls the device's type, whether it
// holds a document (model/) or reports on saved devices (desk/): one enum
// for the whole program.

// What the device works as: a PROM (programmable OR array), a PAL
// (programmable AND array) or a PLA (drawn, not simulated).
enum class DeviceType
{
    Prom,
    Pal,
    Pla
};

// "PROM", "PAL", "PLA": how files and reports name a type.
constexpr const char* DeviceTypeName(DeviceType type)
{
    return type == DeviceType::Prom ? "PROM" : type == DeviceType::Pal ? "PAL" : "PLA";
}
