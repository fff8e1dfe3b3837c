#include "sound/MciPlayer.h"

#include "sound/SdlApi.h"

#include <algorithm>
#include <cstring>

namespace orv::sound {

namespace {

// CD rate, 16-bit stereo; 1024 frames (23 ms) per mix keeps effects prompt
// without waking the mixer more than 43 times a second.
constexpr int kRate = 44100;
constexpr int kChunkFrames = 1024;
// Music plus five effects fit with room to spare; more are added on demand.
constexpr int kChannels = 16;

// One word of a command: a quoted name keeps its blanks, and "all" written
// in quotes is a file called all, not every device.
struct Token {
    std::string text;
    bool quoted = false;
};

// Splits at blanks; a double quote opens a name that runs to the next one.
// An unclosed quote makes the command unreadable.
bool Tokenize(std::string_view command, std::vector<Token>& out) {
    std::size_t i = 0;
    while (i < command.size()) {
        if (command[i] == ' ') {
            ++i;
            continue;
        }
        if (command[i] == '"') {
            const std::size_t end = command.find('"', i + 1);
            if (end == std::string_view::npos) return false;
            out.push_back({std::string(command.substr(i + 1, end - i - 1)), true});
            i = end + 1;
            continue;
        }
        std::size_t end = command.find(' ', i);
        if (end == std::string_view::npos) end = command.size();
        out.push_back({std::string(command.substr(i, end - i)), false});
        i = end;
    }
    return true;
}

// Command words are case-insensitive, as the game's command strings are.
bool IsWord(const Token& t, std::string_view word) {
    if (t.quoted || t.text.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = t.text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

void WriteReply(const char* reply, char* returnString, std::uint32_t returnLength) {
    if (!returnString || returnLength == 0) return;
    const std::size_t n = std::min<std::size_t>(std::strlen(reply), returnLength - 1);
    std::memcpy(returnString, reply, n);
    returnString[n] = '\0';
}

}  // namespace

MciPlayer::~MciPlayer() {
    Shutdown();
}

std::uint32_t MciPlayer::Send(std::string_view command, char* returnString,
                              std::uint32_t returnLength) {
    std::vector<Token> t;
    if (!Tokenize(command, t) || t.size() < 2 || t[1].text.empty()) return kMciUnknownCommand;
    const std::string& name = t[1].text;

    if (IsWord(t[0], "open") && t.size() == 2) return Open(name);
    if (IsWord(t[0], "play") && t.size() == 2) return Play(name);
    if (IsWord(t[0], "close") && t.size() == 2) {
        if (IsWord(t[1], "all")) {
            CloseAll();
            return kMciOk;
        }
        return Close(name);
    }
    if (IsWord(t[0], "status") && t.size() == 3 && IsWord(t[2], "mode")) {
        const bool open = devices_.count(name) != 0;
        WriteReply(IsPlaying(name) ? "playing" : "stopped", returnString, returnLength);
        return open ? kMciOk : kMciNotOpen;
    }
    return kMciUnknownCommand;
}

std::uint32_t MciPlayer::Open(const std::string& name) {
    if (devices_.count(name)) return kMciAlreadyOpen;
    if (!EnsureAudio()) return kMciNoAudio;
    const int channel = TakeChannel();
    if (channel < 0) return kMciNoAudio;
    const Decoded sound = Decode(name);
    if (!sound.chunk) {
        channelTaken_[static_cast<std::size_t>(channel)] = false;
        return kMciCannotLoad;
    }
    devices_[name] = Device{sound, channel};
    return kMciOk;
}

MciPlayer::Decoded MciPlayer::Decode(const std::string& name) {
    // Names are UTF-8 on every platform, so Japanese file names load.
    const std::filesystem::path file(std::u8string(name.begin(), name.end()));
    std::error_code ec;
    Decoded fresh;
    fresh.size = std::filesystem::file_size(file, ec);
    if (!ec) fresh.written = std::filesystem::last_write_time(file, ec);
    if (ec) return {};

    const auto kept = decoded_.find(name);
    if (kept != decoded_.end()) {
        const Decoded old = kept->second;
        decoded_.erase(kept);
        if (old.size == fresh.size && old.written == fresh.written) return old;
        Sdl()->FreeChunk(old.chunk);
    }
    fresh.chunk = Sdl()->LoadWAV(name.c_str());
    return fresh;
}

std::uint32_t MciPlayer::Play(const std::string& name) {
    const auto it = devices_.find(name);
    if (it == devices_.end()) return kMciNotOpen;
    // Our devices keep no position: play always starts at the beginning.
    Sdl()->PlayChannel(it->second.channel, it->second.sound.chunk, 0);
    return kMciOk;
}

std::uint32_t MciPlayer::Close(const std::string& name) {
    const auto it = devices_.find(name);
    if (it == devices_.end()) return kMciNotOpen;
    Sdl()->HaltChannel(it->second.channel);
    decoded_[name] = it->second.sound;
    channelTaken_[static_cast<std::size_t>(it->second.channel)] = false;
    devices_.erase(it);
    return kMciOk;
}

void MciPlayer::CloseAll() {
    while (!devices_.empty()) Close(devices_.begin()->first);
}

bool MciPlayer::IsPlaying(const std::string& name) const {
    const auto it = devices_.find(name);
    return it != devices_.end() && Sdl()->Playing(it->second.channel) != 0;
}

bool MciPlayer::EnsureAudio() {
    if (audio_ != Audio::NotTried) return audio_ == Audio::Open;
    audio_ = Audio::Failed;
    const SdlApi* sdl = Sdl();
    if (!sdl) return false;  // no sound libraries: a silent game
    // Another player holds the mixer (tests only); sharing channels would mix
    // up both players' devices.
    if (sdl->QuerySpec(nullptr, nullptr, nullptr) != 0) return false;

    sdl->SetMainReady();
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C belongs to the game
    sdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Orvalis");
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    sdlAudioInit_ = true;
    if (sdl->OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kChunkFrames) != 0) return false;
    channelTaken_.assign(static_cast<std::size_t>(Sdl()->AllocateChannels(kChannels)), false);
    audio_ = Audio::Open;
    return true;
}

int MciPlayer::TakeChannel() {
    auto free = std::find(channelTaken_.begin(), channelTaken_.end(), false);
    if (free == channelTaken_.end()) {
        const std::size_t had = channelTaken_.size();
        const int now = Sdl()->AllocateChannels(static_cast<int>(had * 2));
        if (now <= static_cast<int>(had)) return -1;  // out of memory: no device
        channelTaken_.resize(static_cast<std::size_t>(now), false);
        free = channelTaken_.begin() + static_cast<std::ptrdiff_t>(had);
    }
    *free = true;
    return static_cast<int>(free - channelTaken_.begin());
}

void MciPlayer::Shutdown() {
    CloseAll();
    for (const auto& [name, sound] : decoded_) Sdl()->FreeChunk(sound.chunk);
    decoded_.clear();
    if (audio_ == Audio::Open) Sdl()->CloseAudio();
    if (sdlAudioInit_) Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
    sdlAudioInit_ = false;
    channelTaken_.clear();
    audio_ = Audio::NotTried;
}

}  // namespace orv::sound
