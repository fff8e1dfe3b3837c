#pragma once
// Where the command line's answers go (--help, --version, a mistake). A game
// started from a console, or with its output sent to a file, writes there;
// on Windows a game started from the desktop has neither, and what it has to
// say comes in a box instead.
#include <cstdio>

namespace orv::app {

struct Answers {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool inABox = false;  // out and err are one scratch file, shown by ShowAnswers
};

Answers OpenAnswers();

// Shows what was written in a box, if that is where it goes.
void ShowAnswers(const Answers& answers, int status, int& argc, char** argv);

}  // namespace orv::app
