#include "game/events.h"

namespace tarmigo {

GameEvents& GameEvents::silent() {
    static GameEvents nobody;
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

void FanOut::cardLeavesHand(Game& g, const Laid& m) {
    for (GameEvents* l : listeners_) l->cardLeavesHand(g, m);
}

void FanOut::cardLeavesDrawPile(Game& g, const Drawn& m) {
    for (GameEvents* l : listeners_) l->cardLeavesDrawPile(g, m);
}

void FanOut::regionChanged(Game& g, Region region, int player) {
    for (GameEvents* l : listeners_) l->regionChanged(g, region, player);
}

void FanOut::statusMessage(Game& g, int seat, int stringId) {
    for (GameEvents* l : listeners_) l->statusMessage(g, seat, stringId);
}

void FanOut::statusNumber(Game& g, int seat, int stringId, int number) {
    for (GameEvents* l : listeners_) l->statusNumber(g, seat, stringId, number);
}

void FanOut::handEnded(Game& g) {
    for (GameEvents* l : listeners_) l->handEnded(g);
}

void FanOut::sound(Game& g, Sound s) {
    for (GameEvents* l : listeners_) l->sound(g, s);
}

void FanOut::undoAvailable(Game& g, bool available) {
    for (GameEvents* l : listeners_) l->undoAvailable(g, available);
}

void FanOut::extensionAsked(Game& g) {
    for (GameEvents* l : listeners_) l->extensionAsked(g);
}

void FanOut::coupFourre(Game& g, const Laid& m) {
    for (GameEvents* l : listeners_) l->coupFourre(g, m);
}

} // namespace tarmigo
