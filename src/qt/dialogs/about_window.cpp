#include "qt/dialogs/about_window.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "game/strings.h"
#include "game/version.h"
#include "qt/board/packed_art.h"
#include "qt/desktop_labels.h"
#include "qt/platform/ui_scale.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace tarmigo {
namespace {

constexpr int IconSize = 32;

QString qtext(const char* s) {
    return shownText(s);
}

} // namespace

AboutWindow::AboutWindow(int zoom, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtext(label::AboutTitle));
    setFont(uiFont(zoom));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QImage image = packedPicture("icon32");
    if (!image.isNull()) {
        // The icon grows with the dialog's text, pixel for pixel.
        const int scale = std::max(1, (zoom + 1) / 2);
        const qreal density = devicePixelRatioF();
        const int side = int(std::lround(IconSize * scale * density));
        QPixmap picture = QPixmap::fromImage(
            image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        picture.setDevicePixelRatio(density);
        icon->setPixmap(picture);
    }
    auto* name = new QLabel(qtext(label::ProgramName), this);
    name->setObjectName(QStringLiteral("name"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* version = new QLabel(qtext(label::Version).arg(QLatin1String(ProgramVersion)), this);
    version->setObjectName(QStringLiteral("version"));
    auto* doneButton = new QPushButton(qtext(desktop_label::Done), this);
    doneButton->setObjectName(QStringLiteral("done"));
    doneButton->setDefault(true);
    // The labels take no focus: what they say is heard as the dialog's description.
    setAccessibleDescription(name->text() + QStringLiteral(", ") + version->text());

    const int gap = 4 * zoom;
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(3 * gap);
    grid->setVerticalSpacing(gap);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignCenter);
    grid->addWidget(name, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(version, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setRowMinimumHeight(3, gap);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(doneButton);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(doneButton, &QPushButton::clicked, this, [this] { done(dialog::Done); });
    scaleToZoom(this, zoom);
}

void AboutWindow::reject() {
    done(dialog::Cancel);
}

} // namespace tarmigo
