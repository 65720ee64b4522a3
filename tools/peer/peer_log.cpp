#include "peer_log.h"

#include <sstream>

namespace tarmigo::peer {
namespace {

// Texts on the wire are printable ASCII: only the quote and the backslash need escaping.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

template <class Range> std::string list(const Range& r) {
    std::string out = "[";
    for (const auto& x : r) out += (out.size() > 1 ? "," : "") + std::to_string(int(x));
    return out + "]";
}

// A step's fields after its kind, as the wire carries them.
struct StepJson {
    std::ostringstream& o;
    void operator()(const Laid& m) {
        o << ",\"player\":" << m.player << ",\"slot\":" << m.slot << ",\"card\":" << int(m.card)
          << ",\"target\":" << m.target << ",\"depth\":" << m.depth
          << ",\"coupFourre\":" << m.coupFourre;
    }
    void operator()(const Drawn& m) {
        o << ",\"player\":" << m.player << ",\"slot\":" << m.slot
          << ",\"card\":" << (m.slot == 0 ? 0 : int(m.card)) << ",\"cardsLeft\":" << m.cardsLeft;
    }
    void operator()(const net::SoundStep& m) { o << ",\"sound\":" << int(m.sound); }
    void operator()(const net::UndoStep& m) { o << ",\"enabled\":" << m.enabled; }
    void operator()(const net::ScoresStep& m) {
        o << ",\"values\":[";
        for (int i = 0; i < 2 * ScoresContent::Rows; ++i) o << (i ? "," : "") << m.figures.field(i);
        o << "],\"result\":" << m.figures.resultId << ",\"button\":" << int(m.figures.button);
    }
    void operator()(const net::AskStep& m) { o << ",\"question\":" << m.stringId; }
    void operator()(const net::HintStep& m) {
        o << ",\"slot\":" << m.slot << ",\"target\":" << m.target;
    }
};

struct Json {
    std::ostringstream& o;
    void operator()(const net::Hello& h) {
        o << R"("hello","protocol":)" << h.protocol << ",\"program\":" << quoted(h.program);
    }
    // The seat key is the guest's secret: the log says whether one came, never which.
    void operator()(const net::Join& j) {
        o << R"("join","code":)" << quoted(j.code) << ",\"key\":" << j.key.has_value();
    }
    void operator()(const net::Refusal& r) { o << R"("refusal","reason":)" << int(r.reason); }
    void operator()(const net::Input& i) {
        o << R"("input","kind":)" << int(i.kind) << ",\"value\":" << i.value;
    }
    void operator()(const net::ViewMessage& m) {
        const SeatView& v = m.view();
        o << R"("view","current":)" << v.currentPlayer << ",\"cardsLeft\":" << v.cardsLeft
          << ",\"discardTop\":" << int(v.discardTop) << ",\"race\":" << v.raceLength
          << ",\"hand\":" << (v.handShown ? list(v.hand) : "[]")
          << ",\"selected\":" << v.selectedSlot << ",\"playable\":" << list(v.playable)
          << ",\"status\":" << v.status.id << ",\"handOver\":" << v.handOver
          << ",\"gameOver\":" << v.gameOver << ",\"asked\":" << v.decisionPending
          << ",\"players\":[";
        for (int p = 0; p < 2; ++p) {
            const PlayerView& pv = v.players[std::size_t(p)];
            o << (p ? "," : "") << "{\"miles\":" << pv.miles << ",\"hand\":" << pv.handScore
              << ",\"game\":" << pv.gameScore << ",\"won\":" << pv.gamesWon
              << ",\"safeties\":" << pv.safeties << ",\"battle\":" << pv.battle
              << ",\"speed\":" << pv.speed << ",\"distance\":" << list(pv.distancePlayed) << "}";
        }
        o << "]";
    }
    void operator()(const net::Steps& s) {
        o << R"("steps","steps":[)";
        bool first = true;
        for (const net::ShownStep& st : s.steps) {
            o << (first ? "" : ",") << "{\"kind\":" << st.index() + 1;
            std::visit(StepJson{o}, st);
            o << "}";
            first = false;
        }
        o << "]";
    }
    void operator()(const net::KeepAlive&) { o << "\"keep-alive\""; }
    void operator()(const net::Rematch& r) { o << R"("rematch","kind":)" << int(r.kind); }
    void operator()(const net::Left&) { o << "\"left\""; }
    void operator()(const net::Error& e) { o << R"("error","reason":)" << quoted(e.reason); }
    void operator()(const net::Seat&) { o << "\"seat\""; }
    // The exchange's bytes are random to a reader: the log says that they came.
    void operator()(const net::Share& sh) { o << R"("share","key":)" << sh.withKey; }
    void operator()(const net::Confirm&) { o << "\"confirm\""; }
    // The line hands on the view a change gives; a change alone says only its size.
    void operator()(const net::ViewChange& c) {
        o << R"("view change","bytes":)" << c.bytes.size();
    }
};

} // namespace

std::string jsonOf(const net::Message& m) {
    std::ostringstream o;
    o << "{\"type\":";
    std::visit(Json{o}, m);
    o << "}";
    return o.str();
}

} // namespace tarmigo::peer
