#include "sound/SndModule.h"

#include <utility>

#include "sound/MciPlayer.h"

namespace orv::sound {

namespace {

const std::string Q = "\"";

MciBackend& Backend() {
    static MciBackend backend;
    return backend;
}

// Built on first use, and it opens audio only on the first "open", so merely
// linking the sound module costs start-up nothing.
MciPlayer& Player() {
    static MciPlayer player;
    return player;
}

// Commands without a reply go with an empty text and a length of 0.
void Send(const std::string& command) {
    char none[1] = {'\0'};
    mciSendString(command, none, 0, 0);
}

}  // namespace

std::uint32_t mciSendString(const std::string& command, char* returnString,
                            std::uint32_t returnLength, std::uintptr_t callbackWindow) {
    if (Backend()) return Backend()(command, returnString, returnLength, callbackWindow);
    return Player().Send(command, returnString, returnLength);
}

void SetMciBackend(MciBackend backend) {
    Backend() = std::move(backend);
}

void ShutdownSound() {
    Player().Shutdown();
}

void PlaySnd(const std::string& File) {
    Send("open " + Q + File + Q);
    Send("play " + Q + File + Q);
}

void CloseSnd(const std::string& File) {
    Send("close " + Q + File + Q);
}

void CloseAllSnd() {
    Send("close all ");
}

std::string SndMode(const std::string& File) {
    std::string buffer(20, ' ');
    mciSendString("status " + Q + File + Q + " mode", buffer.data(), 20, 0);
    const std::size_t nul = buffer.find('\0');
    if (nul != std::string::npos) buffer.resize(nul);
    // The mode words are plain ASCII; leave any other byte alone.
    for (char& c : buffer)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return buffer;
}

}  // namespace orv::sound
