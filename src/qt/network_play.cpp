#include "qt/network_play.h"

#include "qt/translation.h"

#include "app/peer_address.h"
#include "app/save_state.h"
#include "app/store.h"
#include "game/strings.h"
#include "net/join_code.h"
#include "qt/local_addresses.h"
#include "qt/main_window.h"
#include "qt/network_dialogs.h"
#include "qt/network_labels.h"
#include "qt/ui_scale.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>

namespace tarmigo {
namespace {

namespace nl = network_label;

QString qtext(const char* s) {
    return shownText(s);
}

QAction* makeEntry(QObject* parent, const char* label, const char* name) {
    auto* action = new QAction(qtext(label), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

bool soundCopy(Store* store) {
    if (!store) return false;
    const auto bytes = store->read();
    return bytes && isSoundRecord(*bytes);
}

// The saved network game's code, when its record and code are both sound.
std::optional<std::string> savedCode(const NetworkSetup& s) {
    if (!s.code || !(soundCopy(s.file) || soundCopy(s.second))) return std::nullopt;
    const auto bytes = s.code->read();
    if (!bytes) return std::nullopt;
    return net::readJoinCode(std::string(bytes->begin(), bytes->end()));
}

} // namespace

NetworkPlay::NetworkPlay(MainWindow& window, const NetworkSetup& setup)
    : window_(window), setup_(setup) {
    hostEntry_ = makeEntry(&window, nl::HostEntry, "hostNetworkGame");
    joinEntry_ = makeEntry(&window, nl::JoinEntry, "joinNetworkGame");
    rematchEntry_ = makeEntry(&window, nl::RematchEntry, "askRematch");
    leaveEntry_ = makeEntry(&window, nl::LeaveEntry, "leaveNetworkGame");
    QObject::connect(hostEntry_, &QAction::triggered, &window, [this] { host(); });
    QObject::connect(joinEntry_, &QAction::triggered, &window, [this] { join(); });
    QObject::connect(rematchEntry_, &QAction::triggered, &window, [this] { askRematch(); });
    QObject::connect(leaveEntry_, &QAction::triggered, &window, [this] { leave(); });
    updateEntries();
}

NetworkPlay::~NetworkPlay() = default;

void NetworkPlay::fillMenu(QMenu* newMenu) {
    QMenu* menu = newMenu->addMenu(qtext(nl::NetworkGame));
    menu->setObjectName(QStringLiteral("networkMenu"));
    menu->addAction(hostEntry_);
    menu->addAction(joinEntry_);
    menu->addSeparator();
    menu->addAction(rematchEntry_);
    menu->addAction(leaveEntry_);
}

void NetworkPlay::updateEntries() {
    rematchEntry_->setEnabled(false);
    leaveEntry_->setEnabled(false);
}

void NetworkPlay::host() {
    if (!savedCode(setup_)) {
        openHostDialog(false);
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Question, QString::fromLatin1(label::ProgramName),
                        qtext(nl::ResumeQuestion), QMessageBox::Yes | QMessageBox::No, &window_);
    box->setObjectName(QStringLiteral("resumeQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    scaleToZoom(box, window_.zoom());
    QObject::connect(box, &QDialog::finished, &window_, [this, box] {
        openHostDialog(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

void NetworkPlay::openHostDialog(bool resume) {
    std::string code;
    if (resume) code = savedCode(setup_).value_or(std::string());
    if (code.empty()) code = net::makeJoinCode(QRandomGenerator::system()->generate64());
    int port = StandardPort;
    if (setup_.preferences) {
        const int kept = setup_.preferences->value(QString::fromLatin1(PortKey)).toInt();
        if (kept >= 1 && kept <= 65535) port = kept;
    }
    auto* dialog = new HostDialog(port, QString::fromStdString(code), localAddresses(),
                                  window_.zoom(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    hostDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_, [this] { hostDialog_ = nullptr; });
    dialog->onHost = [this, dialog](int chosen) {
        if (setup_.preferences) setup_.preferences->setValue(QString::fromLatin1(PortKey), chosen);
        dialog->showWaiting();
    };
    dialog->open();
}

void NetworkPlay::join() {
    QString address, code;
    if (setup_.preferences) {
        address = setup_.preferences->value(QString::fromLatin1(AddressKey)).toString();
        code = setup_.preferences->value(QString::fromLatin1(CodeKey)).toString();
    }
    auto* dialog = new JoinDialog(address, code, window_.zoom(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    joinDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_, [this] { joinDialog_ = nullptr; });
    QObject::connect(dialog, &QDialog::accepted, &window_, [this, dialog] {
        if (setup_.preferences) {
            setup_.preferences->setValue(QString::fromLatin1(AddressKey),
                                         QString::fromStdString(addressText(dialog->address())));
            setup_.preferences->setValue(QString::fromLatin1(CodeKey),
                                         QString::fromStdString(dialog->code()));
        }
    });
    dialog->open();
}

void NetworkPlay::leave() {}

void NetworkPlay::askRematch() {}

} // namespace tarmigo
