#pragma once
// The four move sounds, played from the program's resources without waiting.
//
// The audio machinery (Qt Multimedia and the sound server's libraries) is large and
// most games never need it before the first move, so it lives in a module of its own,
// libtarmigo_sound, loaded when a sound may soon be asked for.
#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>

namespace tarmigo {

// What the window asks of the sound output; the tests record it instead.
class Sounds {
  public:
    virtual ~Sounds() = default;
    // Gets ready to play at once; called when a sound may soon be asked for.
    virtual void prepare() {}
    // "WVS", "WVR", "WVH" or "WVM"; anything else plays nothing.
    virtual void play(std::string_view name) = 0;
};

class SoundPlayer : public Sounds {
  public:
    // Looks for the module in these folders, in order.
    explicit SoundPlayer(QStringList moduleFolders);
    ~SoundPlayer() override;

    // Loads the module and opens the audio output; a missing module or audio
    // device only means silence.
    void prepare() override;
    void play(std::string_view name) override;

    // Where the module is looked for beside a program: its own folder (the build
    // tree) and ../lib/tarmigo (an installation).
    static QStringList foldersBeside(const QString& programFolder);

  private:
    QStringList folders_;
    bool prepared_ = false;
    std::unique_ptr<Sounds> output_;
};

// The module's one entry: makes the player of the embedded sounds.
using CreateSounds = Sounds* (*)();
inline constexpr const char* CreateSoundsSymbol = "tarmigo_create_sounds";

} // namespace tarmigo
