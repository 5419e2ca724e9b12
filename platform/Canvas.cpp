#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>

#include "platform/Graphics.h"

namespace vcl {

namespace {

// Cosmetic pen patterns, in pixels along the line.
constexpr int kDashOn = 18;
constexpr int kDashOff = 6;
constexpr int kDotOn = 3;
constexpr int kDotOff = 3;

QRgb ToPixel(TColor c) {
    return 0xFF000000u | (QRgb(GetRValue(c)) << 16) | (QRgb(GetGValue(c)) << 8) | GetBValue(c);
}

TColor FromPixel(QRgb p) { return RGB(qRed(p), qGreen(p), qBlue(p)); }

QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

TRect Intersect(const TRect& a, const TRect& b) {
    return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
}

bool IsEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

TRect Normalized(int l, int t, int r, int b) {
    return TRect{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Rounds a / b to the nearest integer, halves away from zero, for b > 0.
long long RoundDiv(long long a, long long b) {
    return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b));
}

long long MulDiv(long long a, long long b, long long c) {
    if (c == 0) return 0;
    return c > 0 ? RoundDiv(a * b, c) : RoundDiv(-a * b, -c);
}

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool IsPatterned(const TPen& pen) {
    return pen.Width <= 1 && (pen.Style == psDash || pen.Style == psDot);
}

bool PatternOn(TPenStyle style, long long index) {
    if (style == psDash) return index % (kDashOn + kDashOff) < kDashOn;
    if (style == psDot) return index % (kDotOn + kDotOff) < kDotOn;
    return true;
}

}  // namespace

// ---- TFont ----

int TFont::Size() const { return int(-MulDiv(Height, 72, PixelsPerInch)); }

void TFont::SetSize(int points) {
    Height = int(-MulDiv(points, PixelsPerInch, 72));
    Changed();
}

QFont TFont::ToQFont() const {
    QFont font(ToQString(Name));
    font.setStyleHint(QFont::SansSerif);
    // A positive height is the whole cell; taken as the pixel size, which is
    // close enough for layout.
    int pixels = Height != 0 ? std::abs(Height) : 11;
    font.setPixelSize(std::max(1, pixels));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    return font;
}

void TFont::CopyAttributes(const TFont& other) {
    Name = other.Name;
    Height = other.Height;
    Color = other.Color;
    Style = other.Style;
    Charset = other.Charset;
    PixelsPerInch = other.PixelsPerInch;
}

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

// ---- TCanvas: state ----

TCanvas::TCanvas(QImage* target) : FTarget(target) {}

void TCanvas::SetTarget(QImage* target) { FTarget = target; }

void TCanvas::SetClipRect(const TRect& logical) { FClip = logical; }

void TCanvas::ClearClip() { FClip.reset(); }

TRect TCanvas::DeviceClip() const {
    if (!FTarget) return TRect{};
    TRect clip{0, 0, FTarget->width(), FTarget->height()};
    if (FClip) clip = Intersect(clip, ToDevice(*FClip));
    return clip;
}

TRect TCanvas::ClipRect() const {
    TRect d = DeviceClip();
    return TRect{d.Left - FOrigin.X, d.Top - FOrigin.Y, d.Right - FOrigin.X, d.Bottom - FOrigin.Y};
}

TRect TCanvas::ToDevice(const TRect& r) const {
    return TRect{r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Right + FOrigin.X, r.Bottom + FOrigin.Y};
}

bool TCanvas::Ready() const {
    if (!FTarget || FTarget->isNull()) return false;
    QImage::Format f = FTarget->format();
    // Same byte layout as RGB32; everything else gets converted once.
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32)
        *FTarget = FTarget->convertToFormat(QImage::Format_RGB32);
    return !IsEmpty(DeviceClip());
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

// ---- TCanvas: raster primitives, device coordinates ----

void TCanvas::Plot(int x, int y, TColor c) {
    TRect clip = DeviceClip();
    if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) return;
    reinterpret_cast<QRgb*>(FTarget->scanLine(y))[x] = ToPixel(c);
}

void TCanvas::FillSpan(int y, int left, int right, TColor c) {
    FillDevice(TRect{left, y, right + 1, y + 1}, c);
}

void TCanvas::FillDevice(const TRect& r, TColor c) {
    TRect area = Intersect(r, DeviceClip());
    if (IsEmpty(area)) return;
    QRgb pixel = ToPixel(c);
    for (int y = area.Top; y < area.Bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(FTarget->scanLine(y));
        std::fill(row + area.Left, row + area.Right, pixel);
    }
}

void TCanvas::PlotPen(int x, int y, long long patternIndex) {
    if (PatternOn(Pen.Style, patternIndex))
        Plot(x, y, Pen.Color);
    else if (Brush.Style == bsSolid)  // opaque background mode fills the gaps
        Plot(x, y, Brush.Color);
}

void TCanvas::DrawOutlinePixels(int y, int left, int right, const TContourIndex& contour) {
    if (right < left) return;
    if (!IsPatterned(Pen) || !contour) {
        FillSpan(y, left, right, Pen.Color);
        return;
    }
    TRect clip = DeviceClip();
    for (int x = std::max(left, clip.Left); x <= std::min(right, clip.Right - 1); ++x)
        PlotPen(x, y, contour(x, y));
}

namespace {

// A row of a filled shape split into the pen's border and the interior.
// A pixel is border when it lies within the pen width of the outside,
// horizontally or vertically.
struct TRowParts {
    int Left, Right;            // the whole row, inclusive
    int InnerLeft, InnerRight;  // interior, inclusive; empty when reversed
};

template <typename SpanOf>
TRowParts SplitRow(int y, const SpanOf& spanOf, int penWidth) {
    auto row = spanOf(y);
    TRowParts parts{row.Left, row.Right, row.Left + penWidth, row.Right - penWidth};
    for (int k = 1; k <= penWidth; ++k) {
        for (int ny : {y - k, y + k}) {
            auto n = spanOf(ny);
            parts.InnerLeft = std::max(parts.InnerLeft, n.Left);
            parts.InnerRight = std::min(parts.InnerRight, n.Right);
        }
    }
    return parts;
}

}  // namespace

void TCanvas::DrawRegion(int top, int bottom, const TSpanOf& spanOf, const TContourIndex& contour) {
    TRect clip = DeviceClip();
    bool outline = Pen.Style != psClear;
    bool fill = Brush.Style == bsSolid;
    int penWidth = std::max(1, Pen.Width);
    for (int y = std::max(top, clip.Top); y < std::min(bottom, clip.Bottom); ++y) {
        TSpan row = spanOf(y);
        if (row.Empty()) continue;
        if (!outline) {
            if (fill) FillSpan(y, row.Left, row.Right, Brush.Color);
            continue;
        }
        TRowParts parts = SplitRow(y, spanOf, penWidth);
        if (parts.InnerLeft > parts.InnerRight) {
            DrawOutlinePixels(y, row.Left, row.Right, contour);
            continue;
        }
        if (fill) FillSpan(y, parts.InnerLeft, parts.InnerRight, Brush.Color);
        DrawOutlinePixels(y, row.Left, parts.InnerLeft - 1, contour);
        DrawOutlinePixels(y, parts.InnerRight + 1, row.Right, contour);
    }
}

// ---- TCanvas: shapes ----

void TCanvas::Rectangle(int l, int t, int r, int b) {
    if (!Ready()) return;
    TRect d = ToDevice(Normalized(l, t, r, b));
    if (IsEmpty(d)) return;
    auto spanOf = [d](int y) {
        return (y >= d.Top && y < d.Bottom) ? TSpan{d.Left, d.Right - 1} : TSpan{};
    };
    // Position along the border, clockwise from the top-left corner.
    auto contour = [d](int x, int y) -> long long {
        long long w = d.Width() - 1, h = d.Height() - 1;
        if (y == d.Top) return x - d.Left;
        if (x == d.Right - 1) return w + (y - d.Top);
        if (y == d.Bottom - 1) return w + h + (d.Right - 1 - x);
        return 2 * w + h + (d.Bottom - 1 - y);
    };
    DrawRegion(d.Top, d.Bottom, spanOf, contour);
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    if (!Ready() || Brush.Style == bsClear) return;
    FillDevice(ToDevice(Normalized(r.Left, r.Top, r.Right, r.Bottom)), Brush.Color);
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    if (!Ready() || Brush.Style == bsClear) return;
    TRect d = ToDevice(Normalized(r.Left, r.Top, r.Right, r.Bottom));
    if (IsEmpty(d)) return;
    FillDevice(TRect{d.Left, d.Top, d.Right, d.Top + 1}, Brush.Color);
    FillDevice(TRect{d.Left, d.Bottom - 1, d.Right, d.Bottom}, Brush.Color);
    FillDevice(TRect{d.Left, d.Top, d.Left + 1, d.Bottom}, Brush.Color);
    FillDevice(TRect{d.Right - 1, d.Top, d.Right, d.Bottom}, Brush.Color);
    Changed();
}

namespace {

// Rows of the ellipse inscribed in d: the pixels whose centres lie inside,
// widened so that the middle row(s) reach both sides and every row holds
// the middle column(s). Worked in doubled coordinates so that mirrored
// rows and columns come out exactly alike.
std::vector<std::pair<int, int>> EllipseRows(const TRect& d) {
    const long long w = d.Width(), h = d.Height();
    const long long sumX = d.Left + d.Right, sumY = d.Top + d.Bottom;
    const int middleLeft = int(FloorDiv(sumX - 1, 2));
    std::vector<std::pair<int, int>> rows;
    rows.reserve(size_t(h));
    for (int y = d.Top; y < d.Bottom; ++y) {
        long long dy = std::llabs(2LL * y + 1 - sumY);
        int left;
        if (dy <= 1) {
            left = d.Left;
        } else {
            double q = 1.0 - double(dy) * double(dy) / (double(h) * double(h));
            double dx = q > 0 ? double(w) * std::sqrt(q) : 0.0;
            left = int(std::ceil((double(sumX) - dx - 1.0) / 2.0 - 1e-9));
            left = std::clamp(left, d.Left, middleLeft);
        }
        rows.emplace_back(left, int(sumX - 1 - left));
    }
    return rows;
}

}  // namespace

void TCanvas::Ellipse(int l, int t, int r, int b) {
    if (!Ready()) return;
    TRect d = ToDevice(Normalized(l, t, r, b));
    if (IsEmpty(d)) return;
    const auto rows = EllipseRows(d);
    auto spanOf = [&](int y) {
        if (y < d.Top || y >= d.Bottom) return TSpan{};
        auto [left, right] = rows[size_t(y - d.Top)];
        return TSpan{left, right};
    };
    TContourIndex contour;
    std::unordered_map<long long, long long> order;
    if (IsPatterned(Pen)) {
        // The pattern runs around the outline: border pixels taken in
        // order of their angle about the centre, clockwise from the left.
        struct TBorderPixel { double Angle; int X, Y; };
        std::vector<TBorderPixel> border;
        for (int y = d.Top; y < d.Bottom; ++y) {
            TRowParts p = SplitRow(y, spanOf, 1);
            for (int x = p.Left; x <= p.Right; ++x) {
                if (p.InnerLeft <= p.InnerRight && x >= p.InnerLeft && x <= p.InnerRight) continue;
                double angle = std::atan2(double(2 * y + 1 - (d.Top + d.Bottom)),
                                          double(2 * x + 1 - (d.Left + d.Right)));
                border.push_back({angle, x, y});
            }
        }
        std::sort(border.begin(), border.end(), [](const auto& a, const auto& b) {
            return std::tie(a.Angle, a.Y, a.X) < std::tie(b.Angle, b.Y, b.X);
        });
        for (size_t i = 0; i < border.size(); ++i)
            order[(static_cast<long long>(border[i].X) << 32) ^ static_cast<unsigned>(border[i].Y)] =
                static_cast<long long>(i);
        contour = [&order](int x, int y) {
            auto it = order.find((static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y));
            return it == order.end() ? 0LL : it->second;
        };
    }
    DrawRegion(d.Top, d.Bottom, spanOf, contour);
    Changed();
}

// ---- TCanvas: lines ----

void TCanvas::MoveTo(int x, int y) { PenPos = TPoint{x, y}; }

void TCanvas::LineTo(int x, int y) {
    if (Ready() && Pen.Style != psClear) {
        DrawLine(TPoint{PenPos.X + FOrigin.X, PenPos.Y + FOrigin.Y}, TPoint{x + FOrigin.X, y + FOrigin.Y});
        Changed();
    }
    PenPos = TPoint{x, y};
}

// Bresenham from `from` up to but not including `to`: one pixel per step
// along the major axis, the minor coordinate rounded (halves towards the
// end point).
void TCanvas::DrawLine(TPoint from, TPoint to) {
    const long long dx = static_cast<long long>(to.X) - from.X;
    const long long dy = static_cast<long long>(to.Y) - from.Y;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    if (adx == 0 && ady == 0) return;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long majorStart = xMajor ? from.X : from.Y;
    const long long minorStart = xMajor ? from.Y : from.X;

    // Only the steps whose major coordinate can fall inside the clip.
    TRect clip = DeviceClip();
    long long lo = xMajor ? clip.Left : clip.Top, hi = (xMajor ? clip.Right : clip.Bottom) - 1;
    long long first = majorStep > 0 ? lo - majorStart : majorStart - hi;
    long long last = majorStep > 0 ? hi - majorStart : majorStart - lo;
    first = std::max(first, 0LL);
    last = std::min(last, major - 1);

    const int width = std::max(1, Pen.Width);
    const bool patterned = IsPatterned(Pen);
    for (long long i = first; i <= last; ++i) {
        long long m = majorStart + majorStep * i;
        long long n = minorStart + minorStep * ((2 * i * minor + major) / (2 * major));
        int px = int(xMajor ? m : n), py = int(xMajor ? n : m);
        if (width > 1) {
            int before = (width - 1) / 2;
            FillDevice(TRect{px - before, py - before, px - before + width, py - before + width}, Pen.Color);
        } else if (patterned) {
            PlotPen(px, py, i);
        } else {
            Plot(px, py, Pen.Color);
        }
    }
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (!Ready() || Pen.Style == psClear || points.size() < 2) return;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        DrawLine(TPoint{points[i].X + FOrigin.X, points[i].Y + FOrigin.Y},
                 TPoint{points[i + 1].X + FOrigin.X, points[i + 1].Y + FOrigin.Y});
    Changed();
}

void TCanvas::FillPolygon(const std::vector<TPoint>& pts) {
    TRect clip = DeviceClip();
    auto [minIt, maxIt] = std::minmax_element(pts.begin(), pts.end(),
                                              [](TPoint a, TPoint b) { return a.Y < b.Y; });
    int top = std::max(minIt->Y, clip.Top), bottom = std::min(maxIt->Y, clip.Bottom);
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.Y <= yc) == (b.Y <= yc)) continue;
            crossings.push_back(a.X + (yc - a.Y) * double(b.X - a.X) / double(b.Y - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        // Alternate rule: inside between crossings 0-1, 2-3, ...; a pixel is
        // in when its centre is.
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int left = int(std::ceil(crossings[i] - 0.5));
            int right = int(std::ceil(crossings[i + 1] - 0.5)) - 1;
            if (left <= right) FillSpan(y, left, right, Brush.Color);
        }
    }
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (!Ready() || points.size() < 2) return;
    std::vector<TPoint> pts;
    pts.reserve(points.size());
    for (TPoint p : points) pts.push_back(TPoint{p.X + FOrigin.X, p.Y + FOrigin.Y});
    if (Brush.Style == bsSolid) FillPolygon(pts);
    if (Pen.Style != psClear)
        for (size_t i = 0; i < pts.size(); ++i) DrawLine(pts[i], pts[(i + 1) % pts.size()]);
    Changed();
}

// ---- TCanvas: images ----

void TCanvas::DrawImage(const TRect& dest, const QImage& image, const TRect& source,
                        std::optional<TColor> transparentColor) {
    if (!Ready() || image.isNull()) return;
    const TRect d = ToDevice(dest);
    if (IsEmpty(d) || IsEmpty(source)) return;
    const TRect visible = Intersect(d, DeviceClip());
    if (IsEmpty(visible)) return;

    // A shallow copy: when image is our own target, writing detaches the
    // target and the source pixels stay as they were.
    const QImage src = (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparentColor ? (ToPixel(*transparentColor) & 0xFFFFFFu) : 0;

    // Unscaled opaque copy of pixels that all exist: whole rows at once
    // (the common case of a photograph drawn at its own size).
    const TRect wanted{source.Left + (visible.Left - d.Left), source.Top + (visible.Top - d.Top),
                       source.Left + (visible.Right - d.Left), source.Top + (visible.Bottom - d.Top)};
    if (!transparentColor && d.Width() == source.Width() && d.Height() == source.Height() &&
        src.format() == QImage::Format_RGB32 && wanted.Left >= 0 && wanted.Top >= 0 &&
        wanted.Right <= src.width() && wanted.Bottom <= src.height()) {
        for (int y = visible.Top; y < visible.Bottom; ++y) {
            const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(wanted.Top + (y - visible.Top)));
            QRgb* to = reinterpret_cast<QRgb*>(FTarget->scanLine(y));
            std::transform(from + wanted.Left, from + wanted.Right, to + visible.Left,
                           [](QRgb p) { return p | 0xFF000000u; });
        }
        Changed();
        return;
    }

    // Nearest source pixel for the centre of each destination pixel.
    auto sourceOf = [](long long i, long long destSize, long long sourceStart, long long sourceSize) {
        return sourceStart + ((2 * i + 1) * sourceSize) / (2 * destSize);
    };
    std::vector<long long> columns(size_t(visible.Width()));
    for (int x = visible.Left; x < visible.Right; ++x)
        columns[size_t(x - visible.Left)] = sourceOf(x - d.Left, d.Width(), source.Left, source.Width());

    for (int y = visible.Top; y < visible.Bottom; ++y) {
        long long sy = sourceOf(y - d.Top, d.Height(), source.Top, source.Height());
        if (sy < 0 || sy >= src.height()) continue;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(int(sy)));
        QRgb* to = reinterpret_cast<QRgb*>(FTarget->scanLine(y));
        for (int x = visible.Left; x < visible.Right; ++x) {
            long long sx = columns[size_t(x - visible.Left)];
            if (sx < 0 || sx >= src.width()) continue;
            QRgb p = from[sx];
            if (transparentColor && (p & 0xFFFFFFu) == key) continue;
            to[x] = p | 0xFF000000u;
        }
    }
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
    if (!source.FTarget || source.FTarget->isNull() || IsEmpty(src)) return;
    TRect s = source.ToDevice(src);
    // Copied out first, so that overlapping copies within one canvas work.
    QImage part = source.FTarget->copy(ToQRect(s));
    DrawImage(dest, part, TRect{0, 0, s.Width(), s.Height()});
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(*this, r);
}

// ---- TCanvas: text ----

void TCanvas::DrawText(const QRect& deviceClip, int x, int y, const String& s) {
    QFont font = Font.ToQFont();
    QPainter painter(FTarget);
    painter.setClipRect(deviceClip);
    painter.setFont(font);
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(x + FOrigin.X, y + FOrigin.Y + QFontMetrics(font).ascent(), ToQString(s));
}

void TCanvas::TextOut(int x, int y, const String& s) {
    int width = TextWidth(s);
    if (Ready()) {
        if (Brush.Style == bsSolid)
            FillDevice(ToDevice(Bounds(x, y, width, TextHeight(s))), Brush.Color);
        DrawText(ToQRect(DeviceClip()), x, y, s);
        Changed();
    }
    PenPos = TPoint{x + width, y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const String& s) {
    if (!Ready()) return;
    TRect area = Intersect(ToDevice(clip), DeviceClip());
    if (IsEmpty(area)) return;
    if (Brush.Style == bsSolid) FillDevice(area, Brush.Color);
    DrawText(ToQRect(area), x, y, s);
    Changed();
}

int TCanvas::TextWidth(const String& s) const {
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(ToQString(s));
}

int TCanvas::TextHeight(const String&) const { return QFontMetrics(Font.ToQFont()).height(); }

// ---- TCanvas: pixels and painter ----

TColor TCanvas::Pixel(int x, int y) const {
    if (!FTarget || FTarget->isNull()) return CLR_INVALID;
    TRect clip = DeviceClip();
    int dx = x + FOrigin.X, dy = y + FOrigin.Y;
    if (dx < clip.Left || dx >= clip.Right || dy < clip.Top || dy >= clip.Bottom) return CLR_INVALID;
    return FromPixel(FTarget->pixel(dx, dy));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    if (!Ready()) return;
    Plot(x + FOrigin.X, y + FOrigin.Y, c);
    Changed();
}

void TCanvas::Paint(const std::function<void(QPainter&)>& fn) {
    if (!Ready()) return;
    {
        QPainter painter(FTarget);
        painter.setClipRect(ToQRect(DeviceClip()));
        painter.translate(FOrigin.X, FOrigin.Y);
        fn(painter);
    }
    Changed();
}

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop) {
    if (!dest || !src || rop != SRCCOPY) return 0;
    if (w > 0 && h > 0) dest->CopyRect(Bounds(x, y, w, h), *src, Bounds(sx, sy, w, h));
    return 1;
}

}  // namespace vcl
