// Draws the two pictures the set-up program shows: the photograph of the
// board (board.jpg) and the power-jack symbol (powerjack.bmp).
//
//     assets_generator <output folder>
//
// Both files are committed, so building the program never depends on the
// fonts or the rasteriser of the machine that builds it; run this through
// the `regenerate-assets` target only when a picture has to change. The
// output is deterministic: every random choice comes from a fixed seed.
//
// The board is drawn three times oversize and averaged down, which gives the
// soft edges of a real photograph. Tall parts are seen slightly from the
// left, as a hand-held shot would see them, so their left faces show the
// openings of the sockets; the light comes from the upper left.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr int kBoardImageWidth = 600;
constexpr int kBoardImageHeight = 536;
constexpr int kOversample = 3;
constexpr int kJackImageWidth = 112;
constexpr int kJackImageHeight = 48;
constexpr std::uint64_t kSeed = 0x5EED0B0A4D2024ull;

// ---------------------------------------------------------------------------
// Small numeric helpers

// std::uniform_*_distribution differs between standard libraries; this does not.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    // A sum of four uniforms is normal enough for sensor grain.
    double Normal() {
        double sum = 0;
        for (int i = 0; i < 4; ++i)
            sum += Uniform();
        return (sum - 2.0) * std::sqrt(3.0);
    }

private:
    std::uint64_t state_;
};

double Lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFFu) / double(0x1000000);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int xi = int(fx), yi = int(fy);
    const double tx = x - fx, ty = y - fy;
    const double u = tx * tx * (3 - 2 * tx), v = ty * ty * (3 - 2 * ty);
    const double a = Lattice(xi, yi, seed), b = Lattice(xi + 1, yi, seed);
    const double c = Lattice(xi, yi + 1, seed), d = Lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

// Fractal noise in [-1, 1].
double Fractal(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * (ValueNoise(x, y, seed + std::uint32_t(i) * 101u) * 2 - 1);
        norm += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

QColor Scale(const QColor& c, double f) {
    auto channel = [f](float v) { return float(std::clamp(v * f, 0.0, 1.0)); };
    return QColor::fromRgbF(channel(c.redF()), channel(c.greenF()), channel(c.blueF()), c.alphaF());
}

// Three passes of a box blur approximate a gaussian; one byte per pixel.
void BlurChannel(std::vector<std::uint8_t>& data, int width, int height, int radius) {
    if (radius < 1)
        return;
    std::vector<std::uint8_t> line(std::max(width, height));
    auto blurLine = [radius](std::uint8_t* first, int count, int step, std::vector<std::uint8_t>& scratch) {
        for (int i = 0; i < count; ++i)
            scratch[i] = first[i * step];
        const int window = 2 * radius + 1;
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += scratch[std::clamp(i, 0, count - 1)];
        for (int i = 0; i < count; ++i) {
            first[i * step] = std::uint8_t(sum / window);
            sum += scratch[std::min(i + radius + 1, count - 1)];
            sum -= scratch[std::max(i - radius, 0)];
        }
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            blurLine(data.data() + std::size_t(y) * width, width, 1, line);
        for (int x = 0; x < width; ++x)
            blurLine(data.data() + x, height, width, line);
    }
}

QPointF Normalised(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : v;
}

// Corners of a polyline cut at 45 degrees, the way a router draws traces.
QPolygonF Chamfered(const QPolygonF& line, double cut) {
    if (line.size() < 3)
        return line;
    QPolygonF out;
    out << line.front();
    for (int i = 1; i + 1 < line.size(); ++i) {
        const QPointF in = line[i] - line[i - 1], outgoing = line[i + 1] - line[i];
        const double c = std::min({cut, std::hypot(in.x(), in.y()) / 2, std::hypot(outgoing.x(), outgoing.y()) / 2});
        out << line[i] - Normalised(in) * c << line[i] + Normalised(outgoing) * c;
    }
    out << line.back();
    return out;
}

// ---------------------------------------------------------------------------
// Viewpoint, light and shadows

// The camera sits a little to the left and above: a part of height h shows
// its top shifted right and down by Lift(h), and its left and north faces.
QPointF Lift(double height) { return {0.28 * height, 0.08 * height}; }
// The light falls from the upper left; shadows stretch down and right.
QPointF ShadowReach(double height) { return {0.50 * height, 0.44 * height}; }

class Shadows {
public:
    void Cast(const QPainterPath& footprint, double height) { casters_.push_back({footprint, height}); }
    void Cast(const QRectF& footprint, double height) {
        QPainterPath path;
        path.addRoundedRect(footprint, 1.0, 1.0);
        Cast(path, height);
    }

    // Darkens what is already drawn under the parts.
    void Apply(QImage& canvas) const {
        struct Band { double minHeight, maxHeight, blur, opacity; bool contact; };
        const Band bands[] = {
            {0, 1e9, 0.9, 0.60, true},   // contact darkening under every part
            {0, 9, 1.4, 0.50, false},
            {9, 30, 3.5, 0.60, false},
            {30, 1e9, 7.0, 0.70, false},
        };
        for (const Band& band : bands)
            ApplyBand(canvas, band.minHeight, band.maxHeight, band.blur, band.opacity, band.contact);
    }

private:
    struct Caster { QPainterPath footprint; double height; };

    void ApplyBand(QImage& canvas, double minHeight, double maxHeight, double blur, double opacity,
                   bool contact) const {
        QImage mask(canvas.size(), QImage::Format_Grayscale8);
        mask.fill(0);
        {
            QPainter p(&mask);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(kOversample, kOversample);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (const Caster& caster : casters_) {
                if (caster.height < minHeight || caster.height >= maxHeight)
                    continue;
                if (contact) {
                    p.setPen(QPen(Qt::white, 1.6));
                    p.drawPath(caster.footprint.translated(0.4, 0.6));
                    p.setPen(Qt::NoPen);
                    continue;
                }
                // Sweep the footprint along the light to cover the whole shadow.
                const QPointF reach = ShadowReach(caster.height);
                const int steps = std::max(1, int(std::hypot(reach.x(), reach.y()) / 0.5));
                for (int i = 0; i <= steps; ++i)
                    p.drawPath(caster.footprint.translated(reach * (double(i) / steps)));
            }
        }
        std::vector<std::uint8_t> alpha(std::size_t(mask.width()) * mask.height());
        for (int y = 0; y < mask.height(); ++y)
            std::copy_n(mask.constScanLine(y), mask.width(), alpha.data() + std::size_t(y) * mask.width());
        BlurChannel(alpha, mask.width(), mask.height(), int(std::lround(blur * kOversample)));
        for (int y = 0; y < canvas.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            const std::uint8_t* a = alpha.data() + std::size_t(y) * canvas.width();
            for (int x = 0; x < canvas.width(); ++x) {
                if (a[x] == 0)
                    continue;
                const double keep = 1.0 - opacity * a[x] / 255.0;
                const QRgb c = row[x];
                row[x] = qRgba(int(qRed(c) * keep), int(qGreen(c) * keep), int(qBlue(c) * keep), qAlpha(c));
            }
        }
    }

    std::vector<Caster> casters_;
};

// ---------------------------------------------------------------------------
// Drawing primitives shared by the parts

void FillPolygon(QPainter& p, const QPolygonF& polygon, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(polygon);
}

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    QPolygonF q;
    q << a << b << c << d;
    return q;
}

// A rectangular solid standing on the board.
struct Solid {
    QRectF base;
    double height;

    QRectF Top() const { return base.translated(Lift(height)); }
    // Painter coordinates on the left face: x = height above the board,
    // y = distance from the north end.
    QTransform LeftFace() const {
        const QPointF d = Lift(1.0);
        return QTransform(d.x(), d.y(), 0, 1, base.left(), base.top());
    }
    // On the north face: x = distance from the west end, y = height.
    QTransform NorthFace() const {
        const QPointF d = Lift(1.0);
        return QTransform(1, 0, d.x(), d.y(), base.left(), base.top());
    }
};

// Sides first, then the caller paints the top.
void DrawSides(QPainter& p, const Solid& s, const QBrush& left, const QBrush& north) {
    const QPointF d = Lift(s.height);
    const QRectF b = s.base;
    FillPolygon(p, Quad(b.topLeft(), b.topRight(), b.topRight() + d, b.topLeft() + d), north);
    FillPolygon(p, Quad(b.topLeft(), b.topLeft() + d, b.bottomLeft() + d, b.bottomLeft()), left);
}

QBrush TopLight(const QRectF& r, const QColor& c, double spread = 0.10) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Scale(c, 1 + spread));
    g.setColorAt(1, Scale(c, 1 - spread));
    return g;
}

// Light catches the upper and left edges of a top face, the others fall dark.
void Bevel(QPainter& p, const QRectF& r, double width, int lightAlpha, int darkAlpha) {
    p.setBrush(Qt::NoBrush);
    const double h = width / 2;
    p.setPen(QPen(QColor(255, 255, 255, lightAlpha), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left() + h, r.bottom() - h), QPointF(r.left() + h, r.top() + h));
    p.drawLine(QPointF(r.left() + h, r.top() + h), QPointF(r.right() - h, r.top() + h));
    p.setPen(QPen(QColor(0, 0, 0, darkAlpha), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.right() - h, r.top() + h), QPointF(r.right() - h, r.bottom() - h));
    p.drawLine(QPointF(r.right() - h, r.bottom() - h), QPointF(r.left() + h, r.bottom() - h));
}

QBrush Metal(QPointF from, QPointF to, const QColor& base) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, Scale(base, 1.18));
    g.setColorAt(0.35, Scale(base, 1.0));
    g.setColorAt(0.55, Scale(base, 0.78));
    g.setColorAt(1.0, Scale(base, 0.95));
    return g;
}

class Fonts {
public:
    Fonts() {
        sans_ = Load("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        sansBold_ = Load("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        condensedBold_ = Load("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf");
    }
    QFont Sans(double pixels, bool bold = false) const { return Make(bold ? sansBold_ : sans_, pixels, bold); }
    QFont Condensed(double pixels) const { return Make(condensedBold_, pixels, true); }

private:
    static QString Load(const QString& file) {
        const int id = QFontDatabase::addApplicationFont(file);
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.front();
    }
    static QFont Make(const QString& family, double pixels, bool bold) {
        QFont f(family);
        f.setPixelSize(std::max(1, int(std::lround(pixels * 4))));  // DrawText scales by a quarter
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::PreferAntialias);
        return f;
    }

    QString sans_, sansBold_, condensedBold_;
};

// Text centred on a point; fonts come in at four times their size so that
// fractional pixel sizes survive.
void DrawText(QPainter& p, const QFont& font, const QPointF& centre, const QString& text, const QColor& colour,
              double angle = 0, Qt::Alignment align = Qt::AlignCenter) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(0.25, 0.25);
    p.setFont(font);
    p.setPen(colour);
    const QRectF box(-2000, -200, 4000, 400);
    QRectF aligned = box;
    if (align & Qt::AlignLeft)
        aligned = QRectF(0, -200, 4000, 400);
    else if (align & Qt::AlignRight)
        aligned = QRectF(-4000, -200, 4000, 400);
    p.drawText(aligned, int((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), text);
    p.restore();
}

// ---------------------------------------------------------------------------
// The board: copper, mask, silkscreen and parts

const QColor kBackground(44, 44, 46);
const QColor kLaminate(14, 64, 36);       // solder mask over bare laminate
const QColor kCopperUnderMask(30, 102, 56);
const QColor kBoardEdge(120, 132, 84);
const QColor kSilk(234, 236, 226);
const QColor kGold(216, 176, 96);
const QColor kTin(196, 198, 200);
const QColor kEpoxy(36, 36, 39);
const QColor kBlackPlastic(30, 30, 32);
const QColor kBeige(224, 210, 176);
const QColor kNylon(236, 232, 218);
const QColor kNickel(178, 182, 184);
const QColor kTerminalGreen(38, 122, 80);

const QRectF kBoardOutline(18, 10, 572, 516);

struct Trace {
    QPolygonF line;
    double width;
};

struct HolePad {
    QPointF centre;
    double ring;
    double hole;
    bool square;
};

using SilkDrawing = std::function<void(QPainter&)>;
using PartDrawing = std::function<void(QPainter&, Shadows&)>;

// Everything placed on the board, gathered first and drawn layer by layer.
struct Layout {
    std::vector<Trace> traces;
    std::vector<QRectF> pads;
    std::vector<QPointF> vias;
    std::vector<HolePad> holes;
    std::vector<QPointF> mountingHoles;
    std::vector<QPointF> fiducials;
    std::vector<SilkDrawing> silk;
    std::vector<PartDrawing> parts;

    void Track(std::initializer_list<QPointF> points, double width = 1.3) {
        traces.push_back({Chamfered(QPolygonF(QList<QPointF>(points)), 3.0), width});
    }
    void Via(QPointF at) { vias.push_back(at); }
};

const Fonts* g_fonts = nullptr;

void SilkRect(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kSilk, 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void SilkLabel(QPainter& p, QPointF at, const QString& text, double size = 7.5, double angle = 0,
               Qt::Alignment align = Qt::AlignCenter) {
    DrawText(p, g_fonts->Condensed(size), at, text, kSilk, angle, align);
}

QRectF Centred(QPointF c, double w, double h) { return QRectF(c.x() - w / 2, c.y() - h / 2, w, h); }

// A reflowed joint: a soft tin fillet where a lead sits on its pad.
void SolderFillet(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), std::max(r.width(), r.height()) * 0.7);
    g.setColorAt(0, QColor(235, 236, 238));
    g.setColorAt(0.5, kTin);
    g.setColorAt(1, QColor(120, 122, 126));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, std::min(r.width(), r.height()) * 0.45, std::min(r.width(), r.height()) * 0.45);
}

// ---------------------------------------------------------------------------
// Small surface-mount parts

enum class PassiveKind { Resistor, Capacitor };

void PlacePassive(Layout& layout, QPointF c, bool vertical, PassiveKind kind, double length = 9.5,
                  double width = 5.0) {
    const QPointF axis = vertical ? QPointF(0, 1) : QPointF(1, 0);
    const auto oriented = [vertical](QPointF centre, double along, double across) {
        return vertical ? Centred(centre, across, along) : Centred(centre, along, across);
    };
    const double padOffset = length * 0.42;
    for (int side : {-1, 1})
        layout.pads.push_back(oriented(c + axis * (side * padOffset), length * 0.42, width * 1.25));

    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const double height = kind == PassiveKind::Capacitor ? 4.5 : 2.6;
        const Solid body{oriented(c, length, width), height};
        shadows.Cast(body.base, height);
        for (int side : {-1, 1})
            SolderFillet(p, oriented(c + axis * (side * (length * 0.5)), length * 0.28, width * 1.0));
        DrawSides(p, body, QColor(70, 66, 60), QColor(96, 92, 84));
        const QRectF top = body.Top();
        const QColor bodyColour = kind == PassiveKind::Capacitor ? QColor(168, 138, 96) : QColor(26, 26, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, bodyColour, 0.12));
        p.drawRect(top);
        const double cap = length * 0.2;
        for (int side : {-1, 1}) {
            const QPointF end = top.center() + axis * (side * (length / 2 - cap / 2));
            const QRectF termination = oriented(end, cap, width);
            p.setBrush(Metal(termination.topLeft(), termination.bottomRight(), kTin));
            p.drawRect(termination);
        }
        if (kind == PassiveKind::Resistor) {
            // The value code, too small to read at this distance.
            p.setPen(QPen(QColor(200, 200, 196, 150), 0.5));
            const QPointF m = top.center();
            const QPointF step = axis * 1.3;
            for (int i = -1; i <= 1; ++i)
                p.drawLine(m + step * i - QPointF(axis.y(), axis.x()) * 0.8, m + step * i + QPointF(axis.y(), axis.x()) * 0.8);
        }
        Bevel(p, top, 0.5, 50, 60);
    });
}

// Gull-wing leads on one, two or four sides of a moulded body.
struct LeadedPackage {
    QPointF centre;
    QSizeF body;
    double height;
    double pitch;
    int perSide;
    double leadLength;
    double leadWidth;
    bool horizontalSides;  // leads on the top and bottom edges
    bool verticalSides;    // leads on the left and right edges
    QString marking;
    QString marking2;
};

struct Lead {
    QRectF foot;
    QRectF pad;
    QPointF outward;
};

std::vector<Lead> LeadsOf(const LeadedPackage& pkg) {
    std::vector<Lead> leads;
    const double first = -(pkg.perSide - 1) * pkg.pitch / 2;
    const double halfW = pkg.body.width() / 2, halfH = pkg.body.height() / 2;
    for (int i = 0; i < pkg.perSide; ++i) {
        const double along = first + i * pkg.pitch;
        if (pkg.verticalSides) {
            for (int side : {-1, 1}) {
                const double x0 = side * halfW, x1 = side * (halfW + pkg.leadLength);
                const QPointF c = pkg.centre + QPointF((x0 + x1) / 2, along);
                Lead lead;
                lead.foot = Centred(c, pkg.leadLength, pkg.leadWidth);
                lead.pad = Centred(c + QPointF(side * 1.2, 0), pkg.leadLength + 2.6, pkg.leadWidth * 1.4);
                lead.outward = QPointF(side, 0);
                leads.push_back(lead);
            }
        }
        if (pkg.horizontalSides) {
            for (int side : {-1, 1}) {
                const double y0 = side * halfH, y1 = side * (halfH + pkg.leadLength);
                const QPointF c = pkg.centre + QPointF(along, (y0 + y1) / 2);
                Lead lead;
                lead.foot = Centred(c, pkg.leadWidth, pkg.leadLength);
                lead.pad = Centred(c + QPointF(0, side * 1.2), pkg.leadWidth * 1.4, pkg.leadLength + 2.6);
                lead.outward = QPointF(0, side);
                leads.push_back(lead);
            }
        }
    }
    return leads;
}

void DrawLead(QPainter& p, const Lead& lead) {
    // The shoulder rises from the body; only the foot rests in solder.
    const QRectF& f = lead.foot;
    const bool across = lead.outward.x() != 0;
    const double split = 0.45;
    QRectF shoulder = f, foot = f;
    if (across) {
        const double w = f.width() * split;
        if (lead.outward.x() > 0) {
            shoulder.setRight(f.left() + w);
            foot.setLeft(f.left() + w);
        } else {
            shoulder.setLeft(f.right() - w);
            foot.setRight(f.right() - w);
        }
    } else {
        const double h = f.height() * split;
        if (lead.outward.y() > 0) {
            shoulder.setBottom(f.top() + h);
            foot.setTop(f.top() + h);
        } else {
            shoulder.setTop(f.bottom() - h);
            foot.setBottom(f.bottom() - h);
        }
    }
    SolderFillet(p, foot.adjusted(-0.3, -0.3, 0.3, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(across ? Metal(shoulder.topLeft(), shoulder.bottomLeft(), QColor(206, 208, 210))
                      : Metal(shoulder.topLeft(), shoulder.topRight(), QColor(206, 208, 210)));
    p.drawRect(shoulder.translated(Lift(1.0)));
}

void PlaceLeaded(Layout& layout, const LeadedPackage& pkg, QColor bodyColour = kEpoxy) {
    for (const Lead& lead : LeadsOf(pkg))
        layout.pads.push_back(lead.pad);
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid body{Centred(pkg.centre, pkg.body.width(), pkg.body.height()), pkg.height};
        shadows.Cast(body.base, pkg.height);
        for (const Lead& lead : LeadsOf(pkg))
            DrawLead(p, lead);
        DrawSides(p, body, Scale(bodyColour, 1.5), Scale(bodyColour, 1.9));
        const QRectF top = body.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, bodyColour, 0.18));
        p.drawRect(top);
        Bevel(p, top, 0.8, 40, 70);
        // Pin one: a moulded dimple.
        const double d = std::min(top.width(), top.height()) * 0.11;
        const QPointF dimple = top.topLeft() + QPointF(d * 1.8, d * 1.8);
        QRadialGradient g(dimple + QPointF(d * 0.3, d * 0.3), d);
        g.setColorAt(0, Scale(bodyColour, 0.6));
        g.setColorAt(0.8, Scale(bodyColour, 0.85));
        g.setColorAt(1, Scale(bodyColour, 1.4));
        p.setBrush(g);
        p.drawEllipse(dimple, d * 0.8, d * 0.8);
        const QColor ink(160, 160, 158, 120);
        const double textSize = std::min(top.width(), top.height()) * 0.16;
        if (!pkg.marking.isEmpty())
            DrawText(p, g_fonts->Sans(textSize, true), top.center() - QPointF(0, pkg.marking2.isEmpty() ? 0 : textSize * 0.7),
                     pkg.marking, ink, top.height() > top.width() * 1.3 ? 90 : 0);
        if (!pkg.marking2.isEmpty())
            DrawText(p, g_fonts->Sans(textSize * 0.8), top.center() + QPointF(0, textSize * 0.8), pkg.marking2, ink,
                     top.height() > top.width() * 1.3 ? 90 : 0);
    });
}

// A surface-mount LED in a white cup with a tinted lens.
void PlaceLed(Layout& layout, QPointF c, QColor lens, const QString& label) {
    const QSizeF body(20, 16);
    for (int side : {-1, 1})
        layout.pads.push_back(Centred(c + QPointF(side * 9.5, 0), 8, 12));
    layout.silk.push_back([=](QPainter& p) {
        const QRectF outline = Centred(c, 28, 22);
        SilkRect(p, outline);
        // Cathode side: a thicker bar.
        p.setPen(QPen(kSilk, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(outline.left() + 1.5, outline.top()), QPointF(outline.left() + 1.5, outline.bottom()));
        SilkLabel(p, c + QPointF(0, 20.5), label, 9.0);
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid s{Centred(c, body.width(), body.height()), 5.0};
        shadows.Cast(s.base, s.height);
        for (int side : {-1, 1})
            SolderFillet(p, Centred(c + QPointF(side * 10.5, 0), 3.5, 9));
        DrawSides(p, s, QColor(190, 186, 176), QColor(214, 210, 200));
        const QRectF top = s.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kNylon, 0.06));
        p.drawRect(top);
        // Cathode mark: a cut corner.
        FillPolygon(p, Quad(top.topLeft(), top.topLeft() + QPointF(4, 0), top.topLeft() + QPointF(0, 4), top.topLeft()),
                    QColor(60, 140, 70));
        const QRectF cup = top.adjusted(3, 2.5, -3, -2.5);
        QRadialGradient resin(cup.center() - QPointF(2, 2), cup.width() * 0.7);
        resin.setColorAt(0, Scale(lens, 1.35));
        resin.setColorAt(0.6, lens);
        resin.setColorAt(1, Scale(lens, 0.6));
        p.setBrush(resin);
        p.drawRoundedRect(cup, 4, 4);
        // The die and its bond wire seen through the resin.
        p.setBrush(QColor(230, 210, 150, 200));
        p.drawRect(Centred(cup.center(), 2.4, 2.4));
        p.setPen(QPen(QColor(230, 220, 180, 140), 0.4));
        p.drawLine(cup.center(), cup.center() + QPointF(4.5, -2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 130));
        p.drawEllipse(QRectF(cup.left() + 2, cup.top() + 1.5, 5, 2.5));
    });
}

// The processor: a square flat pack with leads on all four sides.
void PlaceProcessor(Layout& layout, QPointF c) {
    const LeadedPackage qfp{c, QSizeF(60, 60), 7, 3.2, 16, 9, 1.5, true, true, QStringLiteral("VX-K8"),
                            QStringLiteral("MCU 2418")};
    PlaceLeaded(layout, qfp, QColor(40, 40, 43));
    layout.silk.push_back([=](QPainter& p) {
        const QRectF r = Centred(c, 66, 66);
        p.setPen(QPen(kSilk, 1.1));
        // Corner ticks only: the leads fill the sides.
        const double t = 6;
        for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double sx = corner.x() < c.x() ? 1 : -1, sy = corner.y() < c.y() ? 1 : -1;
            p.drawLine(corner, corner + QPointF(sx * t, 0));
            p.drawLine(corner, corner + QPointF(0, sy * t));
        }
        p.setBrush(kSilk);
        p.drawEllipse(r.topLeft() + QPointF(-5, -5), 1.6, 1.6);
        SilkLabel(p, r.bottomRight() + QPointF(8, 8), QStringLiteral("U1"));
    });
}

// ---------------------------------------------------------------------------
// Tall parts

// Ethernet socket: shielded box, its mouth facing off the left edge.
void PlaceEthernetSocket(Layout& layout) {
    const Solid s{QRectF(2, 190, 106, 86), 80};
    for (double y : {187.0, 279.0})
        layout.pads.push_back(Centred(QPointF(84, y), 16, 7));
    layout.silk.push_back([=](QPainter& p) {
        p.setPen(QPen(kSilk, 1.1));
        const QRectF r = s.base.adjusted(0, -3, 3, 3);
        p.drawLine(QPointF(kBoardOutline.left() + 3, r.top()), r.topRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomRight(), QPointF(kBoardOutline.left() + 3, r.bottom()));
        SilkLabel(p, QPointF(52, 176), QStringLiteral("ETH"), 10.0);
        SilkLabel(p, QPointF(122, 286), QStringLiteral("J1"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        shadows.Cast(s.base, s.height);
        // Shield tabs soldered through the board.
        for (double y : {186.0, 280.0})
            SolderFillet(p, Centred(QPointF(86, y), 12, 6));
        DrawSides(p, s, Metal(QPointF(0, 190), QPointF(0, 276), Scale(kNickel, 1.05)), Scale(kNickel, 1.12));

        // The mouth, on the left face.
        p.save();
        p.setTransform(s.LeftFace(), true);
        const double len = s.base.height();
        // Stamped frame round the mouth.
        p.setPen(QPen(QColor(110, 112, 114), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5, 11, 56, len - 22));
        QLinearGradient hole(0, 0, 60, 0);
        hole.setColorAt(0, QColor(8, 8, 9));
        hole.setColorAt(1, QColor(26, 26, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(hole);
        QPainterPath mouth;
        mouth.addRect(QRectF(8, 15, 50, len - 30));
        mouth.addRect(QRectF(2, 34, 8, len - 68));  // the latch slot
        mouth.setFillRule(Qt::WindingFill);
        p.drawPath(mouth.simplified());
        // Eight contact springs glint at the back of the mouth.
        for (int i = 0; i < 8; ++i) {
            const double y = 22 + i * (len - 44) / 7.0;
            p.setBrush(QColor(232, 196, 110));
            p.drawRect(QRectF(44, y - 0.9, 12, 1.8));
        }
        // The two indicator lenses at the top corners.
        const std::array<QColor, 2> leds{QColor(110, 230, 120), QColor(250, 184, 60)};
        for (int i = 0; i < 2; ++i) {
            const QRectF lensRect(63, i == 0 ? 3 : len - 13, 12, 10);
            QLinearGradient g(lensRect.topLeft(), lensRect.bottomRight());
            g.setColorAt(0, Scale(leds[i], 1.25));
            g.setColorAt(1, Scale(leds[i], 0.7));
            p.setBrush(g);
            p.drawRect(lensRect);
        }
        p.restore();

        // Top: drawn steel with a stamped panel and two vent holes.
        const QRectF top = s.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kNickel, 0.14));
        p.drawRect(top);
        Random grain(kSeed ^ 0xE7);
        for (int i = 0; i < 140; ++i) {
            const double y = top.top() + grain.Uniform() * top.height();
            p.setPen(QPen(grain.Uniform() < 0.5 ? QColor(255, 255, 255, 26) : QColor(0, 0, 0, 22), 0.4));
            p.drawLine(QPointF(top.left(), y), QPointF(top.right(), y));
        }
        const QRectF panel = top.adjusted(14, 12, -16, -12);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
        p.drawRoundedRect(panel.translated(-0.6, -0.6), 3, 3);
        p.setPen(QPen(QColor(0, 0, 0, 80), 1.0));
        p.drawRoundedRect(panel.translated(0.6, 0.6), 3, 3);
        for (double y : {top.top() + 22, top.bottom() - 22}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 62, 64));
            p.drawEllipse(QPointF(top.right() - 8, y), 2.2, 2.2);
        }
        // Grounding fingers at the mouth.
        for (double y : {top.top() + 26, top.bottom() - 26}) {
            const QRectF finger(top.left() + 2, y - 5, 9, 10);
            p.setBrush(Metal(finger.topLeft(), finger.bottomLeft(), Scale(kNickel, 1.1)));
            p.drawRoundedRect(finger, 2, 2);
            p.setPen(QPen(QColor(0, 0, 0, 70), 0.6));
            p.drawLine(finger.topRight(), finger.bottomRight());
            p.setPen(Qt::NoPen);
        }
        Bevel(p, top, 1.2, 120, 80);
    });
}

// Barrel socket for the 12 V supply, its mouth off the left edge.
void PlaceBarrelJack(Layout& layout) {
    const Solid s{QRectF(2, 394, 87, 58), 55};
    layout.pads.push_back(QRectF(86, 412, 14, 24));
    layout.pads.push_back(QRectF(46, 451, 22, 8));
    layout.silk.push_back([=](QPainter& p) {
        p.setPen(QPen(kSilk, 1.1));
        const QRectF r = s.base.adjusted(0, -3, 3, 3);
        p.drawLine(QPointF(kBoardOutline.left() + 3, r.top()), r.topRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomRight(), QPointF(kBoardOutline.left() + 3, r.bottom()));
        SilkLabel(p, QPointF(36, 469), QStringLiteral("J2"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        shadows.Cast(s.base, s.height);
        SolderFillet(p, QRectF(88, 414, 11, 20));
        SolderFillet(p, QRectF(48, 451, 18, 6));
        DrawSides(p, s, QColor(46, 46, 50), QColor(64, 64, 68));
        p.save();
        p.setTransform(s.LeftFace(), true);
        const QPointF mouth(28, s.base.height() / 2);
        p.setPen(Qt::NoPen);
        QRadialGradient boss(mouth - QPointF(4, 4), 20);
        boss.setColorAt(0, QColor(110, 110, 116));
        boss.setColorAt(1, QColor(50, 50, 54));
        p.setBrush(boss);
        p.drawEllipse(mouth, 19, 19);
        p.setBrush(QColor(6, 6, 7));
        p.drawEllipse(mouth, 13, 13);
        QRadialGradient pin(mouth - QPointF(1, 1), 4);
        pin.setColorAt(0, QColor(240, 240, 236));
        pin.setColorAt(1, QColor(120, 120, 118));
        p.setBrush(pin);
        p.drawEllipse(mouth, 3.6, 3.6);
        p.restore();

        // A rounded moulding: light runs along its crown.
        const QRectF top = s.Top();
        QLinearGradient crown(top.topLeft(), top.bottomLeft());
        crown.setColorAt(0, QColor(38, 38, 41));
        crown.setColorAt(0.28, QColor(92, 92, 97));
        crown.setColorAt(0.5, QColor(48, 48, 52));
        crown.setColorAt(1, QColor(22, 22, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(crown);
        p.drawRoundedRect(top, 5, 5);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
        p.drawLine(QPointF(top.left() + 24, top.top() + 2), QPointF(top.left() + 24, top.bottom() - 2));
        p.setPen(QPen(QColor(255, 255, 255, 35), 1.0));
        p.drawLine(QPointF(top.left() + 25.2, top.top() + 2), QPointF(top.left() + 25.2, top.bottom() - 2));
        Bevel(p, top, 0.9, 60, 90);
    });
}

// Two-way screw terminal for the supply, wire entries facing left.
void PlaceScrewTerminal(Layout& layout) {
    const Solid s{QRectF(40, 306, 51, 68), 52};
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, s.base.adjusted(-3, -3, 3, 3));
        SilkLabel(p, QPointF(111, 327), QStringLiteral("12V"), 10.0, 0, Qt::AlignLeft);
        SilkLabel(p, QPointF(111, 361), QStringLiteral("GND"), 10.0, 0, Qt::AlignLeft);
        SilkLabel(p, QPointF(66, 298), QStringLiteral("J3"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        shadows.Cast(s.base, s.height);
        DrawSides(p, s, Scale(kTerminalGreen, 0.9), Scale(kTerminalGreen, 1.15));
        p.save();
        p.setTransform(s.LeftFace(), true);
        for (double y0 : {0.0, 34.0}) {
            const QRectF entry(9, y0 + 6, 24, 22);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(12, 30, 20));
            p.drawRect(entry);
            // The clamp cage inside the entry.
            const QRectF cage = entry.adjusted(3, 3, -3, -3);
            p.setBrush(Metal(cage.topLeft(), cage.bottomLeft(), QColor(170, 172, 170)));
            p.drawRect(cage);
            p.setBrush(QColor(20, 20, 20));
            p.drawRect(cage.adjusted(3, 4, -3, -4));
        }
        p.setPen(QPen(QColor(0, 0, 0, 90), 1.2));
        p.drawLine(QPointF(0, 34), QPointF(52, 34));
        p.restore();

        const QRectF top = s.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kTerminalGreen, 0.16));
        p.drawRect(top);
        p.setPen(QPen(QColor(0, 0, 0, 80), 1.0));
        p.drawLine(QPointF(top.left(), top.center().y()), QPointF(top.right(), top.center().y()));
        const double slotAngles[] = {28, -17};
        for (int i = 0; i < 2; ++i) {
            const QPointF centre(top.left() + 27, top.top() + 17 + 34 * i);
            QRadialGradient well(centre + QPointF(3, 3), 13);
            well.setColorAt(0, QColor(10, 30, 20));
            well.setColorAt(1, Scale(kTerminalGreen, 0.5));
            p.setPen(Qt::NoPen);
            p.setBrush(well);
            p.drawEllipse(centre, 12.5, 12.5);
            QRadialGradient head(centre - QPointF(3.5, 3.5), 13);
            head.setColorAt(0, QColor(245, 245, 242));
            head.setColorAt(0.5, QColor(184, 186, 186));
            head.setColorAt(1, QColor(96, 98, 100));
            p.setBrush(head);
            p.drawEllipse(centre, 10, 10);
            p.save();
            p.translate(centre);
            p.rotate(slotAngles[i]);
            p.setBrush(QColor(40, 40, 42));
            p.drawRect(QRectF(-9.5, -1.4, 19, 2.8));
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawRect(QRectF(-9.5, 1.4, 19, 0.7));
            p.restore();
        }
        Bevel(p, top, 1.0, 70, 80);
    });
}

// Pin header for the first output: a shrouded two-way nylon housing.
void PlaceTwoPinHeader(Layout& layout) {
    const Solid s{QRectF(521, 54, 59, 38), 30};
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, s.base.adjusted(-3, -3, 3, 3));
        SilkLabel(p, QPointF(512, 74), QStringLiteral("IDO 0"), 10.0, 0, Qt::AlignRight);
        SilkLabel(p, QPointF(524, 106), QStringLiteral("J4"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        shadows.Cast(s.base, s.height);
        DrawSides(p, s, Scale(kNylon, 0.86), Scale(kNylon, 0.95));
        const QRectF top = s.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kNylon, 0.05));
        p.drawRoundedRect(top, 1.5, 1.5);
        // The floor of the shroud, shaded by its walls.
        const QRectF floor = top.adjusted(4, 8, -4, -4);
        QLinearGradient depth(floor.topLeft(), floor.bottomRight());
        depth.setColorAt(0, Scale(kNylon, 0.55));
        depth.setColorAt(0.3, Scale(kNylon, 0.8));
        depth.setColorAt(1, Scale(kNylon, 0.88));
        p.setBrush(depth);
        p.drawRect(floor);
        // Friction ramp on the outside of the north wall.
        p.setBrush(Scale(kNylon, 1.04));
        p.drawRect(QRectF(top.center().x() - 12, top.top() + 1, 24, 5));
        p.setPen(QPen(QColor(0, 0, 0, 60), 0.7));
        p.drawLine(QPointF(top.center().x() - 12, top.top() + 6), QPointF(top.center().x() + 12, top.top() + 6));
        for (int side : {-1, 1}) {
            const QPointF pin = floor.center() + QPointF(side * 11.3, 0);
            const Solid post{Centred(pin - Lift(12), 6, 6), 12};
            DrawSides(p, post, QColor(150, 136, 90), QColor(190, 170, 110));
            const QRectF head = post.Top();
            p.setPen(Qt::NoPen);
            p.setBrush(Metal(head.topLeft(), head.bottomRight(), QColor(220, 190, 110)));
            p.drawRect(head);
        }
        Bevel(p, top, 0.9, 90, 60);
    });
}

// Output connector: three columns by five rows of pins in a beige housing.
void PlaceOutputConnector(Layout& layout) {
    const Solid s{QRectF(452, 182, 128, 213), 40};
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, s.base.adjusted(-3, -3, 3, 3));
        SilkLabel(p, QPointF(512, 168), QStringLiteral("IDO 1-7"), 10.0);
        SilkLabel(p, QPointF(445, 190), QStringLiteral("1"), 7.5);
        SilkLabel(p, QPointF(445, 392), QStringLiteral("15"), 7.5, 0, Qt::AlignRight);
        SilkLabel(p, QPointF(572, 172), QStringLiteral("J5"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        shadows.Cast(s.base, s.height);
        DrawSides(p, s, Scale(kBeige, 0.86), Scale(kBeige, 0.97));
        p.save();
        p.setTransform(s.LeftFace(), true);
        // Key ribs between the rows.
        for (int row = 1; row < 5; ++row) {
            const double y = row * s.base.height() / 5;
            p.setPen(QPen(QColor(0, 0, 0, 45), 2.0));
            p.drawLine(QPointF(6, y), QPointF(s.height - 4, y));
        }
        p.restore();
        const QRectF top = s.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kBeige, 0.07));
        p.drawRoundedRect(top, 2.5, 2.5);
        const double cellW = top.width() / 3, cellH = top.height() / 5;
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 3; ++col) {
                const QPointF centre = top.topLeft() + QPointF((col + 0.5) * cellW, (row + 0.5) * cellH);
                const QRectF cavity = Centred(centre, 28, 28);
                QLinearGradient depth(cavity.topLeft(), cavity.bottomRight());
                depth.setColorAt(0, QColor(70, 62, 46));
                depth.setColorAt(0.45, QColor(140, 128, 100));
                depth.setColorAt(1, QColor(176, 164, 132));
                p.setBrush(depth);
                p.drawRoundedRect(cavity, 2, 2);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(255, 255, 255, 120), 0.9));
                p.drawLine(cavity.bottomLeft() + QPointF(1, 0.6), cavity.bottomRight() + QPointF(-1, 0.6));
                p.drawLine(cavity.topRight() + QPointF(0.6, 1), cavity.bottomRight() + QPointF(0.6, -1));
                p.setPen(Qt::NoPen);
                // The pin rises out of the cavity floor.
                const Solid post{Centred(centre - Lift(14), 7, 7), 14};
                DrawSides(p, post, QColor(150, 132, 80), QColor(196, 172, 110));
                p.setBrush(Metal(post.Top().topLeft(), post.Top().bottomRight(), QColor(226, 192, 112)));
                p.drawRect(post.Top());
            }
        }
        // Pin one, moulded into the housing.
        FillPolygon(p, Quad(top.topLeft() + QPointF(3, 3), top.topLeft() + QPointF(11, 3),
                            top.topLeft() + QPointF(3, 11), top.topLeft() + QPointF(3, 3)),
                    Scale(kBeige, 0.72));
        Bevel(p, top, 1.2, 110, 70);
    });
}

// SMD aluminium electrolytic: a can on a square plastic seat.
void PlaceElectrolytic(Layout& layout, QPointF c, double radius, double height, const QString& value,
                       const QString& ref) {
    const double seat = radius * 2 + 4;
    for (int side : {-1, 1})
        layout.pads.push_back(Centred(c + QPointF(side * (seat / 2 + 1), 0), 12, 12));
    layout.silk.push_back([=](QPainter& p) {
        const QRectF r = Centred(c, seat + 6, seat + 6);
        p.setPen(QPen(kSilk, 1.1));
        p.setBrush(Qt::NoBrush);
        QPolygonF outline;
        outline << r.topLeft() + QPointF(8, 0) << r.topRight() << r.bottomRight() << r.bottomLeft() + QPointF(8, 0)
                << r.bottomLeft() + QPointF(0, -8) << r.topLeft() + QPointF(0, 8) << r.topLeft() + QPointF(8, 0);
        p.drawPolyline(outline);
        SilkLabel(p, r.topRight() + QPointF(-6, -7), ref);
        SilkLabel(p, r.bottomLeft() + QPointF(-5, -6), QStringLiteral("+"), 10);
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        QPainterPath footprint;
        footprint.addEllipse(c, radius, radius);
        shadows.Cast(footprint, height);
        shadows.Cast(Centred(c, seat, seat), 4);
        for (int side : {-1, 1})
            SolderFillet(p, Centred(c + QPointF(side * (seat / 2 + 2), 0), 7, 8));
        const Solid plinth{Centred(c, seat, seat), 4};
        DrawSides(p, plinth, QColor(40, 40, 42), QColor(58, 58, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(32, 32, 34));
        QPolygonF seatTop;
        const QRectF st = plinth.Top();
        seatTop << st.topLeft() + QPointF(6, 0) << st.topRight() << st.bottomRight() << st.bottomLeft() + QPointF(6, 0)
                << st.bottomLeft() + QPointF(0, -6) << st.topLeft() + QPointF(0, 6);
        p.drawPolygon(seatTop);

        // The can: a cylinder whose top is shifted by the view.
        const QPointF base = c + Lift(4), top = c + Lift(height);
        const QPointF across = Normalised(QPointF(-(top - base).y(), (top - base).x())) * radius;
        QLinearGradient side(base + across, base - across);
        side.setColorAt(0, QColor(120, 124, 128));
        side.setColorAt(0.3, QColor(210, 212, 214));
        side.setColorAt(0.7, QColor(150, 152, 156));
        side.setColorAt(1, QColor(90, 92, 96));
        p.setBrush(side);
        p.drawEllipse(base, radius, radius);
        p.drawPolygon(Quad(base + across, top + across, top - across, base - across));
        QRadialGradient lid(top - QPointF(radius * 0.4, radius * 0.4), radius * 1.4);
        lid.setColorAt(0, QColor(238, 240, 242));
        lid.setColorAt(0.6, QColor(196, 198, 202));
        lid.setColorAt(1, QColor(150, 152, 156));
        p.setBrush(lid);
        p.drawEllipse(top, radius, radius);
        // The negative marking: a black crescent printed on the lid.
        QPainterPath lidPath, mark;
        lidPath.addEllipse(top, radius - 0.6, radius - 0.6);
        mark.addRect(QRectF(top.x() + radius * 0.45, top.y() - radius, radius, radius * 2));
        p.setBrush(QColor(24, 24, 28));
        p.drawPath(lidPath.intersected(mark));
        // Pressure vent scored in a cross.
        p.setPen(QPen(QColor(120, 122, 126), 0.9));
        p.drawLine(top + QPointF(-radius * 0.42, 0), top + QPointF(radius * 0.42, 0));
        p.drawLine(top + QPointF(0, -radius * 0.42), top + QPointF(0, radius * 0.42));
        p.setPen(QPen(QColor(255, 255, 255, 120), 0.6));
        p.drawLine(top + QPointF(-radius * 0.42, 0.8), top + QPointF(radius * 0.42, 0.8));
        DrawText(p, g_fonts->Sans(radius * 0.36, true), top + QPointF(-radius * 0.2, -radius * 0.5), value,
                 QColor(30, 30, 34, 220));
        DrawText(p, g_fonts->Sans(radius * 0.3, true), top + QPointF(-radius * 0.2, radius * 0.5), QStringLiteral("25V"),
                 QColor(30, 30, 34, 220));
        p.setPen(QPen(QColor(255, 255, 255, 140), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(top.x() - radius + 0.6, top.y() - radius + 0.6, radius * 2 - 1.2, radius * 2 - 1.2), 100 * 16, 90 * 16);
    });
}

// Shielded power inductor.
void PlaceInductor(Layout& layout, QPointF c) {
    for (int side : {-1, 1})
        layout.pads.push_back(Centred(c + QPointF(side * 16, 0), 10, 20));
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, Centred(c, 40, 40));
        SilkLabel(p, c + QPointF(0, -26), QStringLiteral("L1"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid s{Centred(c, 32, 32), 18};
        QPainterPath footprint;
        footprint.addRoundedRect(s.base, 5, 5);
        shadows.Cast(footprint, s.height);
        for (int side : {-1, 1})
            SolderFillet(p, Centred(c + QPointF(side * 17.5, 0), 5, 14));
        DrawSides(p, s, QColor(54, 54, 56), QColor(72, 72, 76));
        const QRectF top = s.Top();
        QRadialGradient g(top.topLeft() + QPointF(8, 8), 40);
        g.setColorAt(0, QColor(74, 74, 78));
        g.setColorAt(1, QColor(30, 30, 32));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(top, 5, 5);
        DrawText(p, g_fonts->Sans(8, true), top.center(), QStringLiteral("100"), QColor(190, 190, 186, 190));
        p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(top.adjusted(0.6, 0.6, -0.6, -0.6), 5, 5);
    });
}

// The regulator: a power package whose tab is soldered flat to the board.
void PlaceRegulator(Layout& layout, QPointF c) {
    const QRectF tabPad = QRectF(c.x() + 12, c.y() - 16, 18, 32);
    layout.pads.push_back(tabPad);
    for (double dy : {-7.0, 7.0})
        layout.pads.push_back(Centred(c + QPointF(-21, dy), 12, 5.5));
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, QRectF(c.x() - 30, c.y() - 20, 62, 40));
        SilkLabel(p, c + QPointF(0, 27), QStringLiteral("U2"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid body{Centred(c + QPointF(-2, 0), 28, 28), 11};
        shadows.Cast(body.base, body.height);
        const QRectF tab(c.x() + 12, c.y() - 13, 12, 26);
        SolderFillet(p, QRectF(tab.right() - 5, tab.top() - 1.5, 8, tab.height() + 3));
        p.setBrush(Metal(tab.topLeft(), tab.bottomLeft(), QColor(168, 170, 174)));
        p.setPen(Qt::NoPen);
        p.drawRect(tab);
        p.setBrush(Scale(kGold, 0.9));
        p.drawEllipse(QPointF(tab.right(), tab.center().y()), 2.5, 3.5);
        for (double dy : {-7.0, 7.0}) {
            const QRectF lead = Centred(c + QPointF(-20, dy), 8, 3.2);
            SolderFillet(p, lead.adjusted(-2, -0.8, 0, 0.8));
            p.setBrush(Metal(lead.topLeft(), lead.bottomLeft(), QColor(210, 212, 214)));
            p.drawRect(lead.translated(Lift(1.5)));
        }
        DrawSides(p, body, QColor(58, 58, 62), QColor(76, 76, 80));
        const QRectF top = body.Top();
        p.setBrush(TopLight(top, kEpoxy, 0.2));
        p.drawRect(top);
        DrawText(p, g_fonts->Sans(5, true), top.center() + QPointF(0, -3), QStringLiteral("LD33"), QColor(170, 170, 168, 170));
        DrawText(p, g_fonts->Sans(4), top.center() + QPointF(0, 4), QStringLiteral("2331"), QColor(170, 170, 168, 170));
        Bevel(p, top, 0.8, 40, 70);
    });
}

// A moulded rectifier diode with its cathode band.
void PlaceDiode(Layout& layout, QPointF c, const QString& ref) {
    for (int side : {-1, 1})
        layout.pads.push_back(Centred(c + QPointF(side * 14, 0), 10, 11));
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, Centred(c, 40, 18));
        p.setPen(QPen(kSilk, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(14, -9), c + QPointF(14, 9));
        SilkLabel(p, c + QPointF(0, -15), ref);
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid body{Centred(c, 24, 14), 7};
        shadows.Cast(body.base, body.height);
        for (int side : {-1, 1}) {
            const QRectF lead = Centred(c + QPointF(side * 14, 0), 7, 8);
            SolderFillet(p, lead);
        }
        DrawSides(p, body, QColor(64, 64, 66), QColor(80, 80, 84));
        const QRectF top = body.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, QColor(44, 44, 46), 0.2));
        p.drawRoundedRect(top, 1.5, 1.5);
        p.setBrush(QColor(170, 170, 168));
        p.drawRect(QRectF(top.right() - 6, top.top(), 3, top.height()));
    });
}

// Small three-lead transistor package.
void PlaceSot23(Layout& layout, QPointF c, const QString& ref) {
    const std::array<QPointF, 3> leads{c + QPointF(-5.4, 6.5), c + QPointF(5.4, 6.5), c + QPointF(0, -6.5)};
    for (QPointF lead : leads)
        layout.pads.push_back(Centred(lead + QPointF(0, lead.y() > c.y() ? 1 : -1), 5, 6));
    layout.silk.push_back([=](QPainter& p) { SilkLabel(p, c + QPointF(12, -3), ref, 6.5, 0, Qt::AlignLeft); });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid body{Centred(c, 16, 8), 6};
        shadows.Cast(body.base, body.height);
        for (QPointF lead : leads) {
            const QRectF foot = Centred(lead, 2.6, 5);
            SolderFillet(p, foot.adjusted(-0.6, -0.6, 0.6, 0.6));
            p.setPen(Qt::NoPen);
            p.setBrush(Metal(foot.topLeft(), foot.topRight(), QColor(206, 208, 210)));
            p.drawRect(foot.translated(Lift(1.5)));
        }
        DrawSides(p, body, QColor(62, 62, 66), QColor(80, 80, 84));
        const QRectF top = body.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, kEpoxy, 0.2));
        p.drawRect(top);
        DrawText(p, g_fonts->Sans(3.6, true), top.center(), QStringLiteral("W1K"), QColor(160, 160, 158, 120));
        Bevel(p, top, 0.6, 40, 60);
    });
}

// HC-49 crystal: a drawn steel can with rounded ends.
void PlaceCrystal(Layout& layout, QPointF c) {
    layout.silk.push_back([=](QPainter& p) {
        p.setPen(QPen(kSilk, 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(Centred(c, 26, 58), 12, 12);
        SilkLabel(p, c + QPointF(-20, -24), QStringLiteral("Y1"));
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const double height = 18;
        QPainterPath can;
        can.addRoundedRect(Centred(c, 20, 52), 10, 10);
        shadows.Cast(can, height);
        const QPointF d = Lift(height);
        // The side: the outline swept from the board to the top.
        QLinearGradient side(c + QPointF(-10, 0), c + QPointF(10 + d.x(), 0));
        side.setColorAt(0, QColor(140, 142, 146));
        side.setColorAt(1, QColor(110, 112, 116));
        p.setPen(Qt::NoPen);
        p.setBrush(side);
        for (int i = 0; i <= 12; ++i)
            p.drawPath(can.translated(d * (i / 12.0)));
        const QPainterPath top = can.translated(d);
        QLinearGradient lid(top.boundingRect().topLeft(), top.boundingRect().topRight());
        lid.setColorAt(0, QColor(150, 152, 156));
        lid.setColorAt(0.25, QColor(236, 238, 240));
        lid.setColorAt(0.5, QColor(190, 192, 196));
        lid.setColorAt(1, QColor(128, 130, 134));
        p.setBrush(lid);
        p.drawPath(top);
        DrawText(p, g_fonts->Sans(5.5, true), c + d, QStringLiteral("25.000"), QColor(70, 72, 76, 200), 90);
    });
}

// Six-millimetre tact switch for reset.
void PlaceResetSwitch(Layout& layout, QPointF c) {
    for (int sx : {-1, 1})
        for (int sy : {-1, 1})
            layout.pads.push_back(Centred(c + QPointF(sx * 19, sy * 11), 9, 7));
    layout.silk.push_back([=](QPainter& p) {
        SilkRect(p, Centred(c, 34, 34));
        SilkLabel(p, c + QPointF(0, 25), QStringLiteral("RST"), 9);
    });
    layout.parts.push_back([=](QPainter& p, Shadows& shadows) {
        const Solid body{Centred(c, 30, 30), 10};
        shadows.Cast(body.base, body.height);
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) {
                const QRectF leg = Centred(c + QPointF(sx * 18, sy * 11), 7, 3.5);
                SolderFillet(p, leg.adjusted(-1, -1, 1, 1));
                p.setPen(Qt::NoPen);
                p.setBrush(Metal(leg.topLeft(), leg.bottomLeft(), QColor(205, 206, 208)));
                p.drawRect(leg.translated(Lift(1.5)));
            }
        DrawSides(p, body, QColor(50, 50, 52), QColor(70, 70, 74));
        const QRectF top = body.Top();
        p.setPen(Qt::NoPen);
        p.setBrush(TopLight(top, QColor(196, 198, 200), 0.15));
        p.drawRect(top);
        p.setBrush(QColor(60, 60, 62));
        for (QPointF corner : {top.topLeft(), top.topRight(), top.bottomLeft(), top.bottomRight()})
            p.drawEllipse(corner + (top.center() - corner) * 0.16, 1.6, 1.6);
        Bevel(p, top, 0.9, 110, 80);
        // The plunger stands proud of the frame.
        const QPointF foot = top.center(), crown = c + Lift(20);
        p.setBrush(QColor(24, 24, 26));
        p.drawEllipse(foot, 9, 9);
        const QPointF across = Normalised(QPointF(-(crown - foot).y(), (crown - foot).x())) * 9;
        p.drawPolygon(Quad(foot + across, crown + across, crown - across, foot - across));
        QRadialGradient cap(crown - QPointF(3, 3), 11);
        cap.setColorAt(0, QColor(80, 80, 84));
        cap.setColorAt(1, QColor(20, 20, 22));
        p.setBrush(cap);
        p.drawEllipse(crown, 9, 9);
    });
}

// ---------------------------------------------------------------------------
// Where everything goes

void PlaceHoles(Layout& layout) {
    layout.mountingHoles = {{38, 30}, {570, 30}, {38, 506}, {570, 506}};
    layout.fiducials = {{150, 28}, {470, 508}};
    // Programming header, not fitted.
    for (int i = 0; i < 6; ++i)
        layout.holes.push_back({QPointF(242.2 + 14.5 * i, 52), 4.6, 2.1, i == 0});
    layout.silk.push_back([](QPainter& p) {
        SilkRect(p, QRectF(233, 43, 91, 18));
        SilkLabel(p, QPointF(278, 35), QStringLiteral("PROG"), 8.5);
    });
    // Test points.
    const std::array<std::pair<QPointF, const char*>, 3> points{{{{150, 150}, "TP1"}, {{356, 254}, "TP2"}, {{128, 480}, "TP3"}}};
    for (const auto& [at, name] : points) {
        layout.holes.push_back({at, 3.4, 0, false});
        layout.silk.push_back([at = at, name = QString::fromLatin1(name)](QPainter& p) {
            SilkLabel(p, at + QPointF(0, -8), name, 6.5);
        });
    }
}

void PlaceParts(Layout& layout) {
    const QPointF cpu(263, 164.7);
    PlaceProcessor(layout, cpu);
    PlaceEthernetSocket(layout);
    PlaceBarrelJack(layout);
    PlaceScrewTerminal(layout);
    PlaceTwoPinHeader(layout);
    PlaceOutputConnector(layout);
    PlaceLed(layout, {38, 113}, QColor(70, 200, 96), QStringLiteral("PWR"));
    PlaceLed(layout, {76, 113}, QColor(246, 170, 40), QStringLiteral("ACT"));

    PlaceLeaded(layout, {{178, 236}, QSizeF(26, 42), 12, 5.1, 8, 6, 2.4, false, true, QStringLiteral("LAN"),
                         QStringLiteral("16T")});
    PlaceLeaded(layout, {{392, 86}, QSizeF(28, 22), 8, 7.2, 4, 6, 2.4, true, false, QStringLiteral("24C64"),
                         QStringLiteral("")});
    for (int i = 0; i < 8; ++i)
        PlaceLeaded(layout, {{196.0 + 32 * i, 326}, QSizeF(20, 22), 10, 13, 2, 6, 3.6, true, false,
                             QStringLiteral("817"), QString()});
    layout.silk.push_back([](QPainter& p) {
        SilkLabel(p, QPointF(178, 276), QStringLiteral("T1"));
        SilkLabel(p, QPointF(420, 74), QStringLiteral("U3"));
        for (int i = 0; i < 8; ++i) {
            const QPointF c(196.0 + 32 * i, 326);
            p.setPen(QPen(kSilk, 1.0));
            p.setBrush(kSilk);
            p.drawEllipse(c + QPointF(-13, -16), 1.1, 1.1);
            SilkLabel(p, c + QPointF(0, 49), QStringLiteral("U%1").arg(5 + i), 6.5);
        }
        SilkLabel(p, QPointF(306, 398), QStringLiteral("ISOLATED OUTPUTS"), 6.5);
    });

    PlaceCrystal(layout, {340, 184});
    PlaceResetSwitch(layout, {404, 236});
    PlaceDiode(layout, {134, 423}, QStringLiteral("D1"));
    PlaceDiode(layout, {500, 424}, QStringLiteral("D4"));
    PlaceDiode(layout, {500, 492}, QStringLiteral("D5"));
    PlaceSot23(layout, {96, 52}, QStringLiteral("Q1"));
    PlaceSot23(layout, {132, 62}, QStringLiteral("Q2"));
    PlaceSot23(layout, {186, 62}, QStringLiteral("D2"));
    PlaceRegulator(layout, {184, 444});
    PlaceElectrolytic(layout, {246, 446}, 18, 40, QStringLiteral("220"), QStringLiteral("C1"));
    PlaceInductor(layout, {306, 446});

    using PK = PassiveKind;
    const std::array<std::tuple<QPointF, bool, PK>, 22> passives{{
        {{122, 106}, false, PK::Resistor},  {{122, 121}, false, PK::Resistor},
        {{228, 112}, false, PK::Capacitor}, {{318, 128}, false, PK::Capacitor},
        {{236, 220}, false, PK::Capacitor}, {{306, 226}, true, PK::Capacitor},
        {{178, 204}, false, PK::Capacitor}, {{178, 268}, false, PK::Capacitor},
        {{142, 202}, false, PK::Resistor},  {{142, 270}, false, PK::Resistor},
        {{320, 226}, true, PK::Capacitor},  {{360, 226}, true, PK::Capacitor},
        {{160, 474}, false, PK::Capacitor}, {{206, 480}, false, PK::Capacitor},
        {{344, 418}, false, PK::Capacitor}, {{344, 476}, false, PK::Capacitor},
        {{366, 112}, true, PK::Resistor},   {{420, 110}, true, PK::Capacitor},
        {{380, 212}, true, PK::Resistor},   {{100, 146}, false, PK::Resistor},
        {{206, 134}, true, PK::Capacitor},  {{330, 250}, false, PK::Resistor},
    }};
    for (const auto& [at, vertical, kind] : passives)
        PlacePassive(layout, at, vertical, kind);
    // Output resistors under the optocouplers.
    for (int i = 0; i < 8; ++i)
        PlacePassive(layout, {189.5 + 32 * i, 359}, true, PK::Resistor);
}

void PlaceTraces(Layout& layout) {
    // Ethernet: socket to magnetics, straight pairs.
    for (double y : {218.15, 223.25, 248.75, 253.85})
        layout.Track({{96, y}, {158, y}}, 1.4);
    // Centre taps to the termination resistors.
    layout.Track({{158, 228.35}, {150, 228.35}, {150, 210}, {147, 202}}, 1.2);
    layout.Track({{158, 243.65}, {150, 243.65}, {150, 262}, {147, 270}}, 1.2);
    layout.Track({{137, 202}, {132, 202}, {132, 190}}, 1.2);
    layout.Track({{137, 270}, {132, 270}, {132, 290}}, 1.2);
    layout.Via({132, 190});
    layout.Via({132, 290});
    // Magnetics to the processor.
    layout.Track({{199, 218.15}, {204, 218.15}, {204, 172}, {209.7, 166.3}, {222, 166.3}}, 1.2);
    layout.Track({{199, 223.25}, {208, 223.25}, {208, 175.5}, {214, 169.5}, {222, 169.5}}, 1.2);
    layout.Track({{199, 248.75}, {212, 248.75}, {212, 185.1}, {218, 179.1}, {222, 179.1}}, 1.2);
    layout.Track({{199, 253.85}, {216, 253.85}, {216, 187.3}, {221, 182.3}, {222, 182.3}}, 1.2);
    for (int j = 2; j < 6; ++j) {
        const double y = 218.15 + 5.1 * j;
        layout.Track({{199, y}, {200.5, y}}, 1.2);
    }
    // Indicators.
    layout.Track({{47, 108}, {47, 99}, {110, 99}, {117, 106}}, 1.2);
    layout.Track({{85, 113}, {104, 113}, {112, 121}, {117, 121}}, 1.2);
    layout.Track({{127, 106}, {200, 106}, {214, 120}, {214, 140.7}, {222, 140.7}}, 1.2);
    layout.Track({{127, 121}, {192, 121}, {200, 129}, {200, 143.9}, {222, 143.9}}, 1.2);
    layout.Track({{29, 113}, {22.5, 113}, {22.5, 128}}, 1.2);
    layout.Track({{67, 113}, {60, 113}, {60, 128}}, 1.2);
    layout.Via({22.5, 130});
    layout.Via({60, 130});
    // Processor to the programming header: the further right, the lower the turn.
    for (int i = 0; i < 6; ++i) {
        const double from = 239 + 3.2 * (2 * i + 1), to = 242.2 + 14.5 * i, turn = 90 + 4 * i;
        layout.Track({{from, 123}, {from, turn}, {to, turn}, {to, 56}}, 1.1);
    }
    // Processor to the EEPROM.
    for (int k = 0; k < 4; ++k) {
        const double y = 140.7 + 3.2 * k, x = 381.2 + 7.2 * k;
        layout.Track({{304, y}, {x - 20, y}, {x, y - 20}, {x, 104}}, 1.1);
    }
    // Crystal.
    layout.Track({{304, 172.7}, {318, 172.7}, {324, 166.7}, {336, 166.7}}, 1.1);
    layout.Track({{304, 185.5}, {318, 185.5}, {334, 201.5}, {340, 201.5}}, 1.1);
    layout.Track({{336, 166.7}, {336, 160}, {350, 146}, {366, 146}, {366, 117}}, 1.1);
    layout.Track({{340, 201.5}, {320, 221}}, 1.1);
    layout.Track({{344, 201.5}, {360, 221}}, 1.1);
    // Reset.
    layout.Track({{280.6, 206}, {280.6, 236}, {370, 236}, {381, 247}}, 1.2);
    // Processor to the optocoupler inputs: a bus that fans out without crossing.
    const std::array<double, 8> turns{266, 272, 278, 290, 284, 278, 272, 266};
    for (int t = 0; t < 8; ++t) {
        const double from = 251.8 + 3.2 * t, to = 189.5 + 32 * t;
        layout.Track({{from, 206}, {from, turns[t]}, {to, turns[t]}, {to, 308}}, 1.1);
    }
    // Opto outputs through their resistors to the connectors.
    for (int i = 0; i < 8; ++i) {
        const double x = 189.5 + 32 * i;
        layout.Track({{x, 343}, {x, 355}}, 1.3);
        layout.Via({x + 13, 352});
        layout.Track({{x + 13, 343}, {x + 13, 352}}, 1.3);
        if (i == 0) {
            layout.Track({{x, 364}, {x, 372}}, 1.3);
            layout.Via({x, 373});
            continue;
        }
        const double y = 370 + 3 * (7 - i);
        layout.Track({{x, 364}, {x, y}, {470, y}}, 1.3);
    }
    for (double x : {539.2, 561.8}) {
        layout.Track({{x, 118}, {x, 90}}, 1.5);
        layout.Via({x, 118});
    }
    // Supply: terminal and jack through the diode to the regulator.
    layout.Track({{80, 330}, {148, 330}, {148, 395}, {122, 421}}, 4.5);
    layout.Track({{80, 423}, {120, 423}}, 4.5);
    layout.Track({{148, 423}, {156, 423}, {156, 437}, {166, 437}}, 3.5);
    layout.Track({{166, 451}, {150, 451}, {150, 470}, {155, 474}}, 3.5);
    layout.Track({{80, 362}, {100, 362}, {106, 368}}, 4.5);
    layout.Via({106, 368});
    layout.Via({144, 458});
    layout.Via({150, 490});
    layout.Track({{205, 446}, {227, 446}}, 5.0);
    layout.Track({{265, 446}, {292, 446}}, 5.0);
    layout.Track({{320, 446}, {352, 446}}, 5.0);
    layout.Track({{340, 418}, {333, 418}, {333, 446}}, 2.0);
    layout.Track({{349, 476}, {356, 476}, {356, 446}}, 2.0);
    layout.Track({{201, 480}, {192, 480}, {192, 460}}, 2.0);
    for (QPointF v : {QPointF(362, 440), QPointF(362, 452), QPointF(372, 446)})
        layout.Via(v);
    // Transistors by the indicators, the suppressors on the output side.
    for (QPointF q : {QPointF(96, 52), QPointF(132, 62), QPointF(186, 62)}) {
        layout.Track({q + QPointF(0, -6.5), q + QPointF(0, -14)}, 1.1);
        layout.Via(q + QPointF(0, -16.5));
        layout.Track({q + QPointF(5.4, 6.5), q + QPointF(5.4, 14), q + QPointF(11, 20)}, 1.1);
        layout.Via(q + QPointF(12.5, 21.5));
    }
    layout.Track({{90.6, 58.5}, {90.6, 80}, {72, 98}, {40, 98}, {40, 104}}, 1.1);
    for (double y : {424.0, 492.0}) {
        layout.Track({{514, y}, {530, y}}, 2.0);
        layout.Via({533, y});
        layout.Track({{486, y}, {470, y}, {462, y - 8}}, 2.0);
        layout.Via({460, y - 10});
    }
    // Miscellaneous fan-out to the inner layers.
    const std::array<QPointF, 12> stubs{{{304, 153.5}, {304, 159.9}, {304, 191.9}, {222, 150.3}, {222, 156.7},
                                         {222, 185.5}, {222, 188.7}, {242.2, 206}, {245.4, 206}, {283.8, 206},
                                         {287, 206}, {277.4, 123}}};
    for (QPointF s : stubs) {
        const QPointF dir = s.x() > 300   ? QPointF(1, 0)
                            : s.x() < 225 ? QPointF(-1, 0)
                            : s.y() > 200 ? QPointF(0, 1)
                                          : QPointF(0, -1);
        const QPointF end = s + dir * 8;
        layout.Track({s, end}, 1.0);
        layout.Via(end + dir * 2.5);
    }
    // Stitching along the isolation barrier and the board edges.
    for (int i = 0; i < 9; ++i)
        layout.Via({446, 30.0 + 16 * i});
    for (int i = 0; i < 10; ++i)
        layout.Via({60.0 + 34 * i, 516});
}

Layout MakeLayout() {
    Layout layout;
    PlaceHoles(layout);
    PlaceParts(layout);
    PlaceTraces(layout);
    layout.silk.push_back([](QPainter& p) {
        DrawText(p, g_fonts->Sans(18, true), QPointF(386, 470), QStringLiteral("VEXA-K8"), kSilk);
        SilkLabel(p, QPointF(386, 488), QStringLiteral("ETHERNET I/O  REV 1.2"), 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kSilk);
        p.drawRect(QRectF(484, 452, 70, 14));
        SilkLabel(p, QPointF(478, 459), QStringLiteral("S/N"), 7.5, 0, Qt::AlignRight);
    });
    return layout;
}

// The edge of the separately grounded output section.
QPolygonF IsolationBoundary() {
    QPolygonF b;
    b << QPointF(436, 12) << QPointF(436, 326) << QPointF(176, 326) << QPointF(176, 404) << QPointF(436, 404)
      << QPointF(436, 524);
    return b;
}

// ---------------------------------------------------------------------------
// Rendering the photograph

QPainterPath BoardShape() {
    QPainterPath path;
    path.addRoundedRect(kBoardOutline, 7, 7);
    return path;
}

void Begin(QPainter& p, QPaintDevice* device) {
    p.begin(device);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(kOversample, kOversample);
}

void DrawBackdropAndBoard(QImage& canvas) {
    QPainter p;
    Begin(p, &canvas);
    QRadialGradient mat(QPointF(220, 180), 620);
    mat.setColorAt(0, Scale(kBackground, 1.15));
    mat.setColorAt(1, Scale(kBackground, 0.7));
    p.fillRect(QRectF(0, 0, kBoardImageWidth, kBoardImageHeight), mat);
    p.end();

    Shadows boardShadow;
    boardShadow.Cast(BoardShape().translated(-Lift(9)), 9);
    boardShadow.Apply(canvas);

    Begin(p, &canvas);
    // The board's thickness shows along its left and top edges.
    const QPainterPath top = BoardShape();
    p.setPen(Qt::NoPen);
    p.setBrush(Scale(kBoardEdge, 0.8));
    for (int i = 0; i <= 8; ++i)
        p.drawPath(top.translated(-Lift(9) * (i / 8.0)));
    p.setBrush(kLaminate);
    p.drawPath(top);
    p.end();
}

QImage TintedCopy(const QImage& layer, const QColor& colour) {
    QImage tinted = layer;
    QPainter p(&tinted);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(tinted.rect(), colour);
    return tinted;
}

// Copper lies under the mask: it shows as lighter green, raised a little.
void DrawCopper(QImage& canvas, const Layout& layout) {
    QImage copper(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    copper.fill(Qt::transparent);
    QPainter p;
    Begin(p, &copper);
    p.setPen(Qt::NoPen);
    p.setBrush(kCopperUnderMask);
    QPainterPath pour;
    pour.addRoundedRect(kBoardOutline.adjusted(5, 5, -5, -5), 4, 4);
    p.drawPath(pour);

    // Clearances round everything that is not the plane.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(IsolationBoundary());
    for (const Trace& t : layout.traces) {
        p.setPen(QPen(Qt::black, t.width + 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(t.line);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QRectF& pad : layout.pads)
        p.drawRoundedRect(pad.adjusted(-2.2, -2.2, 2.2, 2.2), 2, 2);
    for (QPointF v : layout.vias)
        p.drawEllipse(v, 4.6, 4.6);
    for (const HolePad& h : layout.holes)
        p.drawEllipse(h.centre, h.ring + 2.4, h.ring + 2.4);
    for (QPointF f : layout.fiducials)
        p.drawEllipse(f, 6, 6);

    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const Trace& t : layout.traces) {
        p.setPen(QPen(kCopperUnderMask, t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(t.line);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kCopperUnderMask);
    for (const QRectF& pad : layout.pads)
        p.drawRect(pad);
    for (QPointF v : layout.vias)
        p.drawEllipse(v, 2.6, 2.6);
    for (const HolePad& h : layout.holes)
        p.drawEllipse(h.centre, h.ring, h.ring);
    for (QPointF m : layout.mountingHoles)
        p.drawEllipse(m, 14, 14);
    p.end();

    Begin(p, &canvas);
    p.resetTransform();
    p.setClipPath(QTransform::fromScale(kOversample, kOversample).map(BoardShape()));
    const double step = 0.55 * kOversample;
    p.drawImage(QPointF(step, step), TintedCopy(copper, QColor(0, 0, 0, 90)));
    p.drawImage(QPointF(-step * 0.7, -step * 0.7), TintedCopy(copper, QColor(190, 255, 190, 60)));
    p.drawImage(QPointF(0, 0), copper);
    p.end();
}

// Mottled mask and a faint weave show through; kept subtle, as in a photo.
void TextureBoard(QImage& canvas) {
    const double s = 1.0 / kOversample;
    for (int y = 0; y < canvas.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            const double fx = x * s, fy = y * s;
            const bool onBoard = kBoardOutline.contains(fx, fy);
            double f = 1.0 + 0.07 * Fractal(fx / 45.0, fy / 45.0, 7, 4);
            if (onBoard)
                f += 0.018 * Fractal(fx / 2.2, fy / 2.2, 19, 2) + 0.01 * std::sin((fx + fy) * 1.9) * std::sin((fx - fy) * 1.9);
            const QRgb c = row[x];
            row[x] = qRgb(std::clamp(int(qRed(c) * f), 0, 255), std::clamp(int(qGreen(c) * f), 0, 255),
                          std::clamp(int(qBlue(c) * f), 0, 255));
        }
    }
}

void DrawGold(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(Metal(r.topLeft(), r.bottomRight(), kGold));
    p.drawRect(r);
}

void DrawExposedMetal(QImage& canvas, const Layout& layout) {
    QPainter p;
    Begin(p, &canvas);
    for (const QRectF& pad : layout.pads)
        DrawGold(p, pad);
    for (const HolePad& h : layout.holes) {
        QRadialGradient ring(h.centre - QPointF(h.ring * 0.4, h.ring * 0.4), h.ring * 1.6);
        ring.setColorAt(0, Scale(kGold, 1.2));
        ring.setColorAt(1, Scale(kGold, 0.75));
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        if (h.square)
            p.drawRect(Centred(h.centre, h.ring * 2, h.ring * 2));
        else
            p.drawEllipse(h.centre, h.ring, h.ring);
        if (h.hole > 0) {
            QRadialGradient bore(h.centre + QPointF(h.hole * 0.3, h.hole * 0.3), h.hole);
            bore.setColorAt(0, QColor(14, 14, 15));
            bore.setColorAt(0.7, QColor(30, 28, 24));
            bore.setColorAt(1, QColor(120, 96, 50));
            p.setBrush(bore);
            p.drawEllipse(h.centre, h.hole, h.hole);
        }
    }
    for (QPointF m : layout.mountingHoles) {
        QRadialGradient ring(m - QPointF(4, 4), 16);
        ring.setColorAt(0, Scale(kGold, 1.2));
        ring.setColorAt(1, Scale(kGold, 0.72));
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(m, 10.5, 10.5);
        for (int i = 0; i < 8; ++i) {
            const double a = i * std::numbers::pi / 4;
            p.setBrush(QColor(60, 50, 30));
            p.drawEllipse(m + QPointF(std::cos(a), std::sin(a)) * 8.3, 0.9, 0.9);
        }
        // Through the hole: the dark mat far below, and the plated wall.
        QRadialGradient bore(m + QPointF(1.5, 1.5), 6.5);
        bore.setColorAt(0, QColor(16, 16, 17));
        bore.setColorAt(0.75, QColor(24, 23, 22));
        bore.setColorAt(1, QColor(140, 110, 60));
        p.setBrush(bore);
        p.drawEllipse(m, 6.4, 6.4);
    }
    for (QPointF f : layout.fiducials) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(118, 122, 74));
        p.drawEllipse(f, 5.2, 5.2);
        p.setBrush(Metal(f - QPointF(2, 2), f + QPointF(2, 2), kGold));
        p.drawEllipse(f, 2.1, 2.1);
    }
    // Tented vias: a dimple in the mask over each barrel.
    for (QPointF v : layout.vias) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(8, 40, 20, 170));
        p.drawEllipse(v, 1.05, 1.05);
        p.setPen(QPen(QColor(210, 255, 210, 50), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(Centred(v, 4.4, 4.4), 90 * 16, 90 * 16);
    }
    p.end();
}

void DrawSilkscreen(QImage& canvas, const Layout& layout) {
    QImage silk(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    silk.fill(Qt::transparent);
    QPainter p;
    Begin(p, &silk);
    for (const SilkDrawing& draw : layout.silk)
        draw(p);
    p.end();
    // Screen-printed ink is not quite opaque and lies a touch off register.
    Begin(p, &canvas);
    p.resetTransform();
    p.setOpacity(0.93);
    p.drawImage(QPointF(0.4 * kOversample, 0.3 * kOversample), silk);
    p.end();
}

// A broad, soft reflection of the lamp in the glossy mask.
void DrawSheen(QImage& canvas) {
    QPainter p;
    Begin(p, &canvas);
    p.setClipPath(BoardShape());
    QRadialGradient sheen(QPointF(170, 110), 330);
    sheen.setColorAt(0, QColor(255, 255, 240, 44));
    sheen.setColorAt(0.6, QColor(255, 255, 240, 12));
    sheen.setColorAt(1, QColor(255, 255, 245, 0));
    p.fillRect(kBoardOutline, sheen);
    p.end();
}

void DrawParts(QImage& canvas, const Layout& layout) {
    QImage parts(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    parts.fill(Qt::transparent);
    Shadows shadows;
    QPainter p;
    Begin(p, &parts);
    for (const PartDrawing& draw : layout.parts) {
        p.save();
        draw(p, shadows);
        p.restore();
    }
    p.end();
    shadows.Apply(canvas);
    Begin(p, &canvas);
    p.resetTransform();
    p.drawImage(0, 0, parts);
    p.end();
}

// The lamp falls off towards the lower right; the sensor adds its grain.
void Develop(QImage& photo) {
    Random random(kSeed);
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double dx = (x - 200.0) / 600.0, dy = (y - 150.0) / 536.0;
            const double light = 1.10 - 0.50 * (dx * dx + dy * dy);
            const double grain = random.Normal() * 2.0;
            const QRgb c = row[x];
            // A touch less saturated and a shade warm, like a lamp-lit shot.
            const double grey = 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c);
            auto channel = [&](int v, double warmth) {
                const double graded = (grey + (v - grey) * 0.9) * warmth;
                return std::clamp(int(std::lround(graded * light + grain + random.Normal() * 0.7)), 0, 255);
            };
            row[x] = qRgb(channel(qRed(c), 1.03), channel(qGreen(c), 1.0), channel(qBlue(c), 0.96));
        }
    }
}

// A few flecks of dust and lint that no board escapes.
void DrawDust(QImage& canvas) {
    Random random(kSeed ^ 0xD057);
    QPainter p;
    Begin(p, &canvas);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(random.Uniform(20, 588), random.Uniform(12, 524));
        p.setBrush(QColor(230, 230, 220, int(random.Uniform(40, 110))));
        p.drawEllipse(at, random.Uniform(0.25, 0.7), random.Uniform(0.25, 0.7));
    }
    for (int i = 0; i < 4; ++i) {
        QPainterPath fibre;
        QPointF at(random.Uniform(40, 560), random.Uniform(40, 500));
        fibre.moveTo(at);
        for (int j = 0; j < 3; ++j) {
            const QPointF next = at + QPointF(random.Uniform(-5, 5), random.Uniform(-5, 5));
            fibre.quadTo(at + QPointF(random.Uniform(-3, 3), random.Uniform(-3, 3)), next);
            at = next;
        }
        p.setPen(QPen(QColor(220, 220, 214, 60), 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawPath(fibre);
    }
    p.end();
}

// A real lens never resolves a pixel-sharp edge.
void Soften(QImage& photo) {
    const QImage source = photo;
    for (int y = 1; y + 1 < photo.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(photo.scanLine(y));
        const QRgb* rows[3] = {reinterpret_cast<const QRgb*>(source.constScanLine(y - 1)),
                               reinterpret_cast<const QRgb*>(source.constScanLine(y)),
                               reinterpret_cast<const QRgb*>(source.constScanLine(y + 1))};
        for (int x = 1; x + 1 < photo.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int w = (dy == 1 ? 2 : 1) * (dx == 0 ? 2 : 1);
                    const QRgb c = rows[dy][x + dx];
                    sum[0] += w * qRed(c);
                    sum[1] += w * qGreen(c);
                    sum[2] += w * qBlue(c);
                }
            // Half the blurred image, half the sharp one.
            const QRgb c = rows[1][x];
            out[x] = qRgb((sum[0] / 16 + qRed(c)) / 2, (sum[1] / 16 + qGreen(c)) / 2, (sum[2] / 16 + qBlue(c)) / 2);
        }
    }
}

QImage RenderBoardPhoto() {
    const Layout layout = MakeLayout();
    QImage canvas(kBoardImageWidth * kOversample, kBoardImageHeight * kOversample, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::black);
    DrawBackdropAndBoard(canvas);
    DrawCopper(canvas, layout);
    TextureBoard(canvas);
    DrawSheen(canvas);
    DrawExposedMetal(canvas, layout);
    DrawSilkscreen(canvas, layout);
    DrawParts(canvas, layout);
    DrawDust(canvas);
    QImage photo = canvas.scaled(kBoardImageWidth, kBoardImageHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    Soften(photo);
    Develop(photo);
    return photo;
}

// Progressive, YCbCr with 2x2 chroma subsampling, as the program's JPEG
// reader expects of the photograph.
bool WriteProgressiveJpeg(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    for (int i = 1; i < 3; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

// ---------------------------------------------------------------------------
// The power-jack symbol: GND -(C  o- +12V, black on white, grey palette

QImage RenderPowerJackSymbol(const Fonts& fonts) {
    QImage art(kJackImageWidth, kJackImageHeight, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::white);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = fonts.Sans(11, true);
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const QString gnd = QStringLiteral("GND"), plus = QStringLiteral("+12V");
    const double mid = kJackImageHeight / 2.0;
    const double baseline = std::round(mid + (metrics.capHeight()) / 2.0);
    const double gndRight = 2 + metrics.horizontalAdvance(gnd);
    const double plusLeft = kJackImageWidth - 2 - metrics.horizontalAdvance(plus);
    p.setPen(Qt::black);
    p.drawText(QPointF(2, baseline), gnd);
    p.drawText(QPointF(plusLeft, baseline), plus);

    const QPointF centre(std::round((gndRight + plusLeft) / 2), mid);
    const double radius = 10;
    const QPen pen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The sleeve: a ring open towards the pin's lead, tied to GND.
    p.drawArc(Centred(centre, radius * 2, radius * 2), 40 * 16, 280 * 16);
    p.drawLine(QPointF(gndRight + 3, mid), QPointF(centre.x() - radius, mid));
    // The centre pin, tied to +12V.
    p.drawLine(centre, QPointF(plusLeft - 3, mid));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centre, 3.5, 3.5);
    p.end();

    QImage indexed(art.size(), QImage::Format_Indexed8);
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys.append(qRgb(i, i, i));
    indexed.setColorTable(greys);
    for (int y = 0; y < art.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        uchar* dst = indexed.scanLine(y);
        for (int x = 0; x < art.width(); ++x)
            dst[x] = uchar(qGray(src[x]));
    }
    return indexed;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const Fonts fonts;
    g_fonts = &fonts;

    const QString photoPath = out.filePath(QStringLiteral("board.jpg"));
    if (!WriteProgressiveJpeg(RenderBoardPhoto(), photoPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(photoPath));
        return 1;
    }
    const QString symbolPath = out.filePath(QStringLiteral("powerjack.bmp"));
    if (!RenderPowerJackSymbol(fonts).save(symbolPath, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(symbolPath));
        return 1;
    }
    return 0;
}
