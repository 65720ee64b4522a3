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
    // The desktop program's store: the user's native settings of "Tarmigo".
    SettingsStore();
    // A store kept in an INI file (the replay driver keeps it in its data folder).
    explicit SettingsStore(const QString& iniPath);

    std::optional<std::vector<std::uint8_t>> read() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    bool remove() override;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace tarmigo
