#pragma once

#include "ui/Canvas.h"

#include <string>
#include <vector>

namespace ui {

// A canvas that draws nothing and writes down every call, for tests and the
// headless host. Each entry reads like
//   fill 0,0,100,30 #FF121419
//   text 8,0,92,30 "OK" font=Verdana/14 #FFE6E8EB style=0x25
//   image 0,0,100,30 file=btn.png
class RecordingCanvas : public Canvas {
public:
    struct Entry {
        std::string op;       // fill, frame, roundfill, roundframe, ellipse, pie, line, image, text, pixels
        Rect rect;
        uint32_t colour = 0;
        std::string text;     // text drawn, or the image file
        ImageDescription image;
        bool tinted = false;
        ImageTint tint;
        FontInfo font;
        unsigned style = 0;
        int start = 0;        // pie angles
        int sweep = 0;
        bool antialias = true;
        Rect clip;
        std::string Describe() const;
    };

    void PushClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipRect() const override;
    void SetAntialias(bool on) override { antialias_ = on; }
    void FillRect(const Rect& rect, uint32_t argb) override;
    void DrawRect(const Rect& rect, int width, uint32_t argb) override;
    void FillRoundRect(const Rect& rect, Size round, uint32_t argb) override;
    void DrawRoundRect(const Rect& rect, Size round, int width, uint32_t argb) override;
    void FillEllipse(const Rect& rect, uint32_t argb) override;
    void FillPie(const Rect& rect, int startDegrees, int sweepDegrees, uint32_t argb) override;
    void DrawLine(Point from, Point to, int width, uint32_t argb) override;
    void DrawImage(const Rect& controlRect, const ImageDescription& description, const LoadedImage& image,
                   const ImageTint* tint) override;
    void DrawText(const Rect& rect, std::string_view text, const FontInfo& font, uint32_t argb,
                  unsigned style) override;
    void DrawPixels(const Rect& rect, int width, int height, const uint32_t* argb) override;

    const std::vector<Entry>& Entries() const { return entries_; }
    // Entry descriptions, one per line.
    std::vector<std::string> Lines() const;
    void Clear() { entries_.clear(); }

private:
    Entry& Add(const char* op, const Rect& rect, uint32_t colour);
    std::vector<Rect> clips_;
    std::vector<Entry> entries_;
    bool antialias_ = true;
};

} // namespace ui
