#include "sound/SdlApi.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace orv::sound {
namespace {

#if defined(_WIN32)
constexpr const char* kMixerNames[] = {"SDL2_mixer.dll"};
void* openLibrary(const char* name) {
    return reinterpret_cast<void*>(LoadLibraryA(name));
}
void* symbol(void* lib, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(lib), name));
}
#else
#if defined(__APPLE__)
constexpr const char* kMixerNames[] = {"libSDL2_mixer-2.0.0.dylib", "libSDL2_mixer.dylib"};
#else
constexpr const char* kMixerNames[] = {"libSDL2_mixer-2.0.so.0", "libSDL2_mixer.so"};
#endif
void* openLibrary(const char* name) {
    return dlopen(name, RTLD_NOW | RTLD_GLOBAL);
}
void* symbol(void* lib, const char* name) {
    return dlsym(lib, name);
}
#endif

template <typename F>
bool bind(void* lib, F& slot, const char* name) {
    slot = reinterpret_cast<F>(symbol(lib, name));
    return slot != nullptr;
}

bool load(SdlApi& api) {
    void* lib = nullptr;
    for (const char* name : kMixerNames)
        if ((lib = openLibrary(name))) break;
    if (!lib) return false;
#if defined(_WIN32)
    // A DLL exports only its own functions: SDL's come from SDL2.dll, which
    // the mixer has loaded from beside the game already.
    void* sdl = openLibrary("SDL2.dll");
    if (!sdl) return false;
#else
    // The mixer links SDL itself, so SDL's functions resolve through it too.
    void* sdl = lib;
#endif
    return bind(sdl, api.SetMainReady, "SDL_SetMainReady") &&
           bind(sdl, api.SetHint, "SDL_SetHint") &&
           bind(sdl, api.InitSubSystem, "SDL_InitSubSystem") &&
           bind(sdl, api.QuitSubSystem, "SDL_QuitSubSystem") &&
           bind(lib, api.QuerySpec, "Mix_QuerySpec") && bind(lib, api.OpenAudio, "Mix_OpenAudio") &&
           bind(lib, api.CloseAudio, "Mix_CloseAudio") &&
           bind(lib, api.AllocateChannels, "Mix_AllocateChannels") &&
           bind(lib, api.LoadWAV, "Mix_LoadWAV") && bind(lib, api.FreeChunk, "Mix_FreeChunk") &&
           bind(lib, api.PlayChannel, "Mix_PlayChannel") &&
           bind(lib, api.HaltChannel, "Mix_HaltChannel") && bind(lib, api.Playing, "Mix_Playing");
}

}  // namespace

const SdlApi* Sdl() {
    static SdlApi api{};
    static const bool loaded = load(api);
    return loaded ? &api : nullptr;
}

}  // namespace orv::sound
