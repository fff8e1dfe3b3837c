// Fights whole battles with the real engine, the computer against a player
// who fires at random, and reports how they went.
//
//   orvalis-sim [--battles N] [--seed S] [--transcript] [--check]
//
// Battle i (from 0) is fought with seed S + i, so any battle of a run can be
// replayed alone. --transcript prints every battle's transcript instead of the
// figures; --check audits every battle and exits with status 1 on the first
// broken rule. --layout prints where the computer hides its vehicles in the
// first battle of a game started with --seed S (for the end-to-end tests).
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "battle/BattleSetup.h"
#include "core/GameState.h"
#include "core/Startup.h"
#include "rules/Texts.h"
#include "sim/BattleAudit.h"
#include "sim/BattleDriver.h"
#include "sim/HeadlessView.h"

namespace {

struct Options {
    long battles = 1000;
    std::uint32_t seed = 1;
    bool transcript = false;
    bool check = false;
    bool layout = false;
};

constexpr const char* kUsage =
    "Usage: orvalis-sim [--battles N] [--seed S] [--transcript] [--check] [--layout]\n"
    "       orvalis-sim --help\n"
    "Fights battles headless with the game's own engine.\n"
    "\n"
    "  --battles N   how many battles (1 to 100000000; default 1)\n"
    "  --seed S      the random seed of the first battle (0 to 4294967295; default 1)\n"
    "  --transcript  print every event of every battle\n"
    "  --check       audit every battle's invariants; status 1 on a breach\n"
    "  --layout      print where the computer hides its vehicles in the first\n"
    "                battle of a game started with --seed S\n"
    "  --help        show this help and end\n";

// One line saying what is wrong; status 2, as the game's own command line.
[[noreturn]] void Usage(const char* why) {
    std::fprintf(stderr, "orvalis-sim: %s (try orvalis-sim --help)\n", why);
    std::exit(2);
}

unsigned long long Number(const char* text, const char* flag) {
    char* end = nullptr;
    const unsigned long long v = std::strtoull(text, &end, 10);
    if (!text[0] || *end || text[0] == '-') Usage((std::string("bad number for ") + flag).c_str());
    return v;
}

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--battles") && i + 1 < argc) {
            const auto n = Number(argv[++i], a);
            if (n < 1 || n > 100000000) Usage("--battles must be 1 to 100000000");
            o.battles = static_cast<long>(n);
        } else if (!std::strcmp(a, "--seed") && i + 1 < argc) {
            const auto n = Number(argv[++i], a);
            if (n > 0xFFFFFFFFull) Usage("--seed must be 0 to 4294967295");
            o.seed = static_cast<std::uint32_t>(n);
        } else if (!std::strcmp(a, "--transcript")) {
            o.transcript = true;
        } else if (!std::strcmp(a, "--layout")) {
            o.layout = true;
        } else if (!std::strcmp(a, "--check")) {
            o.check = true;
        } else if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else {
            Usage((std::string("unknown argument ") + a).c_str());
        }
    }
    return o;
}

int PrintLayout(std::uint32_t seed) {
    orv::GameState gs;
    orv::InitGameData(gs);
    gs.Rng.Seed(seed);
    orv::HeadlessView view;
    orv::Battle b(gs, view);
    view.Attach(&b);
    orv::LoadBattle(b);
    for (int row = 0; row <= 8; ++row)
        for (int col = 0; col <= 18; ++col)
            if (!gs.Board_E(col, row).empty())
                std::printf("%s %d %d\n", gs.Board_E(col, row).c_str(), col, row);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    if (o.layout) return PrintLayout(o.seed);
    const bool keepTranscript = o.transcript || o.check;

    orv::GameState base;
    orv::InitGameData(base);
    orv::Transcript transcript;
    long cpWins = 0, playerWins = 0;
    double cpShots = 0, playerShots = 0;

    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < o.battles; ++i) {
        const std::uint32_t seed = o.seed + static_cast<std::uint32_t>(i);
        orv::GameState gs = base;
        gs.Rng.Seed(seed);
        transcript.Clear();
        const orv::BattleResult r = orv::FightBattle(gs, keepTranscript ? &transcript : nullptr);

        if (o.check) {
            const auto problems = orv::AuditBattle(gs, transcript, r);
            if (!problems.empty()) {
                std::fprintf(stderr, "orvalis-sim: battle %ld (seed %u) breaks a rule:\n", i, seed);
                for (const auto& p : problems) std::fprintf(stderr, "  %s\n", p.c_str());
                std::fprintf(stderr, "%s", transcript.Text().c_str());
                return 1;
            }
        }
        if (o.transcript) {
            std::printf("battle %ld seed %u\n%s\n", i, seed, transcript.Text().c_str());
        }
        cpWins += r.winner == orv::text::kCpSide;
        playerWins += r.winner == orv::text::kPlayerSide;
        cpShots += r.cpShots;
        playerShots += r.playerShots;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (o.transcript) return 0;

    const double n = static_cast<double>(o.battles);
    std::printf("battles: %ld\n", o.battles);
    std::printf("cp_wins: %ld\n", cpWins);
    std::printf("player_wins: %ld\n", playerWins);
    std::printf("cp_win_rate: %.4f\n", static_cast<double>(cpWins) / n);
    std::printf("mean_cp_shots: %.2f\n", cpShots / n);
    std::printf("mean_player_shots: %.2f\n", playerShots / n);
    std::printf("battles_per_second: %.0f\n", seconds > 0 ? n / seconds : 0.0);
    if (o.check) std::printf("check: ok\n");
    return 0;
}
