#pragma once
// The game's sound operations. Files are addressed by their full path, which
// is also the name of the opened device; the module itself keeps nothing.
// Every operation sends its command strings through mciSendString, behind
// which stands our SDL2_mixer player (MciPlayer) - or a recorder in the tests.
#include <cstdint>
#include <functional>
#include <string>

namespace orv::sound {

// Opens File and starts it from its beginning; returns at once. Effects are
// played as CloseSnd then PlaySnd, so a repeated effect restarts.
void PlaySnd(const std::string& File);

// Stops File and releases its device.
void CloseSnd(const std::string& File);

// Stops and releases every device.
void CloseAllSnd();

// File's mode in capitals: "PLAYING", or "STOPPED" once it has played to its
// end. A file that is not open (missing, say) also answers "STOPPED".
std::string SndMode(const std::string& File);

// The one door every command goes through: the command, a return buffer and
// its length, and a callback window (always 0). The result is 0 on success;
// the game ignores it, a missing sound is simply silent.
std::uint32_t mciSendString(const std::string& command, char* returnString,
                            std::uint32_t returnLength, std::uintptr_t callbackWindow);

using MciBackend =
    std::function<std::uint32_t(const std::string& command, char* returnString,
                                std::uint32_t returnLength, std::uintptr_t callbackWindow)>;

// Puts another answerer behind mciSendString (a recorder in tests); an empty
// function brings back the SDL2_mixer player.
void SetMciBackend(MciBackend backend);

// Releases every device and closes the audio device of the SDL2_mixer player,
// for a tidy exit; the next PlaySnd opens audio again.
void ShutdownSound();

}  // namespace orv::sound
