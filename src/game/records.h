#pragma once
// The two persisted records and their exact little-endian byte images.
#include "game/cards.h"

#include <array>
#include <cstdint>
#include <span>

namespace tarmigo {

// A bit field of a packed word: changed only as a whole, other bits untouched.
struct BitField {
    int shift;
    int width;
    constexpr std::uint32_t mask() const { return ((1u << width) - 1u) << shift; }
    constexpr int get(std::uint32_t word) const { return int((word & mask()) >> shift); }
    constexpr void set(std::uint32_t& word, int value) const {
        word = (word & ~mask()) | ((std::uint32_t(value) << shift) & mask());
    }
};

namespace status {
inline constexpr BitField safeties{0, 4};
inline constexpr BitField coupFourre{4, 4};
inline constexpr BitField battle{8, 4};
inline constexpr BitField drawSlot{12, 4};
inline constexpr BitField selectedSlot{16, 4};
inline constexpr BitField markedSlot{20, 4};
inline constexpr BitField lastHazard{24, 4};
inline constexpr BitField speed{28, 2};
inline constexpr BitField delayedAction{30, 1};
} // namespace status

struct PlayerRecord {
    static constexpr int Size = 28;

    std::uint32_t status = 0;
    std::uint16_t miles = 0;
    std::uint16_t handScore = 0;
    std::uint16_t gameScore = 0;
    std::uint16_t gamesWon1P = 0;
    std::uint16_t gamesWon2P = 0;
    std::array<std::uint8_t, 5> distancePlayed{};
    std::array<Card, HandSize> hand{}; // hand[s - 1] is slot s
    std::array<std::uint8_t, 2> reserved{};

    int safeties() const { return status::safeties.get(status); }
    int coupFourre() const { return status::coupFourre.get(status); }
    int battle() const { return status::battle.get(status); }
    int drawSlot() const { return status::drawSlot.get(status); }
    int selectedSlot() const { return status::selectedSlot.get(status); }
    int markedSlot() const { return status::markedSlot.get(status); }
    int lastHazard() const { return status::lastHazard.get(status); }
    int speed() const { return status::speed.get(status); }
    bool delayedAction() const { return status::delayedAction.get(status) != 0; }

    void setSafeties(int v) { status::safeties.set(status, v); }
    void setCoupFourre(int v) { status::coupFourre.set(status, v); }
    void setBattle(int v) { status::battle.set(status, v); }
    void setDrawSlot(int v) { status::drawSlot.set(status, v); }
    void setSelectedSlot(int v) { status::selectedSlot.set(status, v); }
    void setMarkedSlot(int v) { status::markedSlot.set(status, v); }
    void setLastHazard(int v) { status::lastHazard.set(status, v); }
    void setSpeed(int v) { status::speed.set(status, v); }
    void setDelayedAction(bool v) { status::delayedAction.set(status, v ? 1 : 0); }

    bool hasSafety(int bit) const { return (safeties() >> bit) & 1; }
    Card& slot(int s) { return hand[s - 1]; }
    Card slot(int s) const { return hand[s - 1]; }
    // The games-won counter of a mode (1 or 2 players).
    std::uint16_t& gamesWon(int playerCount) { return playerCount == 2 ? gamesWon2P : gamesWon1P; }
    std::uint16_t gamesWon(int playerCount) const {
        return playerCount == 2 ? gamesWon2P : gamesWon1P;
    }

    bool operator==(const PlayerRecord&) const = default;
};

namespace flag {
inline constexpr BitField sortHand{0, 1};
inline constexpr BitField playSounds{1, 1};
inline constexpr BitField animate{2, 1};
inline constexpr BitField showPlayable{3, 1};
inline constexpr BitField handOver{4, 1};
inline constexpr BitField gameOver{5, 1};
inline constexpr BitField turnHandover{6, 1};
inline constexpr BitField hard{7, 1};
inline constexpr BitField playMode{8, 2};
inline constexpr BitField discardMode{10, 2};
inline constexpr BitField hideTips{12, 1};
} // namespace flag

// How a tap on a card plays it (the Options' "To play"), as kept in the flags.
enum class PlayMode { TapOnce = 0, TapTwice = 1 };
// What follows a card the rules refuse (the Options' "To discard"): the deck must be
// tapped to discard it, a second tap discards it, or it is discarded at once.
enum class DiscardMode { CardThenDeck = 0, TapTwice = 1, TapOnce = 2 };

struct RoundRecord {
    static constexpr int Size = 36;

    std::uint32_t flags = 0;
    std::array<std::uint8_t, CardKinds> seenCount{};
    std::uint8_t deckPos = 0;
    std::uint8_t discardTop = 0;
    std::uint8_t winner = 0;
    std::int16_t raceLength = 0;
    std::uint8_t nextStarter = 0;
    std::array<std::uint8_t, 3> reserved{};
    std::int32_t animDelay = 0;

    bool has(BitField f) const { return f.get(flags) != 0; }
    int get(BitField f) const { return f.get(flags); }
    void set(BitField f, int v) { f.set(flags, v); }
    void set(BitField f, bool v) { f.set(flags, v ? 1 : 0); }

    PlayMode playMode() const { return PlayMode(get(flag::playMode)); }
    DiscardMode discardMode() const { return DiscardMode(get(flag::discardMode)); }
    void setPlayMode(PlayMode m) { set(flag::playMode, int(m)); }
    void setDiscardMode(DiscardMode m) { set(flag::discardMode, int(m)); }

    bool operator==(const RoundRecord&) const = default;
};

void encode(const PlayerRecord& p, std::span<std::uint8_t, PlayerRecord::Size> out);
PlayerRecord decodePlayer(std::span<const std::uint8_t, PlayerRecord::Size> in);
void encode(const RoundRecord& r, std::span<std::uint8_t, RoundRecord::Size> out);
RoundRecord decodeRound(std::span<const std::uint8_t, RoundRecord::Size> in);

} // namespace tarmigo
