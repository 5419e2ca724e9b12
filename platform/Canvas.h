// Drawing surface with the classic GDI pixel rules, over a 32-bit QImage:
// pens, brushes, fonts and the canvas that draws with them.
#pragma once

#include <QFont>
#include <QImage>
#include <functional>
#include <optional>
#include <vector>

#include "platform/String.h"
#include "platform/Types.h"

class QPainter;

namespace vcl {

class TGraphic;

enum TPenStyle { psSolid, psDash, psDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TObject {
public:
    TFont() = default;
    // Copies carry the attributes only: the handler belongs to whoever
    // owns this font, so assigning a control's font to a canvas must not
    // hand the canvas the control's handler.
    TFont(const TFont& other) : TObject() { CopyAttributes(other); }
    TFont& operator=(const TFont& other) {
        CopyAttributes(other);
        return *this;
    }

    String Name = "MS Sans Serif";
    // Negative: character height in pixels; positive: cell height.
    int Height = -11;
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    int Charset = 1;
    int PixelsPerInch = 96;

    // Points, from Height and PixelsPerInch.
    int Size() const;
    // Height = -round(points * PixelsPerInch / 72); raises OnChange.
    void SetSize(int points);
    QFont ToQFont() const;

    TNotifyEvent OnChange;
    void Changed();

private:
    void CopyAttributes(const TFont& other);
};

// What GetPixel answers outside the image or the clip.
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

class TCanvas : public TObject {
public:
    TCanvas() = default;
    explicit TCanvas(QImage* target);

    // A 32-bit image (bytes blue, green, red, unused); other formats are
    // converted in place on first use.
    void SetTarget(QImage* target);
    QImage* Target() const { return FTarget; }

    // Logical (0,0) maps to this device pixel.
    void SetOrigin(TPoint deviceOffset) { FOrigin = deviceOffset; }
    TPoint Origin() const { return FOrigin; }

    // Logical coordinates; drawing never leaves the clip or the image.
    void SetClipRect(const TRect& logical);
    void ClearClip();
    // The visible part of the image in logical coordinates.
    TRect ClipRect() const;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;
    // Raised after every drawing operation.
    TNotifyEvent OnChange;

    // Pen outline on the border pixels l..r-1, t..b-1, brush inside. With
    // psClear the brush covers the whole of l..r-1, t..b-1.
    void Rectangle(int l, int t, int r, int b);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Brush only, l..r-1 x t..b-1.
    void FillRect(const TRect& r);
    // One-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // Inscribed in l..r-1 x t..b-1, touching all four edges, symmetric.
    void Ellipse(int l, int t, int r, int b);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }

    void MoveTo(int x, int y);
    // Covers the current position and not (x, y); moves there.
    void LineTo(int x, int y);
    // Open figure: each segment without its end point, as LineTo.
    void Polyline(const std::vector<TPoint>& points);
    // Closed figure: interior (alternate rule, pixel centres) with the
    // brush, edges with the pen.
    void Polygon(const std::vector<TPoint>& points);

    // Copies src of source into dest, stretching when the sizes differ.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    // Copies a part of an image into dest (logical), nearest-pixel
    // stretched; pixels of the transparent colour are left out.
    void DrawImage(const TRect& dest, const QImage& image, const TRect& source,
                   std::optional<TColor> transparentColor = std::nullopt);

    // (x, y) is the top-left corner of the text cell. A solid brush fills
    // the cell behind the text first; the pen position moves past the text.
    void TextOut(int x, int y, const String& s);
    // As TextOut, clipped to clip, which a solid brush fills first.
    void TextRect(const TRect& clip, int x, int y, const String& s);
    int TextWidth(const String& s) const;
    int TextHeight(const String& s) const;

    // Logical coordinates.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Runs fn with a QPainter on the target, origin and clip applied.
    void Paint(const std::function<void(QPainter&)>& fn);

private:
    struct TSpan {
        int Left = 0;
        int Right = -1;  // inclusive; empty when Right < Left
        bool Empty() const { return Right < Left; }
    };
    using TSpanOf = std::function<TSpan(int row)>;
    using TContourIndex = std::function<long long(int x, int y)>;

    bool Ready() const;
    TRect DeviceClip() const;
    TRect ToDevice(const TRect& r) const;
    void Changed();

    void Plot(int x, int y, TColor c);
    void FillSpan(int y, int left, int right, TColor c);
    void FillDevice(const TRect& r, TColor c);
    void DrawRegion(int top, int bottom, const TSpanOf& spanOf, const TContourIndex& contour);
    void DrawOutlinePixels(int y, int left, int right, const TContourIndex& contour);
    void PlotPen(int x, int y, long long patternIndex);
    void DrawLine(TPoint from, TPoint to);
    void FillPolygon(const std::vector<TPoint>& devicePoints);
    void DrawText(const QRect& deviceClip, int x, int y, const String& s);

    QImage* FTarget = nullptr;
    TPoint FOrigin;
    std::optional<TRect> FClip;
};

using HDC = TCanvas*;
constexpr DWORD SRCCOPY = 0x00CC0020;

// SRCCOPY only (anything else answers FALSE): a plain copy of the pixels,
// each canvas in its own logical coordinates, clipped by the destination.
BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);

}  // namespace vcl
