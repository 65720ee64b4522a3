#include "game/events.h"

namespace tarmigo {

GameEvents& GameEvents::silent() {
    static GameEvents nobody = [] {
        GameEvents none;
        none.hears = 0;
        return none;
    }();
    return nobody;
}

const char* soundName(Sound s) {
    switch (s) {
    case Sound::Safety: return "WVS";
    case Sound::Remedy: return "WVR";
    case Sound::Hazard: return "WVH";
    case Sound::Miles: return "WVM";
    }
    return "";
}

} // namespace tarmigo
