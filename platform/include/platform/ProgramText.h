// A program's command line and standard streams as UTF-8 text, and where
// the program's own file is.
//
// On Linux a program gets its arguments as the bytes it was given and its
// standard streams pass bytes through, so both functions change nothing. On
// Windows, argv holds the arguments in the ANSI code page, which cannot hold
// every name or text, and the C runtime turns "\n" into "\r\n" on the way
// out; these functions read the wide command line instead and put the streams
// in binary mode, so a program reads and writes exactly the UTF-8 it means.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// The program's arguments, program name first, as UTF-8. `argc` and `argv`
// are main's; Windows reads the wide command line instead and falls back on
// them only when the system cannot split it.
std::vector<std::string> ProgramArgumentsAsUTF8(int argc, char** argv);

// Makes standard input, output and error carry bytes unchanged and, while the
// program runs, lets a console it writes to show that output as UTF-8.
void UseUTF8StandardStreams();

// Whether the program's standard error is a terminal (a console on
// Windows), where a line may be redrawn in place.
bool StandardErrorIsTerminal();

// The running program's own file, as an absolute path, so that a program can
// find the files installed beside it; empty when the system cannot tell.
std::filesystem::path ProgramFile();

}  // namespace platform
