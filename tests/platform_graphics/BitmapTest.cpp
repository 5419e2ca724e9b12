#include <gtest/gtest.h>

#include <vector>

#include "TestImages.h"
#include "platform/Graphics.h"

using namespace vcl;

TEST(Bitmap, RowsAreBlueGreenRedInPlace) {
    TBitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixel(2, 1), clBlack);  // new pixels are black

    std::uint8_t* row = bitmap.ScanLine(1);
    row[4] = 0x30, row[5] = 0x20, row[6] = 0x10;  // pixel (1,1)
    EXPECT_EQ(bitmap.Canvas()->Pixel(1, 1), RGB(0x10, 0x20, 0x30));

    bitmap.Canvas()->SetPixel(2, 0, RGB(0xAA, 0xBB, 0xCC));
    const std::uint8_t* top = bitmap.ScanLine(0);
    EXPECT_EQ((std::vector<int>{top[8], top[9], top[10]}), (std::vector<int>{0xCC, 0xBB, 0xAA}));
    EXPECT_EQ(bitmap.ScanLine(1), row);  // the same memory, not a copy

    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(Bitmap, ResizingKeepsOverlapAndBlackensTheRest) {
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->Brush.Color = clWhite;
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };

    bitmap.SetWidth(3);
    bitmap.SetHeight(1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_EQ(bitmap.Canvas()->Pixel(1, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixel(2, 0), clBlack);

    bitmap.Canvas()->Rectangle(0, 0, 1, 1);  // drawing on it counts as a change
    EXPECT_EQ(changes, 3);

    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, TransparentDrawSkipsTheBottomLeftColour) {
    TBitmap bitmap(2, 2);
    TCanvas* c = bitmap.Canvas();
    c->SetPixel(0, 0, clRed);
    c->SetPixel(1, 0, clBlue);
    c->SetPixel(0, 1, clYellow);  // bottom-left: the key
    c->SetPixel(1, 1, clYellow);

    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    canvas.Draw(0, 0, &bitmap);
    bitmap.SetTransparent(true);
    EXPECT_EQ(bitmap.TransparentColor(), clYellow);
    canvas.Draw(2, 0, &bitmap);
    EXPECT_EQ(testimages::Map(target), (std::vector<std::string>{"#o#o", "??.."}));
}

TEST(Bitmap, StretchDrawScalesToTheRectangle) {
    TBitmap bitmap(2, 1);
    bitmap.Canvas()->SetPixel(0, 0, clRed);
    bitmap.Canvas()->SetPixel(1, 0, clBlue);
    QImage target(5, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    canvas.StretchDraw(Rect(0, 0, 4, 2), &bitmap);
    EXPECT_EQ(testimages::Map(target), (std::vector<std::string>{"##oo.", "##oo."}));
}

TEST(Bitmap, EightBitBmpKeepsItsPalette) {
    QImage indexed(4, 2, QImage::Format_Indexed8);
    QVector<QRgb> grey;
    for (int i = 0; i < 256; ++i) grey.append(qRgb(i, i, i));
    indexed.setColorTable(grey);
    const int values[2][4] = {{0, 64, 128, 255}, {10, 20, 30, 40}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) indexed.setPixel(x, y, uint(values[y][x]));

    TBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromData(testimages::EncodeBmp(indexed)));
    EXPECT_TRUE(bitmap.PaletteModified());
    HPALETTE palette = bitmap.Palette();
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->Entries.size(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(palette->Entries[i], qRgb(i, i, i)) << i;
    ASSERT_EQ(bitmap.Width(), 4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(bitmap.Canvas()->Pixel(x, y), RGB(values[y][x], values[y][x], values[y][x]));
    EXPECT_EQ(bitmap.ScanLine(0)[4 * 2], 128);  // 32-bit rows once loaded
}

TEST(Bitmap, TrueColourBmpHasNoPaletteAndJunkIsRefused) {
    TBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromData(testimages::EncodeBmp(testimages::Gradient(5, 3))));
    EXPECT_EQ(bitmap.Palette(), nullptr);
    EXPECT_FALSE(bitmap.PaletteModified());
    EXPECT_EQ(bitmap.Width(), 5);

    EXPECT_FALSE(bitmap.LoadFromData("BM not really a bitmap"));
    EXPECT_FALSE(bitmap.LoadFromData(QByteArray()));
    EXPECT_FALSE(bitmap.LoadFromFile("/nonexistent/file.bmp"));
    EXPECT_EQ(bitmap.Width(), 5);  // unchanged by the failures
}

TEST(Bitmap, CloneIsIndependent) {
    TBitmap bitmap(2, 2);
    bitmap.SetTransparent(true);
    std::unique_ptr<TGraphic> clone = bitmap.Clone();
    auto* copy = dynamic_cast<TBitmap*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Transparent());
    bitmap.Canvas()->SetPixel(0, 0, clWhite);
    EXPECT_EQ(copy->Canvas()->Pixel(0, 0), clBlack);
    copy->Canvas()->SetPixel(1, 1, clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixel(1, 1), clBlack);
    EXPECT_STREQ(copy->ClassName(), "TBitmap");
}
