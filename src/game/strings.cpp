#include "game/strings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarmigo {
namespace {

// The one list of the program's texts. Each is marked with its translation context
// so that lupdate reads this table directly (see strings.h for the marker).
constexpr std::pair<int, const char*> Table[] = {
    {1001, QT_TRANSLATE_NOOP("Tarmigo", "New")},
    {1002, QT_TRANSLATE_NOOP("Tarmigo", "View")},
    {1101, QT_TRANSLATE_NOOP("Tarmigo", "Hand")},
    {1102, QT_TRANSLATE_NOOP("Tarmigo", "Score")},
    {1103, QT_TRANSLATE_NOOP("Tarmigo", "Won")},
    {1104, QT_TRANSLATE_NOOP("Tarmigo", "Safety")},
    {1105, QT_TRANSLATE_NOOP("Tarmigo", "Hazard")},
    {1106, QT_TRANSLATE_NOOP("Tarmigo", "Speed")},
    {1107, QT_TRANSLATE_NOOP("Tarmigo", "Distance")},
    {1108, QT_TRANSLATE_NOOP("Tarmigo", "Winner!")},
    {1201, QT_TRANSLATE_NOOP("Tarmigo", "Tap a card to play it")},
    {1202, QT_TRANSLATE_NOOP("Tarmigo", "Tap the deck to discard this card")},
    {1203, QT_TRANSLATE_NOOP("Tarmigo", "End of Turn - Player %d tap to here to continue")},
    {1204, QT_TRANSLATE_NOOP("Tarmigo", "Game Over - Tap New to start a new game")},
    {1205, QT_TRANSLATE_NOOP("Tarmigo", "Tap New to play another hand")},
    {1206, QT_TRANSLATE_NOOP("Tarmigo", "Fix hazard before playing Go")},
    {1207, QT_TRANSLATE_NOOP("Tarmigo", "You are already moving")},
    {1208, QT_TRANSLATE_NOOP("Tarmigo", "Remedy does not fix hazard")},
    {1209, QT_TRANSLATE_NOOP("Tarmigo", "Play remedy only when under hazard")},
    {1210, QT_TRANSLATE_NOOP("Tarmigo", "Cannot play hazard when opponent is not moving")},
    {1211, QT_TRANSLATE_NOOP("Tarmigo", "Opponent is protected against hazard")},
    {1212, QT_TRANSLATE_NOOP("Tarmigo", "No speed limit to end")},
    {1213, QT_TRANSLATE_NOOP("Tarmigo", "Opponent's speed already limited")},
    {1214, QT_TRANSLATE_NOOP("Tarmigo", "Opponent is protected against speed limit")},
    {1215, QT_TRANSLATE_NOOP("Tarmigo", "Cannot play mileage when not moving")},
    {1216, QT_TRANSLATE_NOOP("Tarmigo", "Cannot play more than two 200 miles")},
    {1217, QT_TRANSLATE_NOOP("Tarmigo", "Speed Limit: Can only play 25 and 50 miles")},
    {1218, QT_TRANSLATE_NOOP("Tarmigo", "That would exceed the %d mile race")},
    {1219, QT_TRANSLATE_NOOP("Tarmigo", "No card can be played, you must discard one")},
    {1220, QT_TRANSLATE_NOOP("Tarmigo", "Undone")},
    {1221, QT_TRANSLATE_NOOP("Tarmigo", "Tap a card to discard it")},
    {1222, QT_TRANSLATE_NOOP("Tarmigo", "Not your turn")},
    {1223, QT_TRANSLATE_NOOP("Tarmigo", "Waiting for Player 2 to reconnect")},
    {1224, QT_TRANSLATE_NOOP("Tarmigo", "Player 2 has left the game")},
    {1225, QT_TRANSLATE_NOOP("Tarmigo", "Redone")},
    {1230, QT_TRANSLATE_NOOP("Tarmigo", "Player 1's turn")},
    {1231, QT_TRANSLATE_NOOP("Tarmigo", "Player 2's turn")},
    {1401, QT_TRANSLATE_NOOP("Tarmigo", "Player 1")},
    {1402, QT_TRANSLATE_NOOP("Tarmigo", "Player 2")},
    {1403, QT_TRANSLATE_NOOP("Tarmigo", "You Win!")},
    {1404, QT_TRANSLATE_NOOP("Tarmigo", "Computer Wins!")},
    {1405, QT_TRANSLATE_NOOP("Tarmigo", "Player 1 Wins!")},
    {1406, QT_TRANSLATE_NOOP("Tarmigo", "Player 2 Wins!")},
    {1407, QT_TRANSLATE_NOOP("Tarmigo", "New Game")},
    {1501, QT_TRANSLATE_NOOP("Tarmigo", "tap card once")},
    {1502, QT_TRANSLATE_NOOP("Tarmigo", "tap card twice")},
    {1503, QT_TRANSLATE_NOOP("Tarmigo", "tap card then deck")},
    {1504, QT_TRANSLATE_NOOP("Tarmigo", "Easy")},
    {1505, QT_TRANSLATE_NOOP("Tarmigo", "Hard")},
    {1506, QT_TRANSLATE_NOOP("Tarmigo", "Expert")},
    {1601,
     QT_TRANSLATE_NOOP(
         "Tarmigo",
         "You have completed the 700 mile race.  Would you like to extend it to 1000 miles?")},
    {1602,
     QT_TRANSLATE_NOOP("Tarmigo", "Do you want to forfeit the current game and start a new one?")},
    {1603, QT_TRANSLATE_NOOP("Tarmigo", "Do you want to reset all scores?")},
    // The cards' names, 1701 + (card - Distance25), and the sentences that tell a move.
    {1701, QT_TRANSLATE_NOOP("Tarmigo", "25 miles")},
    {1702, QT_TRANSLATE_NOOP("Tarmigo", "50 miles")},
    {1703, QT_TRANSLATE_NOOP("Tarmigo", "75 miles")},
    {1704, QT_TRANSLATE_NOOP("Tarmigo", "100 miles")},
    {1705, QT_TRANSLATE_NOOP("Tarmigo", "200 miles")},
    {1706, QT_TRANSLATE_NOOP("Tarmigo", "Go")},
    {1707, QT_TRANSLATE_NOOP("Tarmigo", "Repairs")},
    {1708, QT_TRANSLATE_NOOP("Tarmigo", "Gasoline")},
    {1709, QT_TRANSLATE_NOOP("Tarmigo", "Spare Tire")},
    {1710, QT_TRANSLATE_NOOP("Tarmigo", "End of Limit")},
    {1711, QT_TRANSLATE_NOOP("Tarmigo", "Stop")},
    {1712, QT_TRANSLATE_NOOP("Tarmigo", "Accident")},
    {1713, QT_TRANSLATE_NOOP("Tarmigo", "Out of Gas")},
    {1714, QT_TRANSLATE_NOOP("Tarmigo", "Flat Tire")},
    {1715, QT_TRANSLATE_NOOP("Tarmigo", "Speed Limit")},
    {1716, QT_TRANSLATE_NOOP("Tarmigo", "Right of Way")},
    {1717, QT_TRANSLATE_NOOP("Tarmigo", "Driving Ace")},
    {1718, QT_TRANSLATE_NOOP("Tarmigo", "Extra Tank")},
    {1719, QT_TRANSLATE_NOOP("Tarmigo", "Puncture Proof")},
    {1801, QT_TRANSLATE_NOOP("Tarmigo", "You")},
    {1802, QT_TRANSLATE_NOOP("Tarmigo", "Computer")},
    {1803, QT_TRANSLATE_NOOP("Tarmigo", "you")},
    {1811, QT_TRANSLATE_NOOP("Tarmigo", "You play %1")},
    {1812, QT_TRANSLATE_NOOP("Tarmigo", "%1 plays %2")},
    {1813, QT_TRANSLATE_NOOP("Tarmigo", "You play %1 on %2")},
    {1814, QT_TRANSLATE_NOOP("Tarmigo", "%1 plays %2 on %3")},
    {1815, QT_TRANSLATE_NOOP("Tarmigo", "You discard %1")},
    {1816, QT_TRANSLATE_NOOP("Tarmigo", "%1 discards %2")},
    {1817, QT_TRANSLATE_NOOP("Tarmigo", "You play a coup fourre: %1")},
    {1818, QT_TRANSLATE_NOOP("Tarmigo", "%1 plays a coup fourre: %2")},
    {1819, QT_TRANSLATE_NOOP("Tarmigo", "The draw pile is empty")},
    {1821, QT_TRANSLATE_NOOP("Tarmigo", "Hint: play %1")},
    {1822, QT_TRANSLATE_NOOP("Tarmigo", "Hint: discard %1")},
    {1823, QT_TRANSLATE_NOOP("Tarmigo", "A hint is given on your turn only")},
    {1824, QT_TRANSLATE_NOOP("Tarmigo", "%1: %2 miles, hand %3, game %4")},
    {1825, QT_TRANSLATE_NOOP("Tarmigo", "No move yet in this hand")},
    {1826, QT_TRANSLATE_NOOP("Tarmigo", "A new hand is dealt")},
    {1827, QT_TRANSLATE_NOOP("Tarmigo", "You draw %1 into slot %2")},
    {1828, QT_TRANSLATE_NOOP("Tarmigo", "Watching hand %1 again (moves: %2)")},
    {1829, QT_TRANSLATE_NOOP("Tarmigo", "Back to move %1 of %2")},
    {1830, QT_TRANSLATE_NOOP("Tarmigo", "Back to the game")},
};

} // namespace

const char* stringText(int id) {
    auto it = std::find_if(std::begin(Table), std::end(Table),
                           [id](const auto& entry) { return entry.first == id; });
    return it == std::end(Table) ? nullptr : it->second;
}

std::span<const std::pair<int, const char*>> stringTable() {
    return Table;
}

std::string messageText(std::string_view text, const StatusMessage& message) {
    std::string out(text);
    if (out.size() > MaxMessageLength) out.resize(MaxMessageLength);
    return message.hasNumber ? formatNumber(out, message.number) : out;
}

std::string englishText(const StatusMessage& message) {
    const char* text = message.id != 0 ? stringText(message.id) : nullptr;
    return text ? messageText(text, message) : std::string();
}

std::string formatNumber(std::string_view format, int number) {
    std::string out(format);
    if (auto at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(number));
    return out;
}

} // namespace tarmigo
