#include "datafiles/fatal_error.h"

#include <cstdio>
#include <cstdlib>

#include "shell/media/messages.h"

namespace {

FatalHandler currentHandler = nullptr;

}  // namespace

FatalHandler setFatalHandler(FatalHandler handler) {
    FatalHandler previous = currentHandler;
    currentHandler = handler;
    return previous;
}

void fatalError(const std::string& message) {
    if (currentHandler) currentHandler(message);
    Print(" >> BLAD! << : " + message);
    std::fflush(stdout);
    std::fflush(stderr);
    // A failure must look like one to whoever started us (scripts, tests), so
    // the status is not 0. _Exit: no destructors of half-set-up globals run.
    std::_Exit(1);
}
