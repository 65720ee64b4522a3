#include "qt/platform/sound_player.h"

#include <QDir>
#include <QLibrary>

namespace tarmigo {

SoundPlayer::SoundPlayer(QStringList moduleFolders) : folders_(std::move(moduleFolders)) {}

SoundPlayer::~SoundPlayer() = default;

QStringList SoundPlayer::foldersBeside(const QString& programFolder) {
    const QDir dir(programFolder);
    return {dir.path(), dir.filePath(QStringLiteral("../lib/tarmigo"))};
}

void SoundPlayer::prepare() {
    if (prepared_) return;
    prepared_ = true;
    for (const QString& folder : folders_) {
        // Never unloaded: the player it makes lives as long as this one.
        QLibrary module(QDir(folder).filePath(QStringLiteral("tarmigo_sound")));
        const auto create = reinterpret_cast<CreateSounds>(module.resolve(CreateSoundsSymbol));
        if (!create) continue;
        output_.reset(create());
        if (output_) output_->prepare();
        return;
    }
}

void SoundPlayer::play(std::string_view name) {
    prepare();
    if (output_) output_->play(name);
}

} // namespace tarmigo
