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
void* openLibrary(const char* name) { return reinterpret_cast<void*>(LoadLibraryA(name)); }
void* symbol(void* lib, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(lib), name));
}
#else
#if defined(__APPLE__)
constexpr const char* kMixerNames[] = {"libSDL2_mixer-2.0.0.dylib", "libSDL2_mixer.dylib"};
#else
constexpr const char* kMixerNames[] = {"libSDL2_mixer-2.0.so.0", "libSDL2_mixer.so"};
#endif
void* openLibrary(const char* name) { return dlopen(name, RTLD_NOW | RTLD_GLOBAL); }
void* symbol(void* lib, const char* name) { return dlsym(lib, name); }
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
    // The mixer links SDL itself, so SDL's functions resolve through it too.
    return bind(lib, api.SetMainReady, "SDL_SetMainReady") && bind(lib, api.SetHint, "SDL_SetHint") &&
           bind(lib, api.InitSubSystem, "SDL_InitSubSystem") &&
           bind(lib, api.QuitSubSystem, "SDL_QuitSubSystem") &&
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
