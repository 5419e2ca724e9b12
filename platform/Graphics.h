// Graphics that a canvas can draw: 32-bit off-screen bitmaps (BMP files,
// palettes included), JPEG images, and the picture object that holds one.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "platform/Canvas.h"
#include "platform/String.h"
#include "platform/Types.h"

namespace vcl {

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPaletteData {
    QVector<QRgb> Entries;
};
// Null when the graphic has no palette.
using HPALETTE = const TPaletteData*;

class TGraphic : public TObject {
public:
    TGraphic() = default;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const { return 0; }
    virtual int Height() const { return 0; }
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    virtual HPALETTE Palette() const { return nullptr; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool value) { FPaletteModified = value; }

    virtual bool IsMetafileOrIcon() const { return false; }
    virtual const char* ClassName() const { return "TGraphic"; }

    // Draws the whole graphic scaled into r.
    virtual void Draw(TCanvas& canvas, const TRect& r) = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    // Raises OnChange after the pixels were changed directly.
    void Modified() { Changed(); }

    TNotifyEvent OnChange;

protected:
    // Copies the state, not the OnChange handler, which belongs to the owner.
    TGraphic(const TGraphic& other)
        : TObject(), FTransparent(other.FTransparent), FPaletteModified(other.FPaletteModified) {}
    void Changed();

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};

// 32 bits per pixel in memory, bytes blue, green, red, unused, whatever
// the file held; a palette file keeps its palette for Palette().
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    // Keeps the overlapping pixels; new ones are black.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    // The row in place, 4 bytes per pixel. Raises EInvalidGraphic for a row
    // out of range.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;

    // Drawing on it raises OnChange.
    TCanvas* Canvas() { return &FCanvas; }
    QImage& Image() { return FImage; }
    const QImage& Image() const { return FImage; }

    // BMP only; false (and the bitmap unchanged) for anything else.
    bool LoadFromData(const QByteArray& data);
    bool LoadFromFile(const String& fileName);

    HPALETTE Palette() const override;
    // When transparent, pixels of the bottom-left pixel's colour are not drawn.
    TColor TransparentColor() const;

    void Draw(TCanvas& canvas, const TRect& r) override;
    std::unique_ptr<TGraphic> Clone() const override;
    const char* ClassName() const override { return "TBitmap"; }

private:
    void AttachCanvas();

    QImage FImage;
    TPaletteData FPalette;
    TCanvas FCanvas;
};

class TJPEGImage : public TGraphic {
public:
    TJPEGImage() = default;
    TJPEGImage(const TJPEGImage& other) = default;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }

    // Baseline and progressive files. A truncated or corrupt file raises
    // EInvalidGraphic with the decoder's message and leaves the image as it was.
    void LoadFromData(const QByteArray& data);
    void LoadFromFile(const String& fileName);

    // The decoded pixels, 32-bit.
    const QImage& Image() const { return FImage; }
    bool ProgressiveEncoding() const { return FProgressive; }

    void Draw(TCanvas& canvas, const TRect& r) override;
    std::unique_ptr<TGraphic> Clone() const override;
    const char* ClassName() const override { return "TJPEGImage"; }

private:
    QImage FImage;
    bool FProgressive = false;
};

// Holds at most one graphic, which it owns. Changes to the graphic itself
// are passed on as the picture's OnChange.
class TPicture : public TObject {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Keeps a copy of graphic; null clears.
    void SetGraphic(const TGraphic* graphic);
    void SetGraphic(std::nullptr_t) { SetGraphic(static_cast<const TGraphic*>(nullptr)); }
    // Takes the graphic over.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // Copies the source's graphic; null clears.
    void Assign(const TPicture* source);

    // The graphic as a bitmap; anything else is first replaced by an empty one.
    TBitmap* Bitmap();

    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // JPEG or BMP, told by the first bytes. Anything unreadable raises
    // EInvalidGraphic and leaves the picture as it was.
    void LoadFromFile(const String& fileName);
    void LoadFromData(const QByteArray& data);

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace vcl
