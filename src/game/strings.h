#pragma once
// The program's texts, addressed by string id, kept in one table.
//
// Every text is written once, here and in strings.cpp, inside QT_TRANSLATE_NOOP
// ("Tarmigo", text): lupdate reads these files for the translators, and the Qt front
// end looks each text up in its language when it shows it. Without Qt the marker is
// the text itself.
#include <span>
#include <string>
#include <string_view>
#include <utility>

#ifndef QT_TRANSLATE_NOOP
// Spelt as Qt spells it, so that either may come first.
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tarmigo {

namespace text {
inline constexpr int New = 1001;
inline constexpr int View = 1002;
inline constexpr int LabelHand = 1101;
inline constexpr int LabelScore = 1102;
inline constexpr int LabelWon = 1103;
inline constexpr int LabelSafety = 1104;
inline constexpr int LabelHazard = 1105;
inline constexpr int LabelSpeed = 1106;
inline constexpr int LabelDistance = 1107;
inline constexpr int LabelWinner = 1108;
inline constexpr int TapToPlay = 1201;
inline constexpr int TapDeckToDiscard = 1202;
inline constexpr int EndOfTurn = 1203;
inline constexpr int GameOverTapNew = 1204;
inline constexpr int TapNewForHand = 1205;
inline constexpr int ExceedRace = 1218;
inline constexpr int MustDiscard = 1219;
inline constexpr int Undone = 1220;
inline constexpr int TapToDiscard = 1221;
inline constexpr int NotYourTurn = 1222;
inline constexpr int WaitingForGuest = 1223;
inline constexpr int GuestLeft = 1224;
inline constexpr int Redone = 1225;
// In a network game, the status line of the side that waits for the other.
inline constexpr int Player1sTurn = 1230;
inline constexpr int Player2sTurn = 1231;
inline constexpr int Player1 = 1401;
inline constexpr int Player2 = 1402;
inline constexpr int YouWin = 1403;
inline constexpr int NewGameButton = 1407;
inline constexpr int TapCardOnce = 1501;
inline constexpr int TapCardTwice = 1502;
inline constexpr int TapCardThenDeck = 1503;
inline constexpr int Easy = 1504;
inline constexpr int Hard = 1505;
inline constexpr int Expert = 1506;
inline constexpr int ExtendRace = 1601;
inline constexpr int ForfeitGame = 1602;
inline constexpr int ResetScores = 1603;
// A card's name is FirstCardName + (card - Distance25).
inline constexpr int FirstCardName = 1701;
// The sides a sentence names, and the sentences that tell a move ("%1".. are filled in).
inline constexpr int SideYou = 1801;
inline constexpr int SideComputer = 1802;
inline constexpr int ObjectYou = 1803;
inline constexpr int YouPlay = 1811;
inline constexpr int SidePlays = 1812;
inline constexpr int YouPlayOn = 1813;
inline constexpr int SidePlaysOn = 1814;
inline constexpr int YouDiscard = 1815;
inline constexpr int SideDiscards = 1816;
inline constexpr int YouCoupFourre = 1817;
inline constexpr int SideCoupFourre = 1818;
inline constexpr int DrawPileEmpty = 1819;
inline constexpr int HintPlay = 1821;
inline constexpr int HintDiscard = 1822;
inline constexpr int HintNotYourTurn = 1823;
inline constexpr int SideStanding = 1824;
inline constexpr int NoMoveYet = 1825;
inline constexpr int NewHandDealt = 1826;
inline constexpr int YouDraw = 1827;
// Watching a finished hand again: its start, a step back, and the game given back.
inline constexpr int WatchingHand = 1828;
inline constexpr int SteppedBack = 1829;
inline constexpr int WatchEnded = 1830;
} // namespace text

// The text of a string id, or null when the table has none.
const char* stringText(int id);
// The whole table, (id, English text) in the order of the ids.
std::span<const std::pair<int, const char*>> stringTable();

// A message of the status line, kept by id until it is drawn so that each screen
// shows it in its own language. Id 0 is no message.
struct StatusMessage {
    int id = 0;
    bool hasNumber = false;
    int number = 0; // fills the "%d" of the text when hasNumber

    bool operator==(const StatusMessage&) const = default;
};

// A loaded text is at most this long, before its number is filled in.
inline constexpr std::size_t MaxMessageLength = 127;

// A message's text from the text of its id (in whatever language): cut to the
// longest loaded text, then the number filled in.
std::string messageText(std::string_view text, const StatusMessage& message);
// The message in English, as the string table has it; empty for no message.
std::string englishText(const StatusMessage& message);

// The text of a string id with its "%d" replaced by a number.
std::string formatNumber(std::string_view format, int number);

// Texts of the windows and dialogs that have no string id.
namespace label {
inline constexpr const char* ProgramName = "Tarmigo";
inline constexpr const char* AboutTitle = QT_TRANSLATE_NOOP("Tarmigo", "About Tarmigo");
inline constexpr const char* Version = QT_TRANSLATE_NOOP("Tarmigo", "Version %1");
inline constexpr const char* MenuOnePlayer = QT_TRANSLATE_NOOP("Tarmigo", "1 Player Game");
inline constexpr const char* MenuTwoPlayer = QT_TRANSLATE_NOOP("Tarmigo", "2 Player Game");
inline constexpr const char* MenuAbout = QT_TRANSLATE_NOOP("Tarmigo", "About Tarmigo");
inline constexpr const char* MenuOptions = QT_TRANSLATE_NOOP("Tarmigo", "Options");
inline constexpr const char* MenuScores = QT_TRANSLATE_NOOP("Tarmigo", "Scores");
// Options dialog
inline constexpr const char* Difficulty = QT_TRANSLATE_NOOP("Tarmigo", "Difficulty");
inline constexpr const char* ToPlay = QT_TRANSLATE_NOOP("Tarmigo", "To play");
inline constexpr const char* ToDiscard = QT_TRANSLATE_NOOP("Tarmigo", "To discard");
inline constexpr const char* SortCards = QT_TRANSLATE_NOOP("Tarmigo", "Sort Cards in Hand");
inline constexpr const char* PlaySounds = QT_TRANSLATE_NOOP("Tarmigo", "Play Sounds");
inline constexpr const char* Animation = QT_TRANSLATE_NOOP("Tarmigo", "Animation");
inline constexpr const char* ShowPlayable = QT_TRANSLATE_NOOP("Tarmigo", "Show Playable Cards");
inline constexpr const char* ShowTips = QT_TRANSLATE_NOOP("Tarmigo", "Show Tips");
inline constexpr const char* ResetScores = QT_TRANSLATE_NOOP("Tarmigo", "Reset Scores");
// Scores dialog
inline constexpr const char* You = QT_TRANSLATE_NOOP("Tarmigo", "You");
inline constexpr const char* Computer = QT_TRANSLATE_NOOP("Tarmigo", "Computer");
inline constexpr const char* NewHand = QT_TRANSLATE_NOOP("Tarmigo", "New Hand");
inline constexpr const char* ScoreRows[12] = {
    QT_TRANSLATE_NOOP("Tarmigo", "Miles"),         QT_TRANSLATE_NOOP("Tarmigo", "Safeties"),
    QT_TRANSLATE_NOOP("Tarmigo", "All Safeties"),  QT_TRANSLATE_NOOP("Tarmigo", "Coup Fourré"),
    QT_TRANSLATE_NOOP("Tarmigo", "Trip Complete"), QT_TRANSLATE_NOOP("Tarmigo", "Delayed Action"),
    QT_TRANSLATE_NOOP("Tarmigo", "Safe Trip"),     QT_TRANSLATE_NOOP("Tarmigo", "Extension"),
    QT_TRANSLATE_NOOP("Tarmigo", "Shut Out"),      QT_TRANSLATE_NOOP("Tarmigo", "Hand Score"),
    QT_TRANSLATE_NOOP("Tarmigo", "Game Score"),    QT_TRANSLATE_NOOP("Tarmigo", "Games Won"),
};
} // namespace label

} // namespace tarmigo
