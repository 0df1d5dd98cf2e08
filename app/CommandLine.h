#pragma once

#include <string>
#include <vector>

// What the zyl command line asks for.
struct CCommandLine
{
    enum Action { Run, Export, Print, Help, Version, Error };
    Action action = Run;
    std::string file;    // document to open (may be empty)
    std::string output;  // --export target (.png, .svg or .pdf)
    std::string message; // Help / Version text, or the Error message
};

// args without the program name.
CCommandLine ParseZylCommandLine(const std::vector<std::string>& args);
