// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamesLogic.h"

#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "PlacementLogic.h"
#include "Platform.h"
#include "Utf8.h"

const char* const kVariableNamesDuplicated = "\nThe variable names are duplicated,  \n\nplease check.";
const char* const kFunctionNamesDuplicated = "\nThe function names are duplicated,  \n\nplease check.";
const char* const kFunctionNameTooLong = "The function name should not be more than two characters.";
const char* const kVariableNameFieldTooLong = "Please enter no more than 1 character.";
const char* const kNameHoldsMarkup = "\nA name may not contain \"^\" or \"~\"\n(they mark bars and subscripts),\n\nplease check.";
const char* const kNameNotPrintable =
    "\nA name may not contain control or invisible\ncharacters, nor start with a combining mark,\n\nplease check.";

namespace {

bool AnyTwoEqual(const std::array<std::string, 4>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (names[i] == names[j])
                return true;
    return false;
}

bool Longer(const std::string& name, std::size_t limit) { return Utf8::CountChars(name) > limit; }

} // namespace

bool HoldsMarkup(const std::string& name) { return name.find_first_of("^~") != std::string::npos; }

namespace {

// The markup message, else the one for a name a document could not hold
// (its form is the dialog's: it stores typed names in form C and keeps an
// unchanged one as it was).
const char* CheckCharacters(const std::string& name)
{
    if (HoldsMarkup(name))
        return kNameHoldsMarkup;
    return NameCharacterFault(Utf8::ToNfc(name)).empty() ? nullptr : kNameNotPrintable;
}

} // namespace

int LetterIndex(const std::string& name)
{
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return name[0] - 'A';
    return -1;
}

const char* CheckVariableField(const std::string& text)
{
    if (Longer(text, kMaxVariableNameLength))
        return kVariableNameFieldTooLong;
    return CheckCharacters(text);
}

const char* CheckFunctionField(const std::string& text) { return CheckCharacters(text); }

const char* CheckNames(const CNames& names)
{
    if (AnyTwoEqual(names.variables))
        return kVariableNamesDuplicated;
    if (AnyTwoEqual(names.functions))
        return kFunctionNamesDuplicated;
    for (const std::string& name : names.functions)
        if (Longer(name, kMaxFunctionNameLength))
            return kFunctionNameTooLong;
    for (const auto* list : {&names.variables, &names.functions})
        for (const std::string& name : *list)
            if (const char* message = CheckCharacters(name))
                return message;
    return nullptr;
}

bool ApplyNames(CZYLDoc& doc, const CNames& names)
{
    if (const char* message = CheckNames(names)) {
        ShowStandardMessage(message);
        return false;
    }
    // A variable field is limited by the dialog; a longer name arriving here
    // would break the one-character literals of every product term.
    for (const std::string& name : names.variables)
        if (Longer(name, kMaxVariableNameLength)) {
            ShowStandardMessage(kVariableNameFieldTooLong);
            return false;
        }
    doc.Edit([&names](DeviceEditor& e) { e.SetNames(names); });
    return true;
}

ZPoint NamesDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{(screen.cx - dialog.cx) / 2, (screen.cy - dialog.cy) / 2}, dialog, screen);
}

void OnNames(CZYLDoc& doc)
{
    CNames names = doc.Device().names;
    if (GetPlatform().AskNames(names))
        ApplyNames(doc, names);
}
