#include "qt/bitmaps.h"

#include <QPainter>

#ifdef TARMIGO_HAVE_ART
// The art lives in this static library; naming it keeps the linker from dropping it.
static void initArtResource() {
    Q_INIT_RESOURCE(art);
}
#else
static void initArtResource() {}
#endif

namespace tarmigo {

Bitmaps Bitmaps::load(const QString& prefix) {
    Bitmaps set;
    for (int id = FirstId; id <= LastId; ++id) {
        QImage image(QStringLiteral("%1/%2.xpm").arg(prefix).arg(id));
        if (!image.isNull()) set.set(id, image);
    }
    return set;
}

const QImage* Bitmaps::find(int id) const {
    if (id < FirstId || id > LastId) return nullptr;
    const QImage& image = images_[id - FirstId];
    return image.isNull() ? nullptr : &image;
}

void Bitmaps::set(int id, const QImage& image) {
    if (id < FirstId || id > LastId) return;
    // The board copies pictures pixel by pixel, so they are kept opaque.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    painter.end();
    images_[id - FirstId] = opaque;
}

int Bitmaps::loadedCount() const {
    int n = 0;
    for (const QImage& image : images_) n += image.isNull() ? 0 : 1;
    return n;
}

const Bitmaps& boardBitmaps() {
    static const Bitmaps bitmaps = [] {
        initArtResource();
        return Bitmaps::load();
    }();
    return bitmaps;
}

} // namespace tarmigo
