#pragma once
// The board's pictures (ids 101 to 125), compiled into the program (packed_art.h).
#include <QImage>
#include <QPainter>

#include <array>

namespace tarmigo {

class Bitmaps {
  public:
    static constexpr int FirstId = 101;
    static constexpr int LastId = 125;

    // Every board picture that was packed into the program, read in place.
    static Bitmaps packed();

    // The board copies pictures pixel by pixel, so they are kept as opaque 32-bit
    // pixels: transparent parts become white.
    static QImage opaque(const QImage& image) {
        QImage result(image.size(), QImage::Format_RGB32);
        result.fill(Qt::white);
        QPainter painter(&result);
        painter.drawImage(0, 0, image);
        painter.end();
        return result;
    }

    // The picture of an id, or null when it is missing or the id has none.
    const QImage* find(int id) const;
    // Stores a picture, made opaque.
    void set(int id, const QImage& image);
    int loadedCount() const;

  private:
    std::array<QImage, LastId - FirstId + 1> images_;
};

// The pictures of the board, read on first use.
const Bitmaps& boardBitmaps();

} // namespace tarmigo
