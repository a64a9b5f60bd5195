#pragma once
// The end of the road for broken content: one console line, then the process
// stops. Used where the game cannot sensibly go on (a mistake in a .gui file).
#include <string>

// Called with the message (without the console prefix). A handler must not
// return; if it does, the default ending follows anyway. Tests and fuzz
// targets install one that unwinds to their own code.
using FatalHandler = void (*)(const std::string& message);

// Installs a handler (nullptr restores the default) and returns the previous one.
FatalHandler setFatalHandler(FatalHandler handler);

// Prints " >> BLAD! << : " + message on standard output and ends the program
// with exit status 1. The game's own quit steps do not run.
[[noreturn]] void fatalError(const std::string& message);
