#include "app/CommandLine.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace orv::app {
namespace {

constexpr const char* kUsage =
    "Usage: orvalis [--seed N] [--lang ja|en]\n"
    "       orvalis --help | --version\n"
    "A war game for one player: hide your vehicles on a 19 x 9 field and find the\n"
    "computer's before it finds yours.\n"
    "\n"
    "  --seed N    deal every battle from the random seed N (0 to 4294967295),\n"
    "              so that the same battles can be played again\n"
    "  --lang L    the game's language: ja (Japanese) or en (English); without it,\n"
    "              Japanese for a Japanese or the C locale, English for any other\n"
    "  --help      show this help and end\n"
    "  --version   show the game's version and end\n"
    "\n"
    "In the game, F1 on any screen shows how to play.\n";

// One line saying what is wrong (with the word at fault, if any), and the hint.
int refuse(std::FILE* err, const char* what, std::string_view word = {}) {
    std::fprintf(err, "orvalis: %s", what);
    if (!word.empty() || what[std::strlen(what) - 1] == ' ')
        std::fprintf(err, "'%.*s'", static_cast<int>(word.size()), word.data());
    std::fprintf(err, "\nTry 'orvalis --help' for more information.\n");
    return 2;
}

// A whole number that fits the random generator's seed, and nothing else.
std::optional<std::uint32_t> seedValue(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (value > 0xFFFFFFFFu) return std::nullopt;
    return std::uint32_t(value);
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
    CommandLine line;
    for (int i = 1; i < argc && !line.exitStatus; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, out);
            line.exitStatus = 0;
        } else if (arg == "--version") {
            std::fprintf(out, "orvalis %s\n", ORVALIS_VERSION);
            line.exitStatus = 0;
        } else if (arg == "--seed" || arg.starts_with("--seed=")) {
            const bool joined = arg != "--seed";
            if (!joined && i + 1 >= argc) {
                line.exitStatus = refuse(err, "--seed needs a number");
                break;
            }
            const std::string_view value = joined ? arg.substr(7) : std::string_view(argv[++i]);
            line.seed = seedValue(value);
            if (!line.seed)
                line.exitStatus =
                    refuse(err, "--seed needs a whole number from 0 to 4294967295, not ", value);
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool joined = arg != "--lang";
            const std::string_view value =
                joined ? arg.substr(7) : (i + 1 < argc ? std::string_view(argv[++i]) : "");
            if (value != "ja" && value != "en") {
                line.exitStatus = refuse(err, "--lang takes ja or en, not ", value);
                break;
            }
            line.language = value == "en" ? "en" : "ja";
        } else {
            line.exitStatus = refuse(err, "unknown option ", arg);
        }
    }
    return line;
}

bool DisplayToOpen(std::FILE* err) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)err;
    return true;  // a desktop is always there
#endif
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    // A chosen platform (offscreen, vnc...) needs neither.
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    std::fputs(
        "orvalis: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set "
        "(start the game from a desktop session)\n",
        err);
    return false;
}

}  // namespace orv::app
