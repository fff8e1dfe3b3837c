#include "core/Fatal.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace orv {
namespace {

FatalHandler& handlerSlot() {
    static FatalHandler handler;
    return handler;
}

}  // namespace

FatalHandler SetFatalHandler(FatalHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

void FatalError(const std::string& message) {
    std::fprintf(stderr, "Orvalis: fatal error: %s\n", message.c_str());
    std::fflush(stderr);
    if (auto& handler = handlerSlot()) {
        FatalHandler h = std::exchange(handler, nullptr);  // no recursion if the handler fails too
        h(message);
    }
    std::exit(1);
}

}  // namespace orv
