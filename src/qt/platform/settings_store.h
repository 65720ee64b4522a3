#pragma once
// The second copy of the saved state, in the platform's native settings store
// (the registry on Windows), or in an INI file where a folder is given.
#include "app/store.h"

#include <QSettings>
#include <QString>
#include <memory>

namespace tarmigo {

class SettingsStore : public Store {
  public:
    // What the store keeps: the game against the computer or at one screen (the value
    // "Tarmigo"), the network game this program hosts ("NetworkGame"), or that game's
    // join code ("NetworkCode"). They are kept side by side and never overwrite each other.
    enum class Value { Game, NetworkGame, NetworkCode };

    // The desktop program's store: the user's native settings of "Tarmigo".
    explicit SettingsStore(Value value = Value::Game);
    // A store kept in an INI file (the replay driver keeps it in its data folder).
    explicit SettingsStore(const QString& iniPath, Value value = Value::Game);

    std::optional<std::vector<std::uint8_t>> read() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    bool remove() override;

  private:
    std::unique_ptr<QSettings> settings_;
    QString valueName_;
};

} // namespace tarmigo
