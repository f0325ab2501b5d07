#include "ui/RecordingCanvas.h"

#include "ui/AttributeValue.h"

#include <cstdio>

namespace ui {

std::string RecordingCanvas::Entry::Describe() const
{
    std::string line = op + " " + FormatRect(rect);
    if (op == "text") {
        char extra[96];
        std::snprintf(extra, sizeof extra, " font=%s/%d %s style=0x%X", font.family.c_str(), font.size,
                      FormatColour(colour).c_str(), style);
        return line + " \"" + text + "\"" + extra;
    }
    if (op == "image") {
        line += " file=" + image.file;
        if (image.dest)
            line += " dest=" + FormatRect(*image.dest);
        if (tinted)
            line += " tint=" + FormatColour(tint.colour) + "/" + std::to_string(tint.strength);
        return line;
    }
    if (op == "pie")
        line += " " + std::to_string(start) + "+" + std::to_string(sweep);
    if (op != "pixels")
        line += " " + FormatColour(colour);
    if (!antialias)
        line += " aliased";
    return line;
}

void RecordingCanvas::PushClip(const Rect& rect)
{
    clips_.push_back(clips_.empty() ? rect : clips_.back().Intersect(rect));
}

void RecordingCanvas::PopClip()
{
    if (!clips_.empty())
        clips_.pop_back();
}

Rect RecordingCanvas::ClipRect() const { return clips_.empty() ? Rect{0, 0, 1 << 20, 1 << 20} : clips_.back(); }

RecordingCanvas::Entry& RecordingCanvas::Add(const char* op, const Rect& rect, uint32_t colour)
{
    Entry entry;
    entry.op = op;
    entry.rect = rect;
    entry.colour = colour;
    entry.antialias = antialias_;
    entry.clip = ClipRect();
    entries_.push_back(std::move(entry));
    return entries_.back();
}

void RecordingCanvas::FillRect(const Rect& rect, uint32_t argb) { Add("fill", rect, argb); }

void RecordingCanvas::DrawRect(const Rect& rect, int, uint32_t argb) { Add("frame", rect, argb); }

void RecordingCanvas::FillRoundRect(const Rect& rect, Size, uint32_t argb) { Add("roundfill", rect, argb); }

void RecordingCanvas::DrawRoundRect(const Rect& rect, Size, int, uint32_t argb) { Add("roundframe", rect, argb); }

void RecordingCanvas::FillEllipse(const Rect& rect, uint32_t argb) { Add("ellipse", rect, argb); }

void RecordingCanvas::FillPie(const Rect& rect, int startDegrees, int sweepDegrees, uint32_t argb)
{
    Entry& entry = Add("pie", rect, argb);
    entry.start = startDegrees;
    entry.sweep = sweepDegrees;
}

void RecordingCanvas::DrawLine(Point from, Point to, int, uint32_t argb)
{
    Add("line", {from.x, from.y, to.x, to.y}, argb);
}

void RecordingCanvas::DrawImage(const Rect& controlRect, const ImageDescription& description, const LoadedImage&,
                                const ImageTint* tint)
{
    Entry& entry = Add("image", controlRect, 0);
    entry.image = description;
    entry.text = description.file;
    if (tint) {
        entry.tinted = true;
        entry.tint = *tint;
    }
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view text, const FontInfo& font, uint32_t argb,
                               unsigned style)
{
    Entry& entry = Add("text", rect, argb);
    entry.text = std::string(text);
    entry.font = font;
    entry.style = style;
}

void RecordingCanvas::DrawPixels(const Rect& rect, int, int, const uint32_t*) { Add("pixels", rect, 0); }

std::vector<std::string> RecordingCanvas::Lines() const
{
    std::vector<std::string> lines;
    for (const Entry& entry : entries_)
        lines.push_back(entry.Describe());
    return lines;
}

} // namespace ui
