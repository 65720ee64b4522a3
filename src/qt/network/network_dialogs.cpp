#include "qt/network/network_dialogs.h"

#include "qt/platform/translation.h"

#include "net/join_code.h"
#include "qt/network/network_labels.h"
#include "qt/platform/ui_scale.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace tarmigo {
namespace {

namespace nl = network_label;

QString qtext(const char* s) {
    return shownText(s);
}

QLabel* makeNote(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

const char* addressRefusal(AddressError e) {
    switch (e) {
    case AddressError::Empty: return nl::NoAddressTyped;
    case AddressError::BadPort: return nl::BadPort;
    case AddressError::BadIPv4: return nl::BadIPv4;
    case AddressError::BadIPv6: return nl::BadIPv6;
    case AddressError::BadName: break;
    }
    return nl::BadName;
}

// Where the dialog would be wider than the game's window (zoom 1): each field under its
// label, and a text wider than what is left wrapped to it.
void narrowToWindow(QDialog* dialog, QFormLayout* form, int zoom) {
    dialog->layout()->activate();
    if (fitsGameWindow(dialog, zoom)) return;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    const QMargins m = dialog->layout()->contentsMargins();
    const int room = ScreenWidth * zoom - DialogFrameWidth - m.left() - m.right();
    for (QLabel* text : dialog->findChildren<QLabel*>()) {
        if (text->sizeHint().width() <= room) continue;
        text->setWordWrap(true);
        text->setFixedWidth(room);
    }
    dialog->layout()->activate();
}

// A text to be read and copied, not changed: a field without a frame that Tab reaches.
QLineEdit* readOnlyField(const QString& text, const char* name, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFrame(false);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(text + QStringLiteral("MM")));
    return field;
}

// The addresses and the code as read-only fields under their labels: Tab reaches each, and
// a reader says it with its label; the dialog's description names them all as it opens.
// Returns the fields in Tab order.
QList<QWidget*> addReachAndCode(QDialog* dialog, QFormLayout* form, const QString& code,
                                const std::vector<std::string>& addresses) {
    QStringList shown;
    for (const std::string& a : addresses) shown << QString::fromStdString(a);
    QList<QWidget*> reached;
    for (const QString& address : shown) reached << readOnlyField(address, "address", dialog);
    if (shown.isEmpty()) reached << makeNote(qtext(nl::NoAddress), "address", dialog);
    auto* reachedLabel = new QLabel(qtext(nl::ReachedAt), dialog);
    reachedLabel->setBuddy(reached.front());
    form->addRow(reachedLabel, reached.front());
    for (QWidget* more : reached.mid(1)) {
        more->setAccessibleName(qtext(nl::ReachedAt));
        form->addRow(QString(), more);
    }
    auto* codeShown = readOnlyField(code, "code", dialog);
    QFont large = codeShown->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    large.setLetterSpacing(QFont::PercentageSpacing, 120);
    codeShown->setFont(large);
    auto* codeLabel = new QLabel(qtext(nl::Code), dialog);
    codeLabel->setBuddy(codeShown);
    form->addRow(codeLabel, codeShown);
    dialog->setAccessibleDescription(
        qtext(nl::Code) + QLatin1Char(' ') + code + QStringLiteral(". ") + qtext(nl::ReachedAt) +
        QLatin1Char(' ') +
        (shown.isEmpty() ? qtext(nl::NoAddress) : shown.join(QStringLiteral(", "))));
    return reached << codeShown;
}

} // namespace

HostDialog::HostDialog(int port, const QString& code, const std::vector<std::string>& addresses,
                       int zoom, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qtext(nl::HostTitle));
    setFont(uiFont(zoom));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("port"));
    port_->setRange(1, 65535);
    port_->setValue(port);
    auto* portLabel = new QLabel(qtext(nl::Port), this);
    portLabel->setBuddy(port_);
    form->addRow(portLabel, port_);

    const QList<QWidget*> reached = addReachAndCode(this, form, code, addresses);

    layout->addWidget(makeNote(qtext(nl::HostHint), "hint", this));
    seat_ = makeNote(QString(), "seat", this);
    seat_->setVisible(false);
    layout->addWidget(seat_);
    freeSeat_ = new QPushButton(qtext(nl::FreeSeat), this);
    freeSeat_->setObjectName(QStringLiteral("freeSeat"));
    freeSeat_->setVisible(false);
    layout->addWidget(freeSeat_, 0, Qt::AlignLeft);
    connect(freeSeat_, &QPushButton::clicked, this, [this] {
        if (onFreeSeat) onFreeSeat();
        showSeat(false);
    });
    state_ = makeNote(QString(), "state", this);
    layout->addWidget(state_);

    auto* buttons = new QDialogButtonBox(this);
    host_ = buttons->addButton(qtext(nl::StartHosting), QDialogButtonBox::AcceptRole);
    host_->setObjectName(QStringLiteral("host"));
    host_->setDefault(true);
    QPushButton* cancel = buttons->addButton(qtext(nl::Cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The button box accepts: the dialog stays open while it waits for Player 2.
    connect(host_, &QPushButton::clicked, this, [this] {
        if (onHost) onHost(port_->value());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QWidget* before = port_;
    for (QWidget* field : reached + QList<QWidget*>{freeSeat_})
        setTabOrder(std::exchange(before, field), field);
    setTabOrder(freeSeat_, host_);
    setTabOrder(host_, cancel);
    scaleToZoom(this, zoom);
    narrowToWindow(this, form, zoom);
    port_->setFocus();
}

int HostDialog::port() const {
    return port_->value();
}

void HostDialog::showSeat(bool held) {
    seat_->setText(qtext(held ? nl::SeatHeld : nl::SeatFree));
    seat_->setVisible(true);
    freeSeat_->setVisible(held);
}

void HostDialog::showWaiting() {
    port_->setEnabled(false);
    host_->setEnabled(false);
    state_->setText(qtext(nl::Waiting));
    state_->setFocus();
}

void HostDialog::showError(const QString& text) {
    port_->setEnabled(true);
    host_->setEnabled(true);
    state_->setText(text);
    port_->setAccessibleDescription(text); // said with the port, which takes the focus
    port_->setFocus();
    port_->selectAll();
}

JoinDialog::JoinDialog(const QString& address, const QString& code, int zoom, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qtext(nl::JoinTitle));
    setFont(uiFont(zoom));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    addressField_ = new QLineEdit(address, this);
    addressField_->setObjectName(QStringLiteral("address"));
    addressField_->setMaxLength(300);
    auto* addressLabel = new QLabel(qtext(nl::Address), this);
    addressLabel->setBuddy(addressField_);
    form->addRow(addressLabel, addressField_);
    form->addRow(QString(), makeNote(qtext(nl::JoinHint), "hint", this));

    codeField_ = new QLineEdit(code, this);
    codeField_->setObjectName(QStringLiteral("code"));
    codeField_->setMaxLength(20);
    auto* codeLabel = new QLabel(qtext(nl::JoinCode), this);
    codeLabel->setBuddy(codeField_);
    form->addRow(codeLabel, codeField_);

    error_ = makeNote(QString(), "error", this);
    layout->addWidget(error_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* join = buttons->addButton(qtext(nl::StartJoining), QDialogButtonBox::AcceptRole);
    join->setObjectName(QStringLiteral("join"));
    join->setDefault(true);
    QPushButton* cancel = buttons->addButton(qtext(nl::Cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::tryJoin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setTabOrder(addressField_, codeField_);
    setTabOrder(codeField_, join);
    setTabOrder(join, cancel);
    scaleToZoom(this, zoom);
    narrowToWindow(this, form, zoom);
    addressField_->setFocus();
}

QString JoinDialog::refusal(const QString& address, const QString& code) {
    const AddressReading read = readPeerAddress(address.toStdString());
    if (!read.address) return qtext(addressRefusal(read.error));
    if (!net::readJoinCode(code.toStdString()))
        return qtext(nl::BadCode)
            .arg(
                QString::fromLatin1(net::CodeAlphabet.data(), qsizetype(net::CodeAlphabet.size())));
    return {};
}

void JoinDialog::tryJoin() {
    const QString refused = refusal(addressField_->text(), codeField_->text());
    error_->setText(refused);
    if (!refused.isEmpty()) {
        const bool addressWrong = !readPeerAddress(addressField_->text().toStdString()).address;
        QLineEdit* wrong = addressWrong ? addressField_ : codeField_;
        (addressWrong ? codeField_ : addressField_)->setAccessibleDescription(QString());
        wrong->setAccessibleDescription(refused); // said with the field, which takes the focus
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    address_ = *readPeerAddress(addressField_->text().toStdString()).address;
    code_ = *net::readJoinCode(codeField_->text().toStdString());
    accept();
}

} // namespace tarmigo
