// Controls: the visual components. A TControl has a parent, bounds, anchors,
// align and visibility; a TWinControl is backed by a Qt widget and owns the
// ordered list of its child controls; a TGraphicControl has no widget and is
// painted by its windowed parent in one back-buffer pass.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <typeinfo>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Component.h"

namespace vcl {

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint8_t;

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;  // 0: no limit
    int MaxHeight = 0;
    friend bool operator==(const TSizeConstraints&, const TSizeConstraints&) = default;
};

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Every change of position or size goes through here.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
    void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
    virtual void SetClientSize(int w, int h);

    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a top-level form that is shown.
    virtual bool Showing() const;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    const TSizeConstraints& Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints& c);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void FontChanged();

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v) { FParentShowHint = v; }

    // Schedules a repaint of the control's area.
    virtual void Invalidate();
    // Paints the control's area now.
    virtual void Update();
    void Repaint() { Invalidate(); Update(); }

    // Moves the control to the end of its parent's child list: painted last.
    void BringToFront();
    void SendToBack();

    LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

    TNotifyEvent OnClick;
    TNotifyEvent OnResize;
    void SetOnClick(TNotifyEvent e) { OnClick = std::move(e); }
    virtual void Click();

    // Screen position of the client area's (0, 0).
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    virtual bool IsWindowed() const { return false; }

    // Layout: the parent calls these when its client area changes size.
    void ApplyAnchors(int parentClientWidth, int parentClientHeight);
    void UpdateAnchorRules();

protected:
    // Per-message handling; overrides call the base for what they don't handle.
    virtual void WndProc(TMessage& message);
    // The platform's answer to an auto-size request; may change the proposals.
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Hooks for subclasses, called after the state changed.
    virtual void BoundsChanged() {}
    virtual void VisibilityChanged() {}
    virtual void EnabledChanged() {}
    virtual void ColorChanged() { Invalidate(); }
    virtual void DoFontChanged() { Invalidate(); }
    // Bounds as the parent's align logic places them: no anchor-rule update.
    void SetBoundsFromLayout(int left, int top, int width, int height);
    void RequestParentRealign();

    bool FAdjustingSize = false;

private:
    void ApplyBounds(int left, int top, int width, int height, bool fromLayout);
    void ConstrainSize(int& width, int& height) const;

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    bool FAutoSize = false;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TSizeConstraints FConstraints;
    TColor FColor = clBtnFace;
    TFont FFont;
    // Anchor rules: the bounds and the parent's client size remembered when
    // bounds or anchors were last set by the program.
    TRect FAnchorBase;
    TPoint FOriginalParentSize;

    friend class TWinControl;
};

// A graphic control has no window: its parent paints it into the parent's
// back buffer, with this control's Canvas pointing there during the pass.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    const char* ClassName() const override { return "TGraphicControl"; }

    // Valid during a paint pass: draws onto the parent's buffer at the
    // control's position, clipped to it.
    TCanvas* Canvas() { return &FCanvas; }

    void Invalidate() override;
    void Update() override;

    // Called by the parent's paint pass.
    void PaintInPass(QImage& buffer, TPoint origin, const TRect& clipInBuffer);

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};

class TFormWidgetBridge;

// A control backed by a Qt widget.
class TWinControl : public TControl, public TWindowHandle {
public:
    TWinControl(TComponent* AOwner, QWidget* widget);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    QWidget* Widget() const { return FWidget; }
    // The widget child controls live in (a form's client area).
    virtual QWidget* ClientWidget() const { return FWidget; }
    HWND Handle() { return this; }
    TPoint ClientOrigin() const override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(index); }
    int IndexOfControl(const TControl* control) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The topmost visible child control (last in child order) at a client point.
    TControl* ControlAtPos(TPoint clientPoint, bool windowedToo) const;

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    // Lays out aligned and anchored children inside the client area.
    void Realign();

    LRESULT DeliverMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

    void Invalidate() override;
    void Update() override;

    // Whether the paint pass may skip erasing the background.
    bool Opaque() const { return FOpaque; }
    void SetOpaque(bool opaque) { FOpaque = opaque; }

    // The paint pass of a custom-drawn control: background, Paint, then each
    // visible graphic child in child order, into one 32-bit back buffer.
    void PaintPass(QPainter& screen, const QRect& area);
    // Mouse buttons on the client area: a press and release over the same
    // control is a click on it (graphic children included).
    void MousePressed(TPoint clientPoint);
    void MouseReleased(TPoint clientPoint);
    // Multiplies every child's position and size by m / d (form scaling).
    void ScaleControls(int m, int d);
    TCanvas* Canvas() { return &FCanvas; }

protected:
    virtual void Paint() {}
    void BoundsChanged() override;
    void VisibilityChanged() override;
    void EnabledChanged() override;
    void DoFontChanged() override;
    virtual void ClientResized();
    void SyncWidgetGeometry();
    void SyncWidgetVisibility();
    void UpdateTabChain();

private:
    QPointer<QWidget> FWidget;
    std::vector<TControl*> FControls;
    int FTabOrder = -1;
    bool FTabStop = false;
    bool FOpaque = false;
    bool FRealigning = false;
    TControl* FPressedControl = nullptr;

    friend class TControl;
    QImage FBackBuffer;
    TCanvas FCanvas;
};

// A windowed control that draws itself: Paint on the control's Canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    const char* ClassName() const override { return "TCustomControl"; }
};

// The control whose widget is, or contains, the given widget.
TWinControl* FindControlOfWidget(const QWidget* widget);

// Whether the object's dynamic class is exactly T: a derived class fails.
template <class T>
bool IsExactly(const TObject* object) {
    return object && typeid(*object) == typeid(T);
}

}  // namespace vcl
