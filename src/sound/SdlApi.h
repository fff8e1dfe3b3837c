#pragma once
// SDL and SDL_mixer, loaded on the first sound rather than at start-up: the
// mixer brings dozens of codec libraries along, and loading them with the
// program would delay the title screen by more than the title takes to draw.
#define SDL_MAIN_HANDLED  // the game owns main(); SDL only plays sound
#include <SDL.h>
#include <SDL_mixer.h>

namespace orv::sound {

struct SdlApi {
    decltype(&SDL_SetMainReady) SetMainReady;
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&Mix_QuerySpec) QuerySpec;
    decltype(&Mix_OpenAudio) OpenAudio;
    decltype(&Mix_CloseAudio) CloseAudio;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_LoadWAV) LoadWAV;
    decltype(&Mix_FreeChunk) FreeChunk;
    decltype(&Mix_PlayChannel) PlayChannel;
    decltype(&Mix_HaltChannel) HaltChannel;
    decltype(&Mix_Playing) Playing;
};

// The libraries' functions, loaded on the first call; nullptr when they
// cannot be loaded (the game is then silent).
const SdlApi* Sdl();

}  // namespace orv::sound
