#pragma once
// The one way out for a run-time error: an overflow, an index out of bounds, a
// picture that cannot be loaded. The front end installs a handler that shows an
// error box; the default writes to stderr. Either way the program exits non-zero.
#include <functional>
#include <string>

namespace orv {

using FatalHandler = std::function<void(const std::string& message)>;

// Replaces the handler; returns the previous one.
FatalHandler SetFatalHandler(FatalHandler handler);

// Reports the message through the handler, then exits with status 1.
[[noreturn]] void FatalError(const std::string& message);

}  // namespace orv
