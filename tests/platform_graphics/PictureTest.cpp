#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestImages.h"
#include "platform/Graphics.h"

using namespace vcl;

namespace {

struct TCountedPicture {
    TPicture picture;
    int changes = 0;
    TCountedPicture() {
        picture.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &picture);
            ++changes;
        };
    }
};

}  // namespace

TEST(Picture, LoadsByTheFirstBytesAndReportsEachChange) {
    TCountedPicture p;
    p.picture.LoadFromData(testimages::EncodeJpeg(testimages::Gradient(30, 20), true));
    EXPECT_EQ(p.changes, 1);
    ASSERT_NE(p.picture.Graphic(), nullptr);
    EXPECT_STREQ(p.picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(p.picture.Width(), 30);
    EXPECT_EQ(p.picture.Height(), 20);

    p.picture.LoadFromData(testimages::EncodeBmp(testimages::Gradient(7, 5)));
    EXPECT_EQ(p.changes, 2);
    EXPECT_STREQ(p.picture.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(p.picture.Width(), 7);

    // Changes made to the graphic itself reach the picture's handler.
    p.picture.Graphic()->SetTransparent(true);
    EXPECT_EQ(p.changes, 3);
}

TEST(Picture, UnreadableDataRaisesAndKeepsThePicture) {
    TCountedPicture p;
    p.picture.LoadFromData(testimages::EncodeBmp(testimages::Gradient(7, 5)));
    const QByteArray jpeg = testimages::EncodeJpeg(testimages::Gradient(30, 20), false);
    for (const QByteArray& bad : {QByteArray("GIF89a"), QByteArray("BMxx"), jpeg.left(jpeg.size() / 2)}) {
        EXPECT_THROW(p.picture.LoadFromData(bad), EInvalidGraphic);
    }
    EXPECT_THROW(p.picture.LoadFromFile("/nonexistent/picture.jpg"), EInvalidGraphic);
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p.picture.Width(), 7);
}

TEST(Picture, LoadFromFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("board.jpg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testimages::EncodeJpeg(testimages::Gradient(12, 9), true));
    file.close();

    TCountedPicture p;
    p.picture.LoadFromFile(FromQString(path));
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p.picture.Width(), 12);
    EXPECT_EQ(p.picture.Height(), 9);
}

TEST(Picture, AssignCopiesAndClears) {
    TPicture source;
    source.Bitmap()->SetSize(3, 3);
    TCountedPicture p;
    p.picture.Assign(&source);
    EXPECT_EQ(p.changes, 1);
    ASSERT_NE(p.picture.Graphic(), nullptr);
    EXPECT_NE(p.picture.Graphic(), source.Graphic());
    EXPECT_EQ(p.picture.Width(), 3);

    // Later changes to the source leave the copy as it was, and do not
    // count as changes of the copy.
    source.Bitmap()->Canvas()->SetPixel(1, 1, clWhite);
    source.Bitmap()->SetSize(5, 5);
    EXPECT_EQ(p.picture.Width(), 3);
    EXPECT_EQ(p.picture.Bitmap()->Canvas()->Pixel(1, 1), clBlack);
    EXPECT_EQ(p.changes, 1);

    p.picture.Assign(nullptr);
    EXPECT_EQ(p.changes, 2);
    EXPECT_EQ(p.picture.Graphic(), nullptr);
    EXPECT_EQ(p.picture.Width(), 0);

    TPicture empty;
    p.picture.Assign(&source);
    p.picture.Assign(&empty);
    EXPECT_EQ(p.changes, 4);
    EXPECT_EQ(p.picture.Graphic(), nullptr);
}

TEST(Picture, SetGraphicCopiesAndBitmapReplacesOtherKinds) {
    TJPEGImage jpeg;
    jpeg.LoadFromData(testimages::EncodeJpeg(testimages::Gradient(10, 6), false));
    TCountedPicture p;
    p.picture.SetGraphic(&jpeg);
    EXPECT_NE(p.picture.Graphic(), &jpeg);
    EXPECT_EQ(p.picture.Width(), 10);

    TBitmap* bitmap = p.picture.Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(p.picture.Bitmap(), bitmap);
    EXPECT_EQ(p.changes, 2);
}
