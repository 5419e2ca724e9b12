#include <gtest/gtest.h>

#include <cstdlib>

#include "TestImages.h"
#include "platform/Graphics.h"

using namespace vcl;

namespace {

// Mean and worst per-channel difference between two images of one size.
struct TDifference {
    double Mean = 0;
    int Worst = 0;
};

TDifference Compare(const QImage& a, const QImage& b) {
    TDifference d;
    long long sum = 0, count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int diff : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                sum += std::abs(diff);
                d.Worst = std::max(d.Worst, std::abs(diff));
                ++count;
            }
        }
    d.Mean = double(sum) / double(count);
    return d;
}

// The grey a JPEG encoder makes of a colour image.
QImage Luma(const QImage& colour) {
    QImage grey(colour.size(), QImage::Format_RGB32);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x) {
            QRgb p = colour.pixel(x, y);
            int v = int(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p) + 0.5);
            grey.setPixel(x, y, qRgb(v, v, v));
        }
    return grey;
}

// Offset of the first byte after the start-of-scan header.
qsizetype ScanDataStart(const QByteArray& jpeg) {
    qsizetype sos = jpeg.indexOf("\xFF\xDA");
    if (sos < 0) return -1;
    int length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    return sos + 2 + length;
}

}  // namespace

TEST(Jpeg, DecodesBaselineProgressiveAndGrey) {
    const QImage source = testimages::Gradient(64, 48);
    struct {
        const char* name;
        bool progressive, grey;
    } cases[] = {{"baseline", false, false}, {"progressive", true, false}, {"grey", false, true}};
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        TJPEGImage jpeg;
        jpeg.LoadFromData(testimages::EncodeJpeg(source, c.progressive, c.grey));
        ASSERT_EQ(jpeg.Width(), 64);
        ASSERT_EQ(jpeg.Height(), 48);
        EXPECT_EQ(jpeg.ProgressiveEncoding(), c.progressive);
        EXPECT_EQ(jpeg.Palette(), nullptr);
        const QImage expected = c.grey ? Luma(source) : source;
        TDifference d = Compare(jpeg.Image(), expected);
        EXPECT_LT(d.Mean, 3.0);
        EXPECT_LT(d.Worst, 24);
    }
}

TEST(Jpeg, DrawsThroughTheCanvas) {
    TJPEGImage jpeg;
    jpeg.LoadFromData(testimages::EncodeJpeg(testimages::Gradient(16, 16), true));
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    canvas.Draw(2, 3, &jpeg);
    EXPECT_EQ(target.copy(2, 3, 16, 16), jpeg.Image());
    EXPECT_EQ(canvas.Pixel(1, 3), clWhite);
}

TEST(Jpeg, BrokenFilesRaiseAndLeaveTheImageAlone) {
    const QByteArray good = testimages::EncodeJpeg(testimages::Gradient(64, 48), false);
    const QByteArray progressive = testimages::EncodeJpeg(testimages::Gradient(64, 48), true);

    auto corrupt = [](QByteArray data) {
        // Garbage from just after the scan header up to the end marker.
        unsigned seed = 12345;
        for (qsizetype i = ScanDataStart(data); i < data.size() - 2; ++i) {
            seed = seed * 1103515245u + 12345u;
            data[i] = char(seed >> 16);
        }
        return data;
    };
    struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"truncated baseline", good.left(good.size() / 2)},
        {"truncated progressive", progressive.left(progressive.size() / 2)},
        {"corrupt baseline", corrupt(good)},
        {"corrupt progressive", corrupt(progressive)},
        {"header only", good.left(ScanDataStart(good))},
        {"just the start marker", QByteArray("\xFF\xD8", 2)},
        {"empty", QByteArray()},
    };

    TJPEGImage jpeg;
    jpeg.LoadFromData(testimages::EncodeJpeg(testimages::Gradient(8, 4), false));
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            jpeg.LoadFromData(c.data);
            ADD_FAILURE() << "no error raised";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STRNE(e.what(), "");
        }
        EXPECT_EQ(jpeg.Width(), 8);
        EXPECT_EQ(jpeg.Height(), 4);
    }
}
