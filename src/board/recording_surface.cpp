#include "board/recording_surface.h"

namespace tarmigo {

RecordingSurface::RecordingSurface(int width, int height) : width_(width), height_(height) {
    ops_.reserve(256); // a full paint makes about a hundred calls
}

void RecordingSurface::fillRect(const Rect& r, Rgb brush, Pen pen) {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.rect = r;
    op.colour = brush;
    op.pen = pen;
    record(std::move(op));
}

void RecordingSurface::drawBitmap(int bitmapId, int tintId, int x, int y, int w, int h) {
    DrawOp op;
    op.kind = DrawOp::Kind::Bitmap;
    op.rect = {x, y, x + w, y + h};
    op.bitmap = bitmapId;
    op.tint = tintId;
    record(std::move(op));
}

void RecordingSurface::invertRect(int x, int y, int w, int h) {
    DrawOp op;
    op.kind = DrawOp::Kind::Invert;
    op.rect = {x, y, x + w, y + h};
    record(std::move(op));
}

void RecordingSurface::drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.rect = r;
    op.colour = background_;
    op.text = std::string(text);
    op.hAlign = h;
    op.vAlign = v;
    record(std::move(op));
}

void RecordingSurface::setBackground(Rgb colour) {
    background_ = colour;
    DrawOp op;
    op.kind = DrawOp::Kind::Background;
    op.colour = colour;
    record(std::move(op));
}

void RecordingSurface::saveBlock(int x, int y, int w, int h) {
    DrawOp op;
    op.kind = DrawOp::Kind::Save;
    op.rect = {x, y, x + w, y + h};
    record(std::move(op));
}

void RecordingSurface::restoreBlock(int x, int y) {
    DrawOp op;
    op.kind = DrawOp::Kind::Restore;
    op.rect = {x, y, x, y};
    record(std::move(op));
}

void RecordingSurface::clear() {
    ops_.clear();
    initialBackground_ = background_;
}

void RecordingSurface::replay(DrawingSurface& target) const {
    target.setBackground(initialBackground_);
    for (const DrawOp& op : ops_) applyDraw(op, target);
}

void applyDraw(const DrawOp& op, DrawingSurface& target) {
    switch (op.kind) {
    case DrawOp::Kind::Fill: target.fillRect(op.rect, op.colour, op.pen); break;
    case DrawOp::Kind::Bitmap:
        target.drawBitmap(op.bitmap, op.tint, op.x(), op.y(), op.width(), op.height());
        break;
    case DrawOp::Kind::Invert: target.invertRect(op.x(), op.y(), op.width(), op.height()); break;
    case DrawOp::Kind::Text: target.drawText(op.text, op.rect, op.hAlign, op.vAlign); break;
    case DrawOp::Kind::Background: target.setBackground(op.colour); break;
    case DrawOp::Kind::Save: target.saveBlock(op.x(), op.y(), op.width(), op.height()); break;
    case DrawOp::Kind::Restore: target.restoreBlock(op.x(), op.y()); break;
    }
}

} // namespace tarmigo
