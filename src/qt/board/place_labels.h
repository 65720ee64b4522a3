#pragma once
// The names a screen reader reads for the places of the board (the cards' names are the
// string table's),
// marked for lupdate like the string table. "%1", "%2" ... are filled in where shown.
#include "game/cards.h"

#include <QtGlobal>

namespace tarmigo::place_label {

inline constexpr const char* Board = QT_TRANSLATE_NOOP("Tarmigo", "Board");
inline constexpr const char* Empty = QT_TRANSLATE_NOOP("Tarmigo", "empty");
inline constexpr const char* None = QT_TRANSLATE_NOOP("Tarmigo", "none");
// A hand slot: its number and card.
inline constexpr const char* SlotPlayable = QT_TRANSLATE_NOOP("Tarmigo", "Slot %1: %2, playable");
inline constexpr const char* SlotNotPlayable =
    QT_TRANSLATE_NOOP("Tarmigo", "Slot %1: %2, not playable now");
inline constexpr const char* SlotEmpty = QT_TRANSLATE_NOOP("Tarmigo", "Slot %1: empty");
inline constexpr const char* SlotHidden = QT_TRANSLATE_NOOP("Tarmigo", "Slot %1: hidden");
// A card marked by a first tap (the next tap on it plays or discards it): "%1" is the slot.
inline constexpr const char* SlotMarked = QT_TRANSLATE_NOOP("Tarmigo", "%1, marked");
inline constexpr const char* DrawPile = QT_TRANSLATE_NOOP("Tarmigo", "Draw pile: %1 cards left");
inline constexpr const char* DiscardArmed =
    QT_TRANSLATE_NOOP("Tarmigo", "the next card tapped is discarded");
inline constexpr const char* DiscardPile = QT_TRANSLATE_NOOP("Tarmigo", "Discard pile: %1");
// A player's piles, "%1" being the side ("You", "Computer", "Player 1" ...).
inline constexpr const char* BattlePile = QT_TRANSLATE_NOOP("Tarmigo", "%1, battle pile: %2");
inline constexpr const char* SpeedPile = QT_TRANSLATE_NOOP("Tarmigo", "%1, speed pile: %2");
inline constexpr const char* Distance =
    QT_TRANSLATE_NOOP("Tarmigo", "%1, distance: %2 of %3 miles");
inline constexpr const char* Safeties = QT_TRANSLATE_NOOP("Tarmigo", "%1, safeties: %2");
inline constexpr const char* CoupFourre = QT_TRANSLATE_NOOP("Tarmigo", "%1 (coup fourré)");
inline constexpr const char* Score =
    QT_TRANSLATE_NOOP("Tarmigo", "%1, score: hand %2, game %3, games won %4");
inline constexpr const char* NoMessage = QT_TRANSLATE_NOOP("Tarmigo", "Status line: no message");

} // namespace tarmigo::place_label
