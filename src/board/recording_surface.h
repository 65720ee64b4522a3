#pragma once
// A drawing surface that keeps every call as a value. The tests read it to check
// what the board drew; the replay driver paints into it cheaply after every line
// and replays the last paint onto a real image only when a picture is asked for.
#include "board/surface.h"

#include <string>
#include <vector>

namespace tarmigo {

struct DrawOp {
    enum class Kind { Fill, Bitmap, Invert, Text, Background, Save, Restore };

    Kind kind = Kind::Fill;
    // Fill and Text: the rectangle as passed. Bitmap, Invert and Save: the box
    // {x, y, x + w, y + h}. Restore: {x, y, x, y}.
    Rect rect;
    // Fill: the brush. Background: the new colour. Text: the background it is painted on.
    Rgb colour;
    Pen pen = Pen::Null;
    int bitmap = 0;
    int tint = 0;
    std::string text;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;

    int x() const { return rect.left; }
    int y() const { return rect.top; }
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
    bool operator==(const DrawOp&) const = default;
};

class RecordingSurface : public DrawingSurface {
  public:
    explicit RecordingSurface(int width = 240, int height = 320);

    void fillRect(const Rect& r, Rgb brush, Pen pen) override;
    void drawBitmap(int bitmapId, int tintId, int x, int y, int w, int h) override;
    void invertRect(int x, int y, int w, int h) override;
    void drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) override;
    void setBackground(Rgb colour) override;
    Rgb background() const override { return background_; }
    void saveBlock(int x, int y, int w, int h) override;
    void restoreBlock(int x, int y) override;
    // The texts of another surface (the window's, in its language), or English.
    std::string text(int id) const override;
    int textWidth(std::string_view text) const override {
        return texts_ ? texts_->textWidth(text) : 0;
    }
    void takeTextsFrom(const DrawingSurface* source) { texts_ = source; }

    // Forgets the recorded calls; the current background becomes the starting one.
    void clear();
    const std::vector<DrawOp>& ops() const { return ops_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb initialBackground() const { return initialBackground_; }

    // Makes the same calls, in the same order, on another surface, starting from
    // the background this recording started with.
    void replay(DrawingSurface& target) const;

  protected:
    // Where each call goes: kept in the list, unless a derived surface takes it.
    virtual void record(DrawOp op) { ops_.push_back(std::move(op)); }
    void startFrom(Rgb background) { background_ = background; }

  private:
    int width_;
    int height_;
    Rgb background_ = colors::White;
    Rgb initialBackground_ = colors::White;
    std::vector<DrawOp> ops_;
    const DrawingSurface* texts_ = nullptr;
};

// Makes one recorded call on another surface.
void applyDraw(const DrawOp& op, DrawingSurface& target);

} // namespace tarmigo
