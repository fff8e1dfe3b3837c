// The sound operations: the exact command strings they send, the mode reply,
// and the music loop against the real player.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <string>
#include <vector>

#include "sound/DiskAudio.h"
#include "sound/SndModule.h"

using namespace orv::sound;
using namespace orv::testkit;

namespace {

struct Sent {
    std::string command;
    std::string buffer;  // the return buffer as handed over
    std::uint32_t length;
    std::uintptr_t callback;
    bool operator==(const Sent&) const = default;
};

// Records every command; answers "status" with `reply` (written with its NUL).
struct Recorder {
    std::vector<Sent> sent;
    std::string reply;
    bool writeReply = true;

    void Install() {
        SetMciBackend(
            [this](const std::string& c, char* buf, std::uint32_t len, std::uintptr_t cb) {
                sent.push_back({c, buf ? std::string(buf, len) : "<null>", len, cb});
                if (writeReply && len > 0 && c.rfind("status ", 0) == 0)
                    std::memcpy(buf, reply.data(), std::min<std::size_t>(reply.size() + 1, len));
                return 0u;
            });
    }
    ~Recorder() { SetMciBackend({}); }
};

const std::string kFile = "/opt/orvalis/snd/ハズレ.WAV";

}  // namespace

TEST(SndModule, EachOperationSendsItsExactCommandStrings) {
    Recorder rec;
    rec.reply = "playing";
    rec.Install();

    PlaySnd(kFile);
    CloseSnd(kFile);
    CloseAllSnd();
    SndMode(kFile);

    const std::vector<Sent> expected = {
        {"open \"/opt/orvalis/snd/ハズレ.WAV\"", "", 0, 0},
        {"play \"/opt/orvalis/snd/ハズレ.WAV\"", "", 0, 0},
        {"close \"/opt/orvalis/snd/ハズレ.WAV\"", "", 0, 0},
        {"close all ", "", 0, 0},
        {"status \"/opt/orvalis/snd/ハズレ.WAV\" mode", std::string(20, ' '), 20, 0},
    };
    EXPECT_EQ(rec.sent, expected);
}

TEST(SndModule, ModeIsTheReplyUpToItsNulInCapitals) {
    Recorder rec;
    rec.Install();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"playing", "PLAYING"},
        {"stopped", "STOPPED"},
        {"Paused", "PAUSED"},
        {std::string("stopped\0tail", 12), "STOPPED"},
        {"", ""},
    };
    for (const auto& [reply, mode] : cases) {
        rec.reply = reply;
        EXPECT_EQ(SndMode(kFile), mode) << reply;
    }
    // A player that writes nothing leaves the 20 blanks.
    rec.writeReply = false;
    EXPECT_EQ(SndMode(kFile), std::string(20, ' '));
}

TEST_F(DiskAudioTest, MusicLoopRestartsTheMusicOnTheRealPlayer) {
    {
        Recorder rec;
        rec.Install();
    }  // gone again: the real player answers
    const std::string music = Wave("MainBGM.wav", Constant(1200, 0.25));
    struct CloseAudio {
        ~CloseAudio() { ShutdownSound(); }
    } closeAudio;  // even when a check fails, so later tests get the mixer

    EXPECT_EQ(SndMode(music), "STOPPED") << "a file that was never opened";
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "asking must not open audio";

    PlaySnd(music);
    EXPECT_EQ(SndMode(music), "PLAYING");
    ASSERT_TRUE(WaitUntil([&] { return SndMode(music) == "STOPPED"; }));
    // What the 500 ms timer does when the music has ended.
    CloseSnd(music);
    PlaySnd(music);
    EXPECT_EQ(SndMode(music), "PLAYING");

    CloseAllSnd();
    EXPECT_EQ(SndMode(music), "STOPPED");
}
