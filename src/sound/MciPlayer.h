#pragma once
// The player behind our command strings: a small interpreter of the few
// multimedia commands the game sends, on SDL2_mixer.
//
//   open "path"          the WAV file becomes a device named by its quoted path
//   play "path"          starts the device from its beginning, returns at once
//   close "path"         stops the device and releases the name
//   close all            stops and releases every device
//   status "path" mode   answers "playing" or "stopped"
//
// Every device has a mixing channel of its own, so an effect sounds over the
// music and over other effects. A file that is missing or not a WAV opens no
// device and stays silent. A device that has played to its end, and a name
// that is not open at all, both answer "stopped": the music loop only asks
// whether the music has stopped, and a missing music file must not make it
// spin. Unknown commands are ignored.
//
// A closed sound stays decoded until its file changes or the player shuts
// down: the game closes and reopens its music and effects on every replay,
// and decoding a long WAV again each time would stall the screen.
//
// The audio device is opened on the first "open", never earlier, so start-up
// does not wait for the sound system. If no audio device can be opened the
// player stays silent for the rest of its life (one try, so a broken sound
// system costs its time once) and answers "stopped".
//
// One player owns SDL's audio at a time; all calls come from one thread.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;

namespace orv::sound {

// Result codes of MciPlayer::Send; the game ignores them, the tests read them.
enum MciResult : std::uint32_t {
    kMciOk = 0,
    kMciUnknownCommand = 1,
    kMciNotOpen = 2,      // the name is not an open device
    kMciAlreadyOpen = 3,  // "open" of a name that is open: the device is kept
    kMciCannotLoad = 4,   // missing or unreadable file
    kMciNoAudio = 5,      // no audio device could be opened
};

class MciPlayer {
public:
    MciPlayer() = default;
    ~MciPlayer();
    MciPlayer(const MciPlayer&) = delete;
    MciPlayer& operator=(const MciPlayer&) = delete;

    // Runs one command. A reply (only "status" has one) is written to
    // returnString as a NUL-terminated text cut to returnLength - 1 characters;
    // with no buffer or a length of 0 nothing is written.
    std::uint32_t Send(std::string_view command, char* returnString, std::uint32_t returnLength);

    // Releases every device and closes the audio device. The next "open"
    // opens audio again (and reads SDL's driver settings again).
    void Shutdown();

private:
    // A decoded sound and the size and time of its file, to notice a replaced file.
    struct Decoded {
        Mix_Chunk* chunk = nullptr;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
    };
    struct Device {
        Decoded sound;
        int channel = -1;
    };

    std::uint32_t Open(const std::string& name);
    Decoded Decode(const std::string& name);
    std::uint32_t Play(const std::string& name);
    std::uint32_t Close(const std::string& name);
    void CloseAll();
    bool IsPlaying(const std::string& name) const;
    bool EnsureAudio();
    int TakeChannel();

    enum class Audio { NotTried, Open, Failed };
    Audio audio_ = Audio::NotTried;
    bool sdlAudioInit_ = false;
    std::map<std::string, Device> devices_;
    std::map<std::string, Decoded> decoded_;  // closed sounds, ready to reopen
    std::vector<bool> channelTaken_;
};

}  // namespace orv::sound
