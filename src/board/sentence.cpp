#include "board/sentence.h"

#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

// Against the computer the person is addressed; between two people both are named.
bool isYou(int playerCount, int player) {
    return playerCount != 2 && player == 0;
}

Sentence said(int pattern, std::initializer_list<int> words) {
    Sentence s;
    s.pattern = pattern;
    int i = 0;
    for (int w : words) s.words[std::size_t(i++)] = w;
    return s;
}

int sideOf(int playerCount, int player) {
    if (playerCount == 2) return player == 0 ? text::Player1 : text::Player2;
    return player == 0 ? text::SideYou : text::SideComputer;
}

} // namespace

std::string sentenceText(const Sentence& s, const std::function<std::string(int)>& textOf) {
    const auto text = [&textOf](int id) -> std::string {
        if (textOf) return textOf(id);
        const char* english = stringText(id);
        return english ? english : "";
    };
    if (s.empty()) return {};
    std::string out = text(s.pattern);
    // Each "%n" once, from the last so that "%1" never eats the start of "%10".
    for (int i = int(s.words.size()); i >= 1; --i) {
        const std::string mark = "%" + std::to_string(i);
        const auto at = out.find(mark);
        if (at == std::string::npos) continue;
        const int w = s.words[std::size_t(i - 1)];
        out.replace(at, mark.size(), (s.numbers >> (i - 1)) & 1 ? std::to_string(w) : text(w));
    }
    return out;
}

int cardName(Card c) {
    return text::FirstCardName + (c - Distance25);
}

Sentence moveSentence(int playerCount, const Laid& move) {
    const int p = move.player;
    const bool you = isYou(playerCount, p);
    const int card = cardName(move.card);
    const int side = sideOf(playerCount, p);
    const int t = move.target;
    if (t == target::DiscardPile || t == target::DrawPile)
        return you ? said(text::YouDiscard, {card}) : said(text::SideDiscards, {side, card});
    const bool onOpponent = t == target::BattlePile + 1 - p || t == target::SpeedPile + 1 - p;
    if (!onOpponent) return you ? said(text::YouPlay, {card}) : said(text::SidePlays, {side, card});
    if (you) return said(text::YouPlayOn, {card, sideOf(playerCount, 1 - p)});
    const int victim = isYou(playerCount, 1 - p) ? text::ObjectYou : sideOf(playerCount, 1 - p);
    return said(text::SidePlaysOn, {side, card, victim});
}

Sentence coupFourreSentence(int playerCount, const Laid& move) {
    const int card = cardName(move.card);
    return isYou(playerCount, move.player)
               ? said(text::YouCoupFourre, {card})
               : said(text::SideCoupFourre, {sideOf(playerCount, move.player), card});
}

Sentence drawSentence(int playerCount, const Drawn& share) {
    const int dealt = 2 * HandSize;
    if (!isYou(playerCount, share.player) || DeckSize - share.cardsLeft <= dealt ||
        share.slot < 1 || share.slot > HandSize || !isCard(share.card))
        return {};
    Sentence s = said(text::YouDraw, {cardName(share.card), share.slot});
    s.numbers = 0b10;
    return s;
}

Sentence standingSentence(const SeatView& view, int player) {
    const PlayerView& p = view.players[std::size_t(player)];
    Sentence s = said(text::SideStanding,
                      {sideOf(view.playerCount, player), p.miles, p.handScore, p.gameScore});
    s.numbers = 0b1110;
    return s;
}

} // namespace tarmigo
