// The SDL2_mixer player behind the command strings, heard through SDL's disk
// audio driver.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sound/DiskAudio.h"
#include "sound/MciPlayer.h"

using namespace orv::sound;
using namespace orv::testkit;

namespace {

std::uint32_t Cmd(MciPlayer& p, const std::string& command) {
    return p.Send(command, nullptr, 0);
}

std::string Q(const std::string& path) {
    return "\"" + path + "\"";
}

std::string Mode(MciPlayer& p, const std::string& path) {
    char reply[32];
    std::fill(std::begin(reply), std::end(reply), 'x');
    p.Send("status " + Q(path) + " mode", reply, sizeof reply);
    return std::string(reply, strnlen(reply, sizeof reply));
}

bool Contains(const Samples& s, std::int16_t v) {
    return std::find(s.begin(), s.end(), v) != s.end();
}

}  // namespace

TEST_F(DiskAudioTest, AudioOpensOnTheFirstOpenAndOtherCommandsAreIgnored) {
    MciPlayer p;
    const std::string wav = Wave("a.wav", Constant(500, 0.1));

    // Nothing but "open" may wake the sound system: start-up must not wait for it.
    char reply[8] = "xxxxxxx";
    EXPECT_EQ(p.Send("status " + Q(wav) + " mode", reply, sizeof reply), kMciNotOpen);
    EXPECT_STREQ(reply, "stopped");
    EXPECT_EQ(Cmd(p, "play " + Q(wav)), kMciNotOpen);
    EXPECT_EQ(Cmd(p, "close " + Q(wav)), kMciNotOpen);
    EXPECT_EQ(Cmd(p, "close all "), kMciOk);
    std::strcpy(reply, "xxxxxxx");
    const std::vector<std::string> unknown = {"",
                                              "   ",
                                              "open",
                                              "open \"" + wav,
                                              "seek " + Q(wav) + " to start",
                                              "status " + Q(wav) + " position",
                                              "play " + Q(wav) + " wait"};
    for (const std::string& bad : unknown) {
        EXPECT_EQ(p.Send(bad, reply, sizeof reply), kMciUnknownCommand) << bad;
        EXPECT_STREQ(reply, "xxxxxxx") << bad;
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_FALSE(fs::exists(Out()));

    EXPECT_EQ(Cmd(p, "OPEN " + Q(wav)), kMciOk) << "command words are case-insensitive";
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_EQ(Cmd(p, "open " + Q(wav)), kMciAlreadyOpen);
    EXPECT_EQ(Cmd(p, "close " + Q(wav)), kMciOk);
    EXPECT_EQ(Cmd(p, "open " + Q(wav)), kMciOk) << "close releases the name";

    p.Shutdown();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(DiskAudioTest, EffectIsMixedOverTheMusic) {
    const std::string music = Wave("music.wav", Constant(1000, 2.0));
    const std::string effect = Wave("effect.wav", Constant(2000, 0.15));
    {
        MciPlayer p;
        ASSERT_EQ(Cmd(p, "open " + Q(music)), kMciOk);
        ExpectMixerFormat();
        ASSERT_EQ(Cmd(p, "play " + Q(music)), kMciOk);
        ASSERT_TRUE(WaitUntil([&] { return AnyNonZero(ReadLeft(Out())); }));

        ASSERT_EQ(Cmd(p, "open " + Q(effect)), kMciOk);
        ASSERT_EQ(Cmd(p, "play " + Q(effect)), kMciOk);
        EXPECT_EQ(Mode(p, music), "playing");
        EXPECT_EQ(Mode(p, effect), "playing");
        ASSERT_TRUE(WaitUntil([&] { return Mode(p, effect) == "stopped"; }));
        EXPECT_EQ(Mode(p, music), "playing") << "the effect must not end the music";
        const std::size_t afterEffect = OutBytes();
        ASSERT_TRUE(WaitUntil([&] { return OutBytes() > afterEffect + 8192; }));
    }  // closing the player flushes the output

    const Samples out = ReadLeft(Out());
    for (std::int16_t v : out) ASSERT_TRUE(v == 0 || v == 1000 || v == 3000) << v;
    EXPECT_FALSE(Contains(out, 2000)) << "the effect replaced the music";
    const auto firstSound = std::find_if(out.begin(), out.end(), [](auto v) { return v != 0; });
    ASSERT_NE(firstSound, out.end());
    EXPECT_EQ(*firstSound, 1000);
    const auto lastBoth = std::find(out.rbegin(), out.rend(), 3000);
    ASSERT_NE(lastBoth, out.rend()) << "the effect never sounded over the music";
    EXPECT_EQ(std::count(out.begin(), out.end(), 3000), static_cast<long>(0.15 * kRate));
    EXPECT_TRUE(std::find(out.rbegin(), lastBoth, 1000) != lastBoth)
        << "the music went on after the effect";
}

TEST_F(DiskAudioTest, StatusTurnsToStoppedOnceASoundHasPlayedOut) {
    MciPlayer p;
    const std::string wav = Wave("short.wav", Constant(700, 0.3));
    ASSERT_EQ(Cmd(p, "open " + Q(wav)), kMciOk);
    EXPECT_EQ(Mode(p, wav), "stopped") << "opened, not yet played";
    ASSERT_EQ(Cmd(p, "play " + Q(wav)), kMciOk);
    EXPECT_EQ(Mode(p, wav), "playing");

    // The reply is cut to the buffer and always ends with a NUL.
    char small[5] = {'x', 'x', 'x', 'x', 'x'};
    p.Send("status " + Q(wav) + " mode", small, 4);
    EXPECT_STREQ(small, "pla");
    EXPECT_EQ(small[4], 'x');

    EXPECT_TRUE(WaitUntil([&] { return Mode(p, wav) == "stopped"; }));
    EXPECT_EQ(Cmd(p, "close " + Q(wav)), kMciOk) << "a finished sound stays open until closed";
}

TEST_F(DiskAudioTest, ReplayedEffectRestartsFromItsBeginningWithoutOverlapping) {
    constexpr std::int16_t kFirst = 100;
    constexpr int kFrames = kRate / 2;
    const std::string wav = Wave("ramp.wav", Ramp(kFirst, kFrames));
    {
        MciPlayer p;
        ASSERT_EQ(Cmd(p, "open " + Q(wav)), kMciOk);
        ExpectMixerFormat();
        ASSERT_EQ(Cmd(p, "play " + Q(wav)), kMciOk);
        ASSERT_TRUE(WaitUntil([&] { return AnyNonZero(ReadLeft(Out())); }));

        // The game's way to play an effect again: close, open, play.
        ASSERT_EQ(Cmd(p, "close " + Q(wav)), kMciOk);
        ASSERT_EQ(Cmd(p, "open " + Q(wav)), kMciOk);
        ASSERT_EQ(Cmd(p, "play " + Q(wav)), kMciOk);
        EXPECT_EQ(Mode(p, wav), "playing");
        ASSERT_TRUE(WaitUntil([&] { return Mode(p, wav) == "stopped"; }));
    }

    // Every sample continues the ramp or starts it anew; a sum of two plays
    // or a second play that goes on where the first left off breaks this.
    const Samples out = ReadLeft(Out());
    int starts = 0;
    std::int16_t prev = 0, last = 0;
    for (std::int16_t v : out) {
        if (v == kFirst) ++starts;
        if (v != 0 && v != kFirst) {
            ASSERT_EQ(v, prev + 1) << "not one ramp at a time";
        }
        if (v != 0) last = v;
        prev = v;
    }
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(last, kFirst + kFrames - 1) << "the replay played to its end";
}

TEST_F(DiskAudioTest, ReopeningAReplacedFilePlaysItsNewContent) {
    const std::string wav = Wave("swap.wav", Constant(500, 0.05));
    {
        MciPlayer p;
        ASSERT_EQ(Cmd(p, "open " + Q(wav)), kMciOk);
        ExpectMixerFormat();
        ASSERT_EQ(Cmd(p, "play " + Q(wav)), kMciOk);
        ASSERT_TRUE(WaitUntil([&] { return Mode(p, wav) == "stopped"; }));
        ASSERT_EQ(Cmd(p, "close " + Q(wav)), kMciOk);

        Wave("swap.wav", Constant(900, 0.1));  // closed sounds are kept decoded
        ASSERT_EQ(Cmd(p, "open " + Q(wav)), kMciOk);
        ASSERT_EQ(Cmd(p, "play " + Q(wav)), kMciOk);
        ASSERT_TRUE(WaitUntil([&] { return Mode(p, wav) == "stopped"; }));
    }
    const Samples out = ReadLeft(Out());
    EXPECT_EQ(std::count(out.begin(), out.end(), 500), static_cast<long>(0.05 * kRate));
    EXPECT_EQ(std::count(out.begin(), out.end(), 900), static_cast<long>(0.1 * kRate));
}

TEST_F(DiskAudioTest, MissingOrBrokenFilesAreSilentAndReportNothing) {
    const std::string missing = (dir_ / "ハズレ.WAV").string();
    const std::string broken = (dir_ / "broken.wav").string();
    std::ofstream(broken) << "RIFF but not a wave at all";
    {
        MciPlayer p;
        for (const std::string& f : {missing, broken}) {
            EXPECT_EQ(Cmd(p, "open " + Q(f)), kMciCannotLoad) << f;
            EXPECT_EQ(Cmd(p, "play " + Q(f)), kMciNotOpen) << f;
            EXPECT_EQ(Mode(p, f), "stopped") << f;
            EXPECT_EQ(Cmd(p, "close " + Q(f)), kMciNotOpen) << f;
        }
        ASSERT_TRUE(WaitUntil([&] { return OutBytes() > 8192; })) << "audio was running";
    }
    EXPECT_FALSE(AnyNonZero(ReadLeft(Out())));
}

TEST_F(DiskAudioTest, CloseAllStopsAndReleasesEveryDevice) {
    const std::string music = Wave("music.wav", Constant(1000, 3.0));
    const std::string effect = Wave("effect.wav", Constant(2000, 3.0));
    std::size_t atClose = 0;
    {
        MciPlayer p;
        for (const std::string& f : {music, effect}) {
            ASSERT_EQ(Cmd(p, "open " + Q(f)), kMciOk);
            ASSERT_EQ(Cmd(p, "play " + Q(f)), kMciOk);
        }
        ASSERT_TRUE(WaitUntil([&] { return Contains(ReadLeft(Out()), 3000); }));

        ASSERT_EQ(Cmd(p, "close all "), kMciOk);
        atClose = OutBytes();
        EXPECT_EQ(Mode(p, music), "stopped");
        EXPECT_EQ(Mode(p, effect), "stopped");
        EXPECT_EQ(Cmd(p, "play " + Q(music)), kMciNotOpen);
        ASSERT_TRUE(WaitUntil([&] { return OutBytes() > atClose + 4 * 4096; }));
        EXPECT_EQ(Cmd(p, "open " + Q(music)), kMciOk) << "close all released the names";
    }
    // The chunk being mixed while we closed may still carry sound.
    EXPECT_FALSE(AnyNonZero(ReadLeft(Out(), atClose + 2 * 4096)));
}

TEST_F(DiskAudioTest, GameSoundsWithJapaneseNamesPlayTogether) {
    const std::string snd = std::string(ORVALIS_APP_DIR) + "/snd/";
    const std::string music = snd + "MainBGM.wav";
    const std::string miss = snd + "ハズレ.WAV";
    const std::string command = snd + "指令車.WAV";
    {
        MciPlayer p;
        for (const std::string& f : {music, miss, command}) {
            ASSERT_EQ(Cmd(p, "open " + Q(f)), kMciOk) << f;
            ASSERT_EQ(Cmd(p, "play " + Q(f)), kMciOk) << f;
        }
        for (const std::string& f : {music, miss, command}) EXPECT_EQ(Mode(p, f), "playing") << f;
        ASSERT_TRUE(WaitUntil([&] { return AnyNonZero(ReadLeft(Out())); }));
    }
}

TEST(MciPlayerWithoutAudio, StaysSilentAndNeverFails) {
    SetEnv("SDL_AUDIODRIVER", "nonexistent");
    const std::string wav = std::string(ORVALIS_APP_DIR) + "/snd/ハズレ.WAV";
    MciPlayer p;
    for (int round = 0; round < 2; ++round) {  // the second round must not try again and fail worse
        EXPECT_EQ(Cmd(p, "open " + Q(wav)), kMciNoAudio);
        EXPECT_EQ(Cmd(p, "play " + Q(wav)), kMciNotOpen);
        EXPECT_EQ(Mode(p, wav), "stopped");
        EXPECT_EQ(Cmd(p, "close " + Q(wav)), kMciNotOpen);
        EXPECT_EQ(Cmd(p, "close all "), kMciOk);
    }
    p.Shutdown();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}
