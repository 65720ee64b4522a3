#pragma once
// The program's texts, addressed by string id, kept in one table.
#include <span>
#include <string>
#include <string_view>
#include <utility>

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
} // namespace text

// The text of a string id, or null when the table has none.
const char* stringText(int id);

// The whole table: each string id with its text.
std::span<const std::pair<int, const char*>> stringTable();

// The text of a string id with its "%d" replaced by a number.
std::string formatNumber(std::string_view format, int number);

// Texts of the windows and dialogs that have no string id.
namespace label {
inline constexpr const char* ProgramName = "Tarmigo";
inline constexpr const char* AboutTitle = "About Tarmigo";
inline constexpr const char* Version = "Version %1"; // %1: ProgramVersion
inline constexpr const char* WebAddress = "tarmigo.example.org";
inline constexpr const char* MenuOnePlayer = "1 Player Game";
inline constexpr const char* MenuTwoPlayer = "2 Player Game";
inline constexpr const char* MenuAbout = "About Tarmigo";
inline constexpr const char* MenuOptions = "Options";
inline constexpr const char* MenuScores = "Scores";
// Options dialog
inline constexpr const char* Difficulty = "Difficulty";
inline constexpr const char* ToPlay = "To play";
inline constexpr const char* ToDiscard = "To discard";
inline constexpr const char* SortCards = "Sort Cards in Hand";
inline constexpr const char* PlaySounds = "Play Sounds";
inline constexpr const char* Animation = "Animation";
inline constexpr const char* ShowPlayable = "Show Playable Cards";
inline constexpr const char* ShowTips = "Show Tips";
inline constexpr const char* ResetScores = "Reset Scores";
// Scores dialog
inline constexpr const char* You = "You";
inline constexpr const char* Computer = "Computer";
inline constexpr const char* NewHand = "New Hand";
inline constexpr const char* ScoreRows[12] = {
    "Miles",     "Safeties",  "All Safeties", "Coup Fourr\u00e9", "Trip Complete", "Delayed Action",
    "Safe Trip", "Extension", "Shut Out",     "Hand Score",       "Game Score",    "Games Won"};
} // namespace label

} // namespace tarmigo
