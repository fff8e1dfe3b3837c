#include "rules/BattleLog.h"

#include "rules/Play.h"

namespace orv {

void LogLine(Play& p, const std::string& line) {
    if (p.transcript) p.transcript->Add(line);
}

void LogShot(Play& p, const std::string& side, Integer x, Integer y, const std::string& answer) {
    if (!p.transcript) return;
    p.transcript->Add("shot " + side + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                      answer);
}

void LogPhase(Play& p, const std::string& phase) {
    if (!p.transcript) return;
    p.transcript->Add("phase " + (phase.empty() ? std::string("-") : phase));
}

}  // namespace orv
