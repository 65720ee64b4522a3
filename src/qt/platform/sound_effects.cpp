// The module libtarmigo_sound: the move sounds embedded as resources and played with
// Qt Multimedia's sound effects, which start with little delay and do not wait.
#include "qt/platform/sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <string>

static void initSoundResource() {
    Q_INIT_RESOURCE(sounds);
}

namespace tarmigo {
namespace {

constexpr const char* SoundNames[] = {"WVS", "WVR", "WVH", "WVM"};

// The audio back ends complain on the console when there is no sound server; a
// missing device only means silence, so their words are not passed on.
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

class QuietMessages {
  public:
    QuietMessages() : previous_(qInstallMessageHandler(dropMessages)) {}
    ~QuietMessages() { qInstallMessageHandler(previous_); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

  private:
    QtMessageHandler previous_;
};

class SoundEffects : public Sounds {
  public:
    void prepare() override {
        if (prepared_) return;
        prepared_ = true;
        initSoundResource();
        const QuietMessages quiet;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return;
        for (const char* name : SoundNames) {
            auto effect = std::make_unique<QSoundEffect>(device);
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(name))));
            effects_.emplace(name, std::move(effect));
        }
    }

    void play(std::string_view name) override {
        prepare();
        const auto it = effects_.find(name);
        if (it == effects_.end()) return;
        const QuietMessages quiet;
        // A sound still playing starts again, as a new move's sound should.
        it->second->stop();
        it->second->play();
    }

  private:
    bool prepared_ = false;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> effects_;
};

} // namespace
} // namespace tarmigo

extern "C" Q_DECL_EXPORT tarmigo::Sounds* tarmigo_create_sounds() {
    return new tarmigo::SoundEffects;
}
