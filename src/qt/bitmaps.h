#pragma once
// The board's pictures (ids 101 to 125), loaded once from the program's resources.
#include <QImage>
#include <QString>

#include <array>

namespace tarmigo {

class Bitmaps {
  public:
    static constexpr int FirstId = 101;
    static constexpr int LastId = 125;

    // Loads "<prefix>/<id>.xpm" for every id; a picture that cannot be read stays
    // empty and draws nothing.
    static Bitmaps load(const QString& prefix = QStringLiteral(":/art"));

    // The picture of an id, or null when it is missing or the id has none.
    const QImage* find(int id) const;
    // Stores a picture as opaque 32-bit pixels; transparent parts become white.
    void set(int id, const QImage& image);
    int loadedCount() const;

  private:
    std::array<QImage, LastId - FirstId + 1> images_;
};

// The pictures of the board, loaded from the resources on first use.
const Bitmaps& boardBitmaps();

} // namespace tarmigo
