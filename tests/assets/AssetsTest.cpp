// The two pictures compiled into the program: that they are there, encoded
// the way the program's readers expect, and that the board photograph has
// its parts where the tour's highlight rings will be drawn.
#include "assets/Assets.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t Le32(const QByteArray& bytes, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(bytes[at + i]);
    return v;
}

std::uint16_t Le16(const QByteArray& bytes, int at) {
    return std::uint16_t(std::uint8_t(bytes[at]) | (std::uint8_t(bytes[at + 1]) << 8));
}

class AssetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitAssets(); }
};

TEST_F(AssetsTest, BothPicturesAreCompiledInAndDecode) {
    // Calling InitAssets again must not disturb the registration.
    InitAssets();
    const QImage board(QStringLiteral(":/assets/board.jpg"));
    const QImage jack(QStringLiteral(":/assets/powerjack.bmp"));
    ASSERT_FALSE(board.isNull());
    ASSERT_FALSE(jack.isNull());
    EXPECT_EQ(board.size(), QSize(600, 536));
    EXPECT_EQ(jack.size(), QSize(112, 48));
}

TEST_F(AssetsTest, PhotographIsProgressiveYCbCrWithQuarterSizeChroma) {
    QByteArray bytes = ReadResource(QStringLiteral(":/assets/board.jpg"));
    ASSERT_FALSE(bytes.isEmpty());
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    EXPECT_TRUE(info.progressive_mode);
    EXPECT_EQ(info.image_width, 600u);
    EXPECT_EQ(info.image_height, 536u);
    ASSERT_EQ(info.num_components, 3);
    EXPECT_EQ(info.jpeg_color_space, JCS_YCbCr);
    const int expected[3][2] = {{2, 2}, {1, 1}, {1, 1}};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(info.comp_info[c].h_samp_factor, expected[c][0]) << "component " << c;
        EXPECT_EQ(info.comp_info[c].v_samp_factor, expected[c][1]) << "component " << c;
    }
    jpeg_destroy_decompress(&info);
}

TEST_F(AssetsTest, SymbolIsAnEightBitBmpWithAGreyRampPalette) {
    const QByteArray bytes = ReadResource(QStringLiteral(":/assets/powerjack.bmp"));
    ASSERT_GE(bytes.size(), 14 + 40 + 256 * 4);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    const std::uint32_t headerSize = Le32(bytes, 14);
    ASSERT_GE(headerSize, 40u);
    EXPECT_EQ(Le32(bytes, 18), 112u);
    EXPECT_EQ(static_cast<std::int32_t>(Le32(bytes, 22)), 48);  // bottom-up rows
    EXPECT_EQ(Le16(bytes, 28), 8);                               // bits per pixel
    EXPECT_EQ(Le32(bytes, 30), 0u);                              // uncompressed
    const std::uint32_t used = Le32(bytes, 46);
    EXPECT_TRUE(used == 0 || used == 256) << used;
    const int palette = 14 + int(headerSize);
    ASSERT_LE(Le32(bytes, 10), std::uint32_t(bytes.size()));
    EXPECT_EQ(Le32(bytes, 10), std::uint32_t(palette + 256 * 4));  // pixels follow the full palette
    for (int i = 0; i < 256; ++i) {
        const int at = palette + i * 4;
        ASSERT_EQ(std::uint8_t(bytes[at]), i) << "blue of entry " << i;
        ASSERT_EQ(std::uint8_t(bytes[at + 1]), i) << "green of entry " << i;
        ASSERT_EQ(std::uint8_t(bytes[at + 2]), i) << "red of entry " << i;
    }
}

TEST_F(AssetsTest, SymbolShowsBothLabelsAndARingOpenToThePin) {
    const QImage jack(QStringLiteral(":/assets/powerjack.bmp"));
    ASSERT_EQ(jack.format(), QImage::Format_Indexed8);
    auto grey = [&jack](int x, int y) { return jack.pixelIndex(x, y); };
    auto darkIn = [&](int x0, int x1) {
        for (int y = 0; y < jack.height(); ++y)
            for (int x = x0; x < x1; ++x)
                if (grey(x, y) < 64)
                    return true;
        return false;
    };
    for (QPoint corner : {QPoint(0, 0), QPoint(111, 0), QPoint(0, 47), QPoint(111, 47)})
        EXPECT_EQ(grey(corner.x(), corner.y()), 255) << "white ground at " << corner.x() << "," << corner.y();
    EXPECT_TRUE(darkIn(0, 30)) << "GND on the left";
    EXPECT_TRUE(darkIn(80, 112)) << "+12V on the right";

    // Above the lettering only the ring's crown is inked: it gives the centre.
    const int crownRow = 13;
    int sum = 0, count = 0;
    for (int x = 0; x < jack.width(); ++x)
        if (grey(x, crownRow) < 128) {
            sum += x;
            ++count;
        }
    ASSERT_GT(count, 0) << "no ring above the lettering";
    const int cx = sum / count, cy = 24;
    EXPECT_LT(grey(cx, cy), 64) << "filled centre dot";
    EXPECT_LT(grey(cx - 7, cy - 7), 128) << "ring closed on the GND side";
    EXPECT_EQ(grey(cx + 9, cy - 3), 255) << "ring open towards +12V";
    EXPECT_LT(grey(cx + 16, cy), 64) << "lead from the centre pin towards +12V";
}

QColor AverageOver(const QImage& image, const QRect& area) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool Neutral(const QColor& c) { return std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20; }

bool Dark(const QImage& core) { return AverageOver(core, core.rect()).lightness() < 70; }

bool BrightMetal(const QImage& core) {
    const QColor c = AverageOver(core, core.rect());
    return c.lightness() > 130 && Neutral(c);
}

bool Beige(const QImage& core) {
    const QColor c = AverageOver(core, core.rect());
    return c.lightness() > 110 && c.red() > c.blue() + 20;
}

// Bare board never glints; screw heads and lenses do.
bool HasGlint(const QImage& core) {
    for (int y = 0; y < core.height(); ++y)
        for (int x = 0; x < core.width(); ++x) {
            const QColor c = core.pixelColor(x, y);
            if (c.lightness() > 170)
                return true;
        }
    return false;
}

struct Feature {
    const char* name;
    QRect ring;  // where the tour draws its highlight
    bool (*looksRight)(const QImage& core);
};

// The middle of each ring must show the part, not bare green board.
TEST_F(AssetsTest, PhotographHasEachPartUnderItsRing) {
    const QImage board = QImage(QStringLiteral(":/assets/board.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(board.isNull());
    const Feature features[] = {
        {"screw terminal", QRect(36, 304, 74, 80), HasGlint},
        {"barrel jack", QRect(0, 386, 107, 76), Dark},
        {"processor", QRect(213, 114, 102, 102), Dark},
        {"ethernet socket", QRect(0, 186, 133, 101), BrightMetal},
        {"indicator LEDs", QRect(0, 93, 113, 50), HasGlint},
        {"two-pin header", QRect(516, 49, 76, 49), Beige},
        {"fifteen-pin connector", QRect(446, 179, 152, 222), Beige},
    };
    for (const Feature& f : features) {
        const QRect core(f.ring.x() + f.ring.width() / 3, f.ring.y() + f.ring.height() / 3, f.ring.width() / 3,
                         f.ring.height() / 3);
        EXPECT_TRUE(f.looksRight(board.copy(core))) << f.name;
    }
    // The check is only worth something if bare board fails it.
    const QImage bare = board.copy(QRect(400, 30, 20, 8));
    for (const auto looksRight : {Dark, BrightMetal, Beige, HasGlint})
        EXPECT_FALSE(looksRight(bare));
    const QColor green = AverageOver(bare, bare.rect());
    EXPECT_GT(green.green(), green.red() + 30) << green.name().toStdString();
}

TEST_F(AssetsTest, IndicatorLedsAreGreenAndAmber) {
    const QImage board = QImage(QStringLiteral(":/assets/board.jpg")).convertToFormat(QImage::Format_RGB32);
    const QColor left = AverageOver(board, QRect(38, 112, 6, 4));
    const QColor right = AverageOver(board, QRect(76, 112, 6, 4));
    EXPECT_GT(left.green(), left.red() + 40) << left.name().toStdString();
    EXPECT_GT(right.red(), right.blue() + 80) << right.name().toStdString();
    EXPECT_GT(right.green(), right.blue() + 40) << right.name().toStdString();
}

}  // namespace
