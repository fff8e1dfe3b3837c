#include "rules/Transcript.h"

#include "rules/Battle.h"

namespace orv {

void LogLine(Battle& b, const std::string& line) {
    if (b.transcript) b.transcript->Add(line);
}

void LogShot(Battle& b, const std::string& side, Integer x, Integer y, const std::string& answer) {
    if (!b.transcript) return;
    b.transcript->Add("shot " + side + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                      answer);
}

void LogPhase(Battle& b, const std::string& phase) {
    if (!b.transcript) return;
    b.transcript->Add("phase " + (phase.empty() ? std::string("-") : phase));
}

}  // namespace orv
