#include "platform/Graphics.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "platform/Jpeg.h"

namespace vcl {

namespace {

QByteArray ReadWholeFile(const String& fileName) {
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly)) throw EInvalidGraphic("Cannot open file \"" + fileName + "\"");
    return file.readAll();
}

}  // namespace

// ---- TGraphic ----

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed() {
    if (OnChange) OnChange(this);
}

// ---- TBitmap ----

TBitmap::TBitmap() { AttachCanvas(); }

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other) : TGraphic(other), FImage(other.FImage), FPalette(other.FPalette) {
    AttachCanvas();
}

void TBitmap::AttachCanvas() {
    FCanvas.SetTarget(&FImage);
    FCanvas.OnChange = [this](TObject*) { Changed(); };
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height() && FImage.format() == QImage::Format_RGB32) return;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_RGB32);
        resized.fill(0xFF000000u);
        const QImage old = FImage.isNull() ? QImage() : FImage.convertToFormat(QImage::Format_RGB32);
        const int rows = std::min(height, old.height()), bytes = std::min(width, old.width()) * 4;
        for (int y = 0; y < rows; ++y) std::memcpy(resized.scanLine(y), old.constScanLine(y), size_t(bytes));
    }
    FImage = resized;
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= Height()) throw EInvalidGraphic("Scan line index out of range");
    if (FImage.format() != QImage::Format_RGB32) FImage = FImage.convertToFormat(QImage::Format_RGB32);
    return FImage.scanLine(row);
}

const std::uint8_t* TBitmap::ScanLine(int row) const {
    if (row < 0 || row >= Height()) throw EInvalidGraphic("Scan line index out of range");
    return FImage.constScanLine(row);
}

bool TBitmap::LoadFromData(const QByteArray& data) {
    if (!data.startsWith("BM")) return false;
    QImage loaded = QImage::fromData(data, "BMP");
    if (loaded.isNull()) return false;
    FPalette.Entries = loaded.colorTable();
    SetPaletteModified(!FPalette.Entries.isEmpty());
    FImage = loaded.convertToFormat(QImage::Format_RGB32);
    Changed();
    return true;
}

bool TBitmap::LoadFromFile(const String& fileName) {
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly)) return false;
    return LoadFromData(file.readAll());
}

HPALETTE TBitmap::Palette() const { return FPalette.Entries.isEmpty() ? nullptr : &FPalette; }

TColor TBitmap::TransparentColor() const {
    if (FImage.isNull()) return clBlack;
    QRgb p = FImage.pixel(0, Height() - 1);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    std::optional<TColor> key;
    if (Transparent()) key = TransparentColor();
    canvas.DrawImage(r, FImage, TRect{0, 0, Width(), Height()}, key);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }

// ---- TJPEGImage ----

void TJPEGImage::LoadFromData(const QByteArray& data) {
    TJpegDecoded decoded = DecodeJpeg(data);
    FImage = decoded.Image;
    FProgressive = decoded.Progressive;
    Changed();
}

void TJPEGImage::LoadFromFile(const String& fileName) { LoadFromData(ReadWholeFile(fileName)); }

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) {
    canvas.DrawImage(r, FImage, TRect{0, 0, Width(), Height()});
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const { return std::make_unique<TJPEGImage>(*this); }

// ---- TPicture ----

void TPicture::SetGraphic(const TGraphic* graphic) {
    SetGraphic(graphic ? graphic->Clone() : std::unique_ptr<TGraphic>());
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture* source) {
    if (source == this) return;
    SetGraphic(source ? source->Graphic() : nullptr);
}

TBitmap* TPicture::Bitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get());
    if (!bitmap) {
        SetGraphic(std::make_unique<TBitmap>());
        bitmap = static_cast<TBitmap*>(FGraphic.get());
    }
    return bitmap;
}

void TPicture::LoadFromFile(const String& fileName) { LoadFromData(ReadWholeFile(fileName)); }

void TPicture::LoadFromData(const QByteArray& data) {
    if (data.startsWith("\xFF\xD8")) {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromData(data);
        SetGraphic(std::move(jpeg));
    } else if (data.startsWith("BM")) {
        auto bitmap = std::make_unique<TBitmap>();
        if (!bitmap->LoadFromData(data)) throw EInvalidGraphic("Bitmap image is not valid");
        SetGraphic(std::move(bitmap));
    } else {
        throw EInvalidGraphic("Unknown picture format");
    }
}

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

}  // namespace vcl
