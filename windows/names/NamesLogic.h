// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CNames.h"

#include "Geometry.h"

#include <array>
#include <string>

class CZYLDoc;

// What the names command checks, shows and changes, without widgets.

extern const char* const kVariableNamesDuplicated;
extern const char* const kFunctionNamesDuplicated;
extern const char* const kFunctionNameTooLong;
// Shown while the dialog stays open when a variable name field holds more
// than one character.
extern const char* const kVariableNameFieldTooLong;
// A name holding "^" or "~", which would re-mark the drawing of every text
// the name appears in (a bar, a subscript).
extern const char* const kNameHoldsMarkup;
// A name holding a control or invisible character or starting with a
// combining mark, which a document file may not hold (NameCharacterFault).
extern const char* const kNameNotPrintable;

// Names are UTF-8; their lengths count characters (code points), so "é" or
// a letter beyond the Basic Multilingual Plane is one character.
enum { kMaxVariableNameLength = 1, kMaxFunctionNameLength = 2 };

// True when name holds a markup character, "^" or "~".
bool HoldsMarkup(const std::string& name);


// The letter entry "A".."Z" of a variable combo box that a name selects
// (index 0..25), or -1: a name that is not one capital letter selects none.
int LetterIndex(const std::string& name);

// The message for a variable field of the dialog (too long, then markup,
// then the characters), or nullptr when it may be accepted.
const char* CheckVariableField(const std::string& text);

// The message for a function field of the dialog (markup, then the
// characters; its length is limited while typing), or nullptr when it may
// be accepted.
const char* CheckFunctionField(const std::string& text);

// The message for names that cannot be accepted, in the order variables
// duplicated, functions duplicated, function name too long, a name holding
// markup or characters a document may not hold (names are compared byte for
// byte, two empty names count as equal), or nullptr.
const char* CheckNames(const CNames& names);

// Applies accepted names: checks them (the first failure is shown in the
// standard box and nothing changes), then stores them, one change of the
// document (nothing when they are the names it has). True when the names
// were accepted.
bool ApplyNames(CZYLDoc& doc, const CNames& names);

// The names command: asks for the names (the names dialog, through the
// platform) and applies them when the user accepted.
void OnNames(CZYLDoc& doc);

// Where the names dialog goes: centred on the screen, wholly on it.
ZPoint NamesDialogPosition(const ZSize& screen, const ZSize& dialog);
