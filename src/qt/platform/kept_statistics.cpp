#include "qt/platform/kept_statistics.h"

#include <QSettings>
#include <QString>

namespace tarmigo {
namespace {

// Where the Options dialog keeps the choice of Expert over Hard.
const QString ExpertKey = QStringLiteral("Desktop/expert");

QString keyOf(const std::string& key) {
    return QStringLiteral("Statistics/") + QString::fromStdString(key);
}

} // namespace

bool KeptStatistics::expertChosen() const {
    // Read as the Options dialog reads it, so that the figures go to the level played.
    return settings_ && settings_->value(ExpertKey, false).toBool();
}

std::optional<std::string> KeptStatistics::read(const std::string& key) const {
    const QVariant value = settings_->value(keyOf(key));
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void KeptStatistics::write(const Lines& lines) {
    // QSettings writes its file whole, by a rename, at sync(): the lines go together.
    for (const auto& [key, text] : lines) {
        if (text)
            settings_->setValue(keyOf(key), QString::fromStdString(*text));
        else
            settings_->remove(keyOf(key));
    }
    settings_->sync();
}

} // namespace tarmigo
