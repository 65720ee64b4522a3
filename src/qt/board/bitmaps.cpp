#include "qt/board/bitmaps.h"

#include "qt/board/packed_art.h"

#include <string>

namespace tarmigo {

QImage packedPicture(std::string_view name) {
    const PackedArt art = packedArt();
    for (int i = 0; i < art.count; ++i) {
        const PackedPicture& p = art.pictures[i];
        if (p.name != name) continue;
        // Read-only pixels: QImage shares them and copies only on a write.
        return {reinterpret_cast<const uchar*>(p.pixels), p.width, p.height,
                static_cast<qsizetype>(p.width) * 4,
                p.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32};
    }
    return {};
}

Bitmaps Bitmaps::packed() {
    Bitmaps set;
    for (int id = FirstId; id <= LastId; ++id) {
        // Packed board pictures are opaque already.
        set.images_[id - FirstId] = packedPicture(std::to_string(id));
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
    images_[id - FirstId] = opaque(image);
}

int Bitmaps::loadedCount() const {
    int n = 0;
    for (const QImage& image : images_) n += image.isNull() ? 0 : 1;
    return n;
}

const Bitmaps& boardBitmaps() {
    static const Bitmaps bitmaps = Bitmaps::packed();
    return bitmaps;
}

} // namespace tarmigo
