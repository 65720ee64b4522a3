#include "game/strings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarmigo {
namespace {

constexpr std::pair<int, const char*> Table[] = {
    {1001, "New"},
    {1002, "View"},
    {1101, "Hand"},
    {1102, "Score"},
    {1103, "Won"},
    {1104, "Safety"},
    {1105, "Hazard"},
    {1106, "Speed"},
    {1107, "Distance"},
    {1108, "Winner!"},
    {1201, "Tap a card to play it"},
    {1202, "Tap the deck to discard this card"},
    {1203, "End of Turn - Player %d tap to here to continue"},
    {1204, "Game Over - Tap New to start a new game"},
    {1205, "Tap New to play another hand"},
    {1206, "Fix hazard before playing Go"},
    {1207, "You are already moving"},
    {1208, "Remedy does not fix hazard"},
    {1209, "Play remedy only when under hazard"},
    {1210, "Cannot play hazard when opponent is not moving"},
    {1211, "Opponent is protected against hazard"},
    {1212, "No speed limit to end"},
    {1213, "Opponent's speed already limited"},
    {1214, "Opponent is protected against speed limit"},
    {1215, "Cannot play mileage when not moving"},
    {1216, "Cannot play more than two 200 miles"},
    {1217, "Speed Limit: Can only play 25 and 50 miles"},
    {1218, "That would exceed the %d mile race"},
    {1219, "No card can be played, you must discard one"},
    {1220, "Undone"},
    {1221, "Tap a card to discard it"},
    {1401, "Player 1"},
    {1402, "Player 2"},
    {1403, "You Win!"},
    {1404, "Computer Wins!"},
    {1405, "Player 1 Wins!"},
    {1406, "Player 2 Wins!"},
    {1407, "New Game"},
    {1501, "tap card once"},
    {1502, "tap card twice"},
    {1503, "tap card then deck"},
    {1504, "Easy"},
    {1505, "Hard"},
    {1506, "Expert"},
    {1601, "You have completed the 700 mile race.  Would you like to extend it to 1000 miles?"},
    {1602, "Do you want to forfeit the current game and start a new one?"},
    {1603, "Do you want to reset all scores?"},
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

std::string formatNumber(std::string_view format, int number) {
    std::string out(format);
    if (auto at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(number));
    return out;
}

} // namespace tarmigo
