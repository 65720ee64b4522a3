#include "board/sentence.h"

#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

// Against the computer the person is addressed; between two people both are named.
bool isYou(const Game& g, int player) {
    return g.playerCount != 2 && player == 0;
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

int sideName(const Game& g, int player) {
    return sideOf(g.playerCount, player);
}

int cardName(Card c) {
    return text::FirstCardName + (c - Distance25);
}

Sentence moveSentence(const Game& g, Card c, int target) {
    const int p = g.currentPlayer;
    const bool you = isYou(g, p);
    const int card = cardName(c);
    if (target == target::DiscardPile || target == target::DrawPile)
        return you ? said(text::YouDiscard, {card})
                   : said(text::SideDiscards, {sideName(g, p), card});
    const bool onOpponent =
        target == target::BattlePile + 1 - p || target == target::SpeedPile + 1 - p;
    if (!onOpponent)
        return you ? said(text::YouPlay, {card}) : said(text::SidePlays, {sideName(g, p), card});
    if (you) return said(text::YouPlayOn, {card, sideName(g, 1 - p)});
    const int victim = isYou(g, 1 - p) ? text::ObjectYou : sideName(g, 1 - p);
    return said(text::SidePlaysOn, {sideName(g, p), card, victim});
}

Sentence coupFourreSentence(const Game& g, Card c) {
    const int p = g.currentPlayer;
    return isYou(g, p) ? said(text::YouCoupFourre, {cardName(c)})
                       : said(text::SideCoupFourre, {sideName(g, p), cardName(c)});
}

Sentence drawSentence(const Game& g) {
    const int pos = g.round.deckPos;
    const int slot = g.own().drawSlot();
    // Against the computer only: between two players the other may be watching the shared
    // screen, or host a network game whose board follows both seats. The deal's cards are
    // not said one by one: the hand is sorted after them.
    if (!isYou(g, g.currentPlayer) || g.playerCount != 1 || pos < 2 * HandSize || pos >= DeckSize ||
        slot < 1 || slot > HandSize || !isCard(g.deck[std::size_t(pos)]))
        return {};
    Sentence s = said(text::YouDraw, {cardName(g.deck[std::size_t(pos)]), slot});
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
