#pragma once
// The texts of a network game on the desktop: the menu entries, the Host and Join
// dialogs, their refusals of a mistyped address or code, and the network's state
// shown over the status line. Marked for lupdate like the other labels.
#include <QtGlobal>

namespace tarmigo::network_label {

inline constexpr const char* NetworkGame = QT_TRANSLATE_NOOP("Tarmigo", "Network Game");
inline constexpr const char* HostEntry = QT_TRANSLATE_NOOP("Tarmigo", "Host...");
inline constexpr const char* JoinEntry = QT_TRANSLATE_NOOP("Tarmigo", "Join...");
inline constexpr const char* LeaveEntry = QT_TRANSLATE_NOOP("Tarmigo", "Leave Network Game");
inline constexpr const char* RematchEntry = QT_TRANSLATE_NOOP("Tarmigo", "Ask for a Rematch");
inline constexpr const char* FreeSeatEntry = QT_TRANSLATE_NOOP("Tarmigo", "Free Player 2's Seat");

inline constexpr const char* HostTitle =
    QT_TRANSLATE_NOOP("Tarmigo", "Host a Network Game - Tarmigo");
inline constexpr const char* JoinTitle =
    QT_TRANSLATE_NOOP("Tarmigo", "Join a Network Game - Tarmigo");
inline constexpr const char* Port = QT_TRANSLATE_NOOP("Tarmigo", "&Port:");
inline constexpr const char* ReachedAt =
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2 can reach this computer at:");
inline constexpr const char* NoAddress =
    QT_TRANSLATE_NOOP("Tarmigo", "No network connection was found.");
inline constexpr const char* Code = QT_TRANSLATE_NOOP("Tarmigo", "Join code:");
inline constexpr const char* HostHint = QT_TRANSLATE_NOOP(
    "Tarmigo",
    "Tell Player 2 one of the addresses, the port if it is not 47470, and the join code.");
inline constexpr const char* StartHosting = QT_TRANSLATE_NOOP("Tarmigo", "&Host");
inline constexpr const char* Waiting = QT_TRANSLATE_NOOP("Tarmigo", "Waiting for Player 2");
inline constexpr const char* Cancel = QT_TRANSLATE_NOOP("Tarmigo", "Cancel");
inline constexpr const char* Address = QT_TRANSLATE_NOOP("Tarmigo", "&Address:");
inline constexpr const char* JoinCode = QT_TRANSLATE_NOOP("Tarmigo", "Join &code:");
inline constexpr const char* JoinHint = QT_TRANSLATE_NOOP(
    "Tarmigo",
    "For example 192.168.1.20, myhost:5000 or [::1]:47470. The port is 47470 unless given.");
inline constexpr const char* StartJoining = QT_TRANSLATE_NOOP("Tarmigo", "&Join");
inline constexpr const char* Connecting = QT_TRANSLATE_NOOP("Tarmigo", "Connecting to %1");

// Refusals of what was typed.
inline constexpr const char* NoAddressTyped =
    QT_TRANSLATE_NOOP("Tarmigo", "Type the address of the host's computer.");
inline constexpr const char* BadPort =
    QT_TRANSLATE_NOOP("Tarmigo", "The port must be a whole number from 1 to 65535.");
inline constexpr const char* BadIPv4 = QT_TRANSLATE_NOOP(
    "Tarmigo", "An IPv4 address is four numbers from 0 to 255 with dots between them.");
inline constexpr const char* BadIPv6 = QT_TRANSLATE_NOOP(
    "Tarmigo",
    "This is not an IPv6 address. With a port, put the address in brackets: [::1]:47470.");
inline constexpr const char* BadName =
    QT_TRANSLATE_NOOP("Tarmigo", "A host name has only letters, digits, hyphens and dots.");
inline constexpr const char* BadCode =
    QT_TRANSLATE_NOOP("Tarmigo", "The join code is six characters from %1, as the host's window "
                                 "shows it (lower case and spaces are fine).");

inline constexpr const char* ResumeQuestion = QT_TRANSLATE_NOOP(
    "Tarmigo", "A network game is saved. Do you want to resume it with the same join code?");
// Player 2's seat, in the Host dialog.
inline constexpr const char* SeatHeld = QT_TRANSLATE_NOOP(
    "Tarmigo", "Player 2's seat is kept for the guest who joined this game: only that program "
               "can take it again.");
inline constexpr const char* SeatFree = QT_TRANSLATE_NOOP(
    "Tarmigo", "Player 2's seat is free: the first guest with the join code takes it.");
inline constexpr const char* FreeSeat = QT_TRANSLATE_NOOP("Tarmigo", "&Free the Seat");

// Why a listen or a connection failed, and why the host refused.
inline constexpr const char* PortTaken = QT_TRANSLATE_NOOP(
    "Tarmigo", "Port %1 is in use by another program. Choose another port, or close the other "
               "program.");
inline constexpr const char* NothingListens = QT_TRANSLATE_NOOP(
    "Tarmigo", "Nothing answers at %1: is the other program hosting, on this port? Trying again.");
inline constexpr const char* Unreachable =
    QT_TRANSLATE_NOOP("Tarmigo", "%1 cannot be reached. Trying again.");
inline constexpr const char* WrongCode = QT_TRANSLATE_NOOP(
    "Tarmigo", "The host did not accept the join code, or the line to it was altered.");
inline constexpr const char* LockedOut =
    QT_TRANSLATE_NOOP("Tarmigo", "The host refuses joins for a minute after too many wrong codes.");
inline constexpr const char* SeatTaken = QT_TRANSLATE_NOOP("Tarmigo", "Player 2's seat is taken.");
inline constexpr const char* Replaced =
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2's seat was taken up again from another connection.");
inline constexpr const char* SeatFreed =
    QT_TRANSLATE_NOOP("Tarmigo", "The host freed Player 2's seat.");
// The same refusals as the host's player is told them.
inline constexpr const char* GuestWrongCode =
    QT_TRANSLATE_NOOP("Tarmigo", "A join came with a wrong join code.");
inline constexpr const char* GuestsLockedOut = QT_TRANSLATE_NOOP(
    "Tarmigo",
    "Too many wrong join codes came from one address: its joins are refused for a minute.");
inline constexpr const char* GuestReplaced =
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2 came back on another connection.");
inline constexpr const char* GuestSeatFreed =
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2's seat was freed.");

inline constexpr const char* LeaveQuestion =
    QT_TRANSLATE_NOOP("Tarmigo", "Do you want to leave the network game?");

// The network's state, over the status line (the host's own are in the string table).
inline constexpr const char* Player1Left =
    QT_TRANSLATE_NOOP("Tarmigo", "Player 1 has left the game");
// Said when a dropped connection is back: to the guest, and to the host.
inline constexpr const char* Reconnected = QT_TRANSLATE_NOOP("Tarmigo", "Reconnected to Player 1");
inline constexpr const char* GuestBack = QT_TRANSLATE_NOOP("Tarmigo", "Player 2 has reconnected");
inline constexpr const char* Reconnecting =
    QT_TRANSLATE_NOOP("Tarmigo", "The line to the host was interrupted or altered, reconnecting");
inline constexpr const char* GaveUp = QT_TRANSLATE_NOOP(
    "Tarmigo", "The host could not be joined: the line to it was cut, altered or refused at every "
               "try. Join again to try once more.");
inline constexpr const char* RematchAsked =
    QT_TRANSLATE_NOOP("Tarmigo", "The other player asks for a rematch. Do you want to play again?");
inline constexpr const char* RematchWaiting =
    QT_TRANSLATE_NOOP("Tarmigo", "Waiting for the other player's answer");
inline constexpr const char* RematchDeclined =
    QT_TRANSLATE_NOOP("Tarmigo", "The other player declined the rematch");

// The Statistics window's column of network games, and its note.
inline constexpr const char* Column = QT_TRANSLATE_NOOP("Tarmigo", "Network");
inline constexpr const char* StatisticsNote =
    QT_TRANSLATE_NOOP("Tarmigo", "In network games, they are your own.");

} // namespace tarmigo::network_label
