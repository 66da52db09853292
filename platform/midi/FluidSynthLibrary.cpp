#include "platform/midi/FluidSynthLibrary.h"

#include <dlfcn.h>

#include <iostream>
#include <optional>

namespace platform {

namespace {

constexpr char kLibrary[] = "libfluidsynth.so.3";

std::optional<FluidSynthApi> load() {
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::cerr << "Clavito: " << dlerror() << "\n";
        return std::nullopt;
    }
    FluidSynthApi api;
    bool complete = true;
#define CLAVITO_FLUID_RESOLVE(name)                                                                          \
    api.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                                   \
    complete = complete && api.name != nullptr;
    CLAVITO_FLUID_FUNCTIONS(CLAVITO_FLUID_RESOLVE)
#undef CLAVITO_FLUID_RESOLVE
    if (!complete) {
        std::cerr << "Clavito: " << kLibrary << " lacks functions this program needs\n";
        dlclose(library);
        return std::nullopt;
    }
    return api;
}

} // namespace

const FluidSynthApi* fluidSynth() {
    static const std::optional<FluidSynthApi> api = load();
    return api ? &*api : nullptr;
}

} // namespace platform
