// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The device's vocabulary that every part of the program shares, whether
// it holds a document (device/), shows it (windows/) or reports on saved
// devices (desk/): the device's type, and which PAL rows belong to which
// function.

// What the device works as: a PROM (programmable OR array), a PAL
// (programmable AND array) or a PLA (drawn, not simulated).
enum class DeviceType
{
    Prom,
    Pal,
    Pla
};

// What a command that needs the functions of the device answers in a PLA,
// which holds none: the menus', the windows' and the exports' refusal.
inline constexpr char kPlaNotImplemented[] = "\n\nPLA is not commonly used, so this will not be implemented.";

// "PROM", "PAL", "PLA": how files and reports name a type.
constexpr const char* DeviceTypeName(DeviceType type)
{
    return type == DeviceType::Prom ? "PROM" : type == DeviceType::Pal ? "PAL" : "PLA";
}

// The PAL gives every function the same number of AND rows, function f the
// rows from kRowsPerFunction * f on; output f is the OR of them. This is
// the one place that says so.
inline constexpr int kRowsPerFunction = 4;

// The rows of one function, for a range-for: for (int r : PalRowsOf(f)).
struct PalRows
{
    int first = 0;

    struct Iterator
    {
        int r;
        constexpr int operator*() const { return r; }
        constexpr Iterator& operator++()
        {
            ++r;
            return *this;
        }
        constexpr bool operator!=(Iterator other) const { return r != other.r; }
    };
    constexpr Iterator begin() const { return {first}; }
    constexpr Iterator end() const { return {first + kRowsPerFunction}; }
    constexpr int Last() const { return first + kRowsPerFunction - 1; }
};

constexpr PalRows PalRowsOf(int f) { return {kRowsPerFunction * f}; }
// The function whose rows hold row r.
constexpr int FunctionOfRow(int r) { return r / kRowsPerFunction; }
