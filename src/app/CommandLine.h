#pragma once
// The game's command line, read before any window opens.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace orv::app {

struct CommandLine {
    std::optional<std::uint32_t> seed;  // --seed N: the same battles again
    std::string language;               // --lang: "ja", "en", or "" for the locale's
    // Set when the game is to end at once with this status: after --help or
    // --version (0), or a command line it cannot use (2). What there was to
    // say has been said on `out` or `err`.
    std::optional<int> exitStatus;
};

CommandLine ReadCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err);

// Whether there is a display to open; if not, one line on `err` says why.
bool DisplayToOpen(std::FILE* err);

}  // namespace orv::app
