#pragma once
// Runs code that may stop the game with fatalError and reports the message
// instead of ending the test program.
#include <functional>
#include <string>

#include "datafiles/fatal_error.h"

namespace fatal_catcher {

struct Raised {
    std::string message;
};

inline void throwRaised(const std::string& message) {
    throw Raised{message};
}

// The fatal message `code` raised, or "" when it finished normally.
inline std::string messageOf(const std::function<void()>& code) {
    FatalHandler previous = setFatalHandler(throwRaised);
    std::string message;
    try {
        code();
    } catch (const Raised& raised) {
        message = raised.message;
    }
    setFatalHandler(previous);
    return message;
}

}  // namespace fatal_catcher
