#include "qt/kept_statistics.h"

#include <QSettings>
#include <QString>

namespace tarmigo {
namespace {

// Where the Options dialog keeps the choice of Expert over Hard.
const QString ExpertKey = QStringLiteral("Desktop/expert");

QString keyOf(Opponent o) {
    static const char* const Names[OpponentCount] = {"easy", "hard", "expert", "twoPlayers"};
    return QStringLiteral("Statistics/") + QLatin1String(Names[int(o)]);
}

} // namespace

Figures KeptStatistics::figures(Opponent o) const {
    if (!settings_) return {};
    const QVariant value = settings_->value(keyOf(o));
    if (value.typeId() != QMetaType::QString) return {};
    return figuresFromText(value.toString().toStdString()).value_or(Figures{});
}

bool KeptStatistics::expertChosen() const {
    // Read as the Options dialog reads it, so that the figures go to the level played.
    return settings_ && settings_->value(ExpertKey, false).toBool();
}

void KeptStatistics::keep(Opponent o, const Figures& f) {
    if (!settings_) return;
    settings_->setValue(keyOf(o), QString::fromStdString(figuresText(f)));
    settings_->sync();
}

void KeptStatistics::countHand(const Game& g) {
    const Opponent o = opponentOf(g, expertChosen());
    Figures f = figures(o);
    beforeLastHand_.emplace(o, f);
    tarmigo::countHand(f, g);
    keep(o, f);
}

void KeptStatistics::countForfeit(const Game& g, int creditedSeat) {
    const Opponent o = opponentOf(g, expertChosen());
    Figures f = figures(o);
    tarmigo::countForfeit(f, creditedSeat);
    keep(o, f);
    beforeLastHand_.reset();
}

void KeptStatistics::takeBackHand() {
    if (!beforeLastHand_) return;
    keep(beforeLastHand_->first, beforeLastHand_->second);
    beforeLastHand_.reset();
}

void KeptStatistics::reset() {
    beforeLastHand_.reset();
    if (!settings_) return;
    for (int o = 0; o < OpponentCount; ++o) settings_->remove(keyOf(Opponent(o)));
    settings_->sync();
}

} // namespace tarmigo
