#include "SkinPictures.h"

#include "Draw.h"
#include "Palette.h"
#include "PictureSet.h"
#include "ValueNoise.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int skinWidth = 850;
constexpr int skinHeight = 600;
constexpr int barHeight = 25;      // title bar and status bar
constexpr int toolBarBottom = 105; // title bar plus the 80-pixel tool bar

double clamp01(double v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
double smoothstep(double a, double b, double x)
{
    const double t = clamp01((x - a) / (b - a));
    return t * t * (3 - 2 * t);
}

struct Rgb
{
    double r, g, b;
};

Rgb rgb(const QColor &c)
{
    return {c.redF(), c.greenF(), c.blueF()};
}
Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
QRgb pack(Rgb c)
{
    return qRgb(int(clamp01(c.r) * 255 + 0.5), int(clamp01(c.g) * 255 + 0.5),
                int(clamp01(c.b) * 255 + 0.5));
}

// Fills the picture pixel by pixel; u and v run 0..1 across and down, x and y
// are in window pixels (in steps of a half at twice the size).
QImage field(const std::function<Rgb(double u, double v, double x, double y)> &colour)
{
    const int scale = Draw::scale();
    const int width = skinWidth * scale;
    const int height = skinHeight * scale;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = pack(colour(double(x) / width, double(y) / height, double(x) / scale,
                                  double(y) / scale));
    }
    image.setDevicePixelRatio(scale);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Vertical colour ramp through evenly spaced stops.
Rgb ramp(const QList<QColor> &stops, double t)
{
    t = clamp01(t) * (stops.size() - 1);
    const int i = qMin(int(t), int(stops.size()) - 2);
    return mix(rgb(stops[i]), rgb(stops[i + 1]), t - i);
}

// `band` is in window pixels.
double meanLuminance(const QImage &image, const QRect &band)
{
    const int scale = qRound(image.devicePixelRatio());
    const QRect pixels(band.topLeft() * scale, band.size() * scale);
    double sum = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            sum += 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c);
        }
    }
    return sum / (pixels.width() * pixels.height() * 255.0);
}

// Darkens a band until white text on it keeps its contrast; the shade fades
// out beyond the band so that no edge shows.
void settleBand(QImage &image, const QRect &band, double maxLuminance, bool fromBottom)
{
    const int fade = 40;
    const QRect shaded = fromBottom ? band.adjusted(0, -fade, 0, 0) : band.adjusted(0, 0, 0, fade);
    for (int pass = 0; pass < 12 && meanLuminance(image, band) > maxLuminance; ++pass) {
        QPainter p(&image);
        const qreal edge = qreal(band.height()) / shaded.height();
        QLinearGradient g(shaded.topLeft(), shaded.bottomLeft());
        g.setColorAt(fromBottom ? 1.0 : 0.0, QColor(0, 0, 0, 40));
        g.setColorAt(fromBottom ? 1.0 - edge : edge, QColor(0, 0, 0, 28));
        g.setColorAt(fromBottom ? 0.0 : 1.0, QColor(0, 0, 0, 0));
        p.fillRect(shaded, g);
    }
}

void vignette(QImage &image, int strength)
{
    QPainter p(&image);
    QRadialGradient g(QPointF(skinWidth / 2.0, skinHeight / 2.0), skinWidth * 0.62);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, strength));
    p.fillRect(image.rect(), g);
}

// A jagged bolt by midpoint displacement, with a glow around it.
void bolt(QPainter &p, QPointF from, QPointF to, qreal width, QRandomGenerator &rng, int depth)
{
    QList<QPointF> points = {from, to};
    for (int level = 0; level < 6; ++level) {
        QList<QPointF> next;
        const qreal spread = QLineF(from, to).length() / (4 << level) * 1.6;
        for (int i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = points[i];
            const QPointF b = points[i + 1];
            const QPointF mid = (a + b) / 2 + QPointF((rng.generateDouble() - 0.5) * 2 * spread,
                                                      (rng.generateDouble() - 0.5) * spread * 0.5);
            next << a << mid;
        }
        next << points.last();
        points = next;
    }
    QPainterPath path(points.first());
    for (const QPointF &pt : points)
        path.lineTo(pt);
    p.setBrush(Qt::NoBrush);
    const struct
    {
        qreal w;
        QColor c;
    } layers[] = {{width * 14, QColor(255, 90, 60, 16)},
                  {width * 7, QColor(255, 140, 90, 30)},
                  {width * 3, QColor(255, 200, 160, 70)},
                  {width, QColor(255, 245, 230, 235)}};
    for (const auto &layer : layers) {
        p.setPen(QPen(layer.c, layer.w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    if (depth > 0) {
        for (int i = 0; i < 2; ++i) {
            const QPointF start = points[int(points.size() * (0.3 + 0.3 * i))];
            const QPointF end = start + QPointF((rng.generateDouble() - 0.3) * 160,
                                                80 + rng.generateDouble() * 110);
            bolt(p, start, end, width * 0.5, rng, depth - 1);
        }
    }
}

QImage redThunder()
{
    const ValueNoise noise(11);
    QImage image = field([&](double u, double v, double, double) {
        const Rgb sky = ramp({QColor(0x1E, 0x05, 0x08), QColor(0x4A, 0x0B, 0x12),
                              QColor(0x5E, 0x12, 0x16), QColor(0x22, 0x06, 0x09)},
                             v);
        const double n = noise.fractal(u * 5.0, v * 3.2, 6);
        const double cloud = smoothstep(0.42, 0.78, n);
        const Rgb lit = mix(rgb(QColor(0x6E, 0x1A, 0x1E)), rgb(QColor(0xA0, 0x36, 0x2C)),
                            smoothstep(0.6, 0.9, n));
        Rgb c = mix(sky, lit, cloud * 0.75);
        const double dark = smoothstep(0.3, 0.5, noise.fractal(u * 3 + 9, v * 2 + 4, 4));
        return mix(c, rgb(QColor(0x12, 0x03, 0x05)), (1 - dark) * 0.45);
    });
    QPainter p(&image);
    Draw::prepare(p);
    QRandomGenerator rng(8);
    // Glow where the lightning leaves the cloud.
    QRadialGradient glow(QPointF(640, 70), 260);
    glow.setColorAt(0, QColor(255, 120, 80, 70));
    glow.setColorAt(1, QColor(255, 120, 80, 0));
    p.fillRect(image.rect(), glow);
    bolt(p, QPointF(640, 40), QPointF(560, 560), 2.4, rng, 1);
    bolt(p, QPointF(700, 60), QPointF(800, 380), 1.6, rng, 0);
    bolt(p, QPointF(150, 90), QPointF(110, 330), 1.1, rng, 0);
    p.end();
    vignette(image, 120);
    return image;
}

QImage blueSky()
{
    const ValueNoise noise(23);
    QImage image = field([&](double u, double v, double, double) {
        const Rgb sky = ramp({QColor(0x08, 0x22, 0x48), QColor(0x14, 0x3F, 0x78),
                              QColor(0x2A, 0x66, 0xA3), QColor(0x1F, 0x55, 0x8E)},
                             v);
        const double n = noise.fractal(u * 4.0, v * 6.0 + u * 0.6, 6);
        const double cloud = smoothstep(0.52, 0.8, n) * (0.35 + 0.65 * smoothstep(0.15, 0.8, v));
        return mix(sky, rgb(QColor(0xD8, 0xE6, 0xF4)), cloud * 0.55);
    });
    QPainter p(&image);
    Draw::prepare(p);
    QRadialGradient sun(QPointF(150, 60), 330);
    sun.setColorAt(0, QColor(255, 240, 200, 70));
    sun.setColorAt(1, QColor(255, 240, 200, 0));
    p.fillRect(image.rect(), sun);
    p.end();
    vignette(image, 90);
    return image;
}

QImage oldWood()
{
    const ValueNoise noise(37);
    const int plank = 75;
    QImage image = field([&](double u, double v, double x, double y) {
        const int row = int(std::floor(y / plank));
        const double offset = row * 137.0;
        const double warp = noise.fractal((x + offset) / 220.0, y / 60.0, 4) * 18;
        const double grain = 0.5 + 0.5 * qSin((std::fmod(y, plank) + warp) * 0.55 + row * 2.1 +
                                              noise.at((x + offset) / 90.0, row * 3.0) * 4);
        const double fibre = noise.fractal((x + offset) / 6.0, y / 1.6, 2);
        Rgb c = mix(rgb(QColor(0x3A, 0x22, 0x12)), rgb(QColor(0x6A, 0x42, 0x24)),
                    grain * 0.6 + fibre * 0.4);
        // Each board has its own tone; boards are butted end to end along a row.
        const int jointSpacing = 520;
        const int jointOffset = (row * 233) % jointSpacing;
        const int board = int(std::floor((x + jointOffset) / jointSpacing));
        const double tone = noise.at(board * 3.7 + 0.5, row * 2.3 + 0.5);
        c = mix(c, rgb(QColor(0x2A, 0x17, 0x0B)), tone * 0.45);
        if (std::fmod(x + jointOffset, jointSpacing) < 2)
            c = rgb(QColor(0x16, 0x0C, 0x06));
        // Gaps between planks and the worn edge beside them.
        const double inRow = std::fmod(y, plank);
        if (inRow < 2)
            c = rgb(QColor(0x14, 0x0B, 0x05));
        else if (inRow < 5)
            c = mix(c, rgb(QColor(0x20, 0x12, 0x08)), 0.5);
        const double wear = noise.fractal(u * 3, v * 3, 3);
        return mix(c, rgb(QColor(0x2A, 0x18, 0x0C)), wear * 0.35);
    });
    vignette(image, 140);
    return image;
}

QImage greenWorld()
{
    const ValueNoise noise(41);
    auto ridge = [&](double u, int layer) {
        return 0.35 + layer * 0.14 +
               (noise.fractal(u * (2.0 + layer), layer * 7.0, 4) - 0.5) * 0.32;
    };
    const QList<QColor> hills = {QColor(0x3B, 0x6E, 0x45), QColor(0x2B, 0x5A, 0x34),
                                 QColor(0x1C, 0x44, 0x25), QColor(0x10, 0x2E, 0x18)};
    QImage image = field([&](double u, double v, double, double) {
        Rgb c = ramp({QColor(0x0C, 0x26, 0x24), QColor(0x1E, 0x4A, 0x40), QColor(0x5E, 0x86, 0x5A)},
                     v * 1.3);
        for (int layer = 0; layer < 4; ++layer) {
            const double top = ridge(u, layer);
            if (v >= top) {
                const double shade = noise.fractal(u * 30, v * 30 + layer, 3);
                c = mix(rgb(hills[layer]), rgb(hills[layer].darker(130)),
                        smoothstep(top, top + 0.25, v) * 0.6 + shade * 0.2);
            }
        }
        return c;
    });
    QPainter p(&image);
    QRadialGradient sun(QPointF(620, 190), 260);
    sun.setColorAt(0, QColor(255, 235, 170, 80));
    sun.setColorAt(1, QColor(255, 235, 170, 0));
    p.fillRect(image.rect(), sun);
    p.end();
    vignette(image, 110);
    return image;
}

QPainterPath heart(const QPointF &c, qreal size)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, size * 0.35));
    path.cubicTo(c + QPointF(-size * 1.05, -size * 0.25), c + QPointF(-size * 0.45, -size * 0.95),
                 c + QPointF(0, -size * 0.42));
    path.cubicTo(c + QPointF(size * 0.45, -size * 0.95), c + QPointF(size * 1.05, -size * 0.25),
                 c + QPointF(0, size * 0.35));
    return path.translated(0, size * 0.25);
}

QImage pinkLove()
{
    const ValueNoise noise(53);
    QImage image = field([&](double u, double v, double, double) {
        const Rgb base = ramp({QColor(0x3A, 0x0A, 0x2A), QColor(0x7A, 0x1E, 0x55),
                               QColor(0x9A, 0x31, 0x6A), QColor(0x4A, 0x10, 0x36)},
                              v * 0.7 + u * 0.3);
        const double n = noise.fractal(u * 3, v * 2.5, 4);
        return mix(base, rgb(QColor(0xC2, 0x58, 0x8E)), smoothstep(0.55, 0.85, n) * 0.35);
    });
    QPainter p(&image);
    Draw::prepare(p);
    QRandomGenerator rng(5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF c(rng.bounded(skinWidth), rng.bounded(skinHeight));
        const qreal size = 10 + rng.generateDouble() * rng.generateDouble() * 70;
        QColor col = (i % 3 == 0) ? QColor(255, 220, 236) : QColor(255, 150, 200);
        col.setAlpha(14 + rng.bounded(34));
        p.setBrush(col);
        p.drawPath(heart(c, size));
    }
    p.end();
    vignette(image, 110);
    return image;
}

QImage blackPoint()
{
    const ValueNoise noise(67);
    QImage image = field([&](double u, double v, double, double) {
        const double glow = 1 - qSqrt((u - 0.5) * (u - 0.5) + (v - 0.45) * (v - 0.45) * 1.6);
        return mix(rgb(QColor(0x05, 0x06, 0x09)), rgb(QColor(0x16, 0x1B, 0x24)),
                   smoothstep(0.2, 1.0, glow));
    });
    QPainter p(&image);
    Draw::prepare(p);
    p.setPen(Qt::NoPen);
    // A halftone field of points that swells and fades in soft waves.
    const int pitch = 14;
    for (int y = pitch / 2; y < skinHeight; y += pitch) {
        for (int x = pitch / 2 + ((y / pitch) % 2) * pitch / 2; x < skinWidth; x += pitch) {
            const double n = noise.fractal(x / 260.0, y / 200.0, 3);
            const double r = smoothstep(0.3, 0.75, n) * 4.4;
            if (r < 0.35)
                continue;
            QColor c = Palette::steelLight();
            c.setAlpha(int(50 + 130 * smoothstep(0.3, 0.75, n)));
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), r, r);
        }
    }
    QRandomGenerator rng(3);
    for (int i = 0; i < 60; ++i) {
        QColor c = (i % 5 == 0) ? Palette::amber() : Palette::white();
        c.setAlpha(60 + rng.bounded(120));
        p.setBrush(c);
        const qreal r = 0.6 + rng.generateDouble() * 1.4;
        p.drawEllipse(QPointF(rng.bounded(skinWidth), rng.bounded(skinHeight)), r, r);
    }
    return image;
}

QImage classic()
{
    const ValueNoise noise(71);
    QImage image = field([&](double u, double v, double x, double y) {
        const Rgb base =
            ramp({Palette::steel(), Palette::steelDark(), Palette::navy(), Palette::navyDeep()},
                 v * 0.85 + u * 0.15);
        // Fine brushed texture, barely there.
        const double brushed = noise.fractal(x / 400.0, y / 1.5, 2) - 0.5;
        const Rgb c = mix(base, rgb(Palette::white()), qMax(0.0, brushed) * 0.06);
        return mix(c, rgb(Palette::navyDeep()), qMax(0.0, -brushed) * 0.1);
    });
    QPainter p(&image);
    Draw::prepare(p);
    QLinearGradient sheen(QPointF(0, 0), QPointF(skinWidth, skinHeight));
    sheen.setColorAt(0.25, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.38, QColor(255, 255, 255, 22));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), sheen);
    p.end();
    vignette(image, 100);
    return image;
}

QImage angryBird()
{
    QImage image = field([&](double u, double v, double, double) {
        return ramp({QColor(0x40, 0x0A, 0x07), QColor(0x7E, 0x1A, 0x10), QColor(0xA0, 0x34, 0x14),
                     QColor(0x50, 0x10, 0x09)},
                    v * 0.75 + u * 0.25);
    });
    QPainter p(&image);
    Draw::prepare(p);
    p.setPen(Qt::NoPen);
    QRandomGenerator rng(19);
    const QColor warm[] = {QColor(0xF2, 0x7A, 0x1A), QColor(0xF2, 0xA5, 0x1A),
                           QColor(0xD6, 0x2E, 0x1E), QColor(0xFF, 0xD0, 0x80)};
    for (int i = 0; i < 28; ++i) {
        QColor c = warm[i % 4];
        c.setAlpha(20 + rng.bounded(40));
        const qreal r = 20 + rng.generateDouble() * 110;
        QRadialGradient g(QPointF(rng.bounded(skinWidth), rng.bounded(skinHeight)), r);
        g.setColorAt(0, c);
        g.setColorAt(0.85, c);
        g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
        p.setBrush(g);
        p.drawEllipse(g.center(), r, r);
    }
    // Bold sweeping bands across the window, like wings in motion.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QPainterPath sweep;
        const qreal y = 380 + i * 38;
        sweep.moveTo(-40, y + 80);
        sweep.cubicTo(220, y - 160 - i * 20, 560, y + 40, 900, y - 200 + i * 30);
        QColor c = warm[(i + 1) % 4];
        c.setAlpha(38 - i * 6);
        p.setPen(QPen(c, 34 - i * 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(sweep);
    }
    p.end();
    vignette(image, 120);
    return image;
}

QImage sixYears()
{
    QImage image = field([&](double u, double v, double, double) {
        return ramp({QColor(0x12, 0x0C, 0x2C), QColor(0x2C, 0x16, 0x4E), QColor(0x3E, 0x1E, 0x60),
                     QColor(0x18, 0x0E, 0x32)},
                    v * 0.8 + u * 0.2);
    });
    QPainter p(&image);
    Draw::prepare(p);
    // Soft rays from a point above the window.
    const QPointF origin(430, -120);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        const qreal a0 = qDegreesToRadians(20 + i * 8.0);
        const qreal a1 = a0 + qDegreesToRadians(4.0);
        QPainterPath ray(origin);
        ray.lineTo(origin + QPointF(qCos(a0), qSin(a0)) * 1200);
        ray.lineTo(origin + QPointF(qCos(a1), qSin(a1)) * 1200);
        ray.closeSubpath();
        p.setBrush(QColor(255, 220, 150, 10));
        p.drawPath(ray);
    }
    // A large, faint "6" ring as the anniversary mark.
    QFont f = Draw::font(420);
    QPainterPath six;
    six.addText(QPointF(540, 520), f, QStringLiteral("6"));
    p.setBrush(QColor(255, 200, 120, 20));
    p.setPen(QPen(QColor(255, 200, 120, 45), 3));
    p.drawPath(six);
    // Confetti.
    QRandomGenerator rng(6);
    const QColor colours[] = {Palette::amber(), QColor(0xF2, 0x6B, 0xA8), Palette::mist(),
                              QColor(0x6F, 0xD3, 0xC8)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 170; ++i) {
        const qreal y = skinHeight * rng.generateDouble() * rng.generateDouble();
        const QPointF at(rng.bounded(skinWidth), y);
        QColor c = colours[i % 4];
        c.setAlpha(90 + rng.bounded(120));
        p.save();
        p.translate(at);
        p.rotate(rng.bounded(180));
        p.setBrush(c);
        if (i % 3 == 0)
            p.drawEllipse(QPointF(0, 0), 2.5, 2.5);
        else
            p.drawRect(QRectF(-4, -1.5, 8, 3));
        p.restore();
    }
    p.end();
    vignette(image, 110);
    return image;
}

// The title and status bars carry white glyphs and texts; the tool bar yellow captions.
QImage settle(QImage image, const char *name)
{
    settleBand(image, QRect(0, 0, skinWidth, barHeight), 0.22, false);
    settleBand(image, QRect(0, skinHeight - barHeight, skinWidth, barHeight), 0.22, true);
    settleBand(image, QRect(0, barHeight, skinWidth, toolBarBottom - barHeight), 0.32, false);
    std::printf("%-12s luminance: title %.2f  tool bar %.2f  status %.2f\n", name,
                meanLuminance(image, QRect(0, 0, skinWidth, barHeight)),
                meanLuminance(image, QRect(0, barHeight, skinWidth, toolBarBottom - barHeight)),
                meanLuminance(image, QRect(0, skinHeight - barHeight, skinWidth, barHeight)));
    return image;
}

} // namespace

namespace SkinPictures {

void addAll(PictureSet &set)
{
    const struct
    {
        const char *name;
        QImage (*paint)();
    } skins[] = {{"angryBird", angryBird}, {"blackPoint", blackPoint}, {"blueSky", blueSky},
                 {"classic", classic},     {"greenWorld", greenWorld}, {"oldWood", oldWood},
                 {"pinkLove", pinkLove},   {"redThunder", redThunder}, {"sixYears", sixYears}};
    for (const auto &skin : skins) {
        const QImage image = settle(skin.paint(), skin.name);
        const QString base = QStringLiteral("skin/") + QLatin1String(skin.name);
        set.add(base + QStringLiteral(".jpg"), image);
        set.add(base + QStringLiteral("Small.jpg"), Draw::thumbnail(image, QSize(97, 62)));
    }
}

} // namespace SkinPictures
