#include "qt/platform/settings_store.h"

#include "game/strings.h"

#include <QByteArray>
#include <QVariant>

namespace tarmigo {
namespace {
QString valueName(SettingsStore::Value value) {
    switch (value) {
    case SettingsStore::Value::Game: break;
    case SettingsStore::Value::NetworkGame: return QStringLiteral("NetworkGame");
    case SettingsStore::Value::NetworkCode: return QStringLiteral("NetworkCode");
    }
    return QString::fromLatin1(label::ProgramName);
}
} // namespace

SettingsStore::SettingsStore(Value value)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(label::ProgramName),
                                            QString::fromLatin1(label::ProgramName))),
      valueName_(valueName(value)) {}

SettingsStore::SettingsStore(const QString& iniPath, Value value)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)),
      valueName_(valueName(value)) {}

std::optional<std::vector<std::uint8_t>> SettingsStore::read() {
    settings_->sync();
    const QVariant value = settings_->value(valueName_);
    // Only a binary value counts; anything else is a copy that was not written by us.
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool SettingsStore::write(std::span<const std::uint8_t> bytes) {
    settings_->setValue(valueName_, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                               qsizetype(bytes.size())));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool SettingsStore::remove() {
    const bool had = settings_->contains(valueName_);
    settings_->remove(valueName_);
    settings_->sync();
    return had;
}

} // namespace tarmigo
