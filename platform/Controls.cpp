#include "platform/Controls.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

#include "platform/ControlSurface.h"
#include "platform/Forms.h"
#include "platform/WinApi.h"

namespace vcl {

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = [this](TObject*) { DoFontChanged(); };
}

TControl::~TControl() {
    BeginDestroy();
    if (FParent) FParent->RemoveControl(this);
    if (Application) Application->ControlDestroying(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw EComponentError("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

void TControl::ConstrainSize(int& width, int& height) const {
    if (FConstraints.MinWidth > 0) width = std::max(width, FConstraints.MinWidth);
    if (FConstraints.MinHeight > 0) height = std::max(height, FConstraints.MinHeight);
    if (FConstraints.MaxWidth > 0) width = std::min(width, FConstraints.MaxWidth);
    if (FConstraints.MaxHeight > 0) height = std::min(height, FConstraints.MaxHeight);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    ApplyBounds(left, top, width, height, false);
}

void TControl::SetBoundsFromLayout(int left, int top, int width, int height) {
    ApplyBounds(left, top, width, height, true);
}

void TControl::ApplyBounds(int left, int top, int width, int height, bool fromLayout) {
    // While a description is read, sizes are taken as written (Loaded applies
    // the auto-size rule afterwards), and a control not yet placed anywhere
    // keeps its size until it is.
    if (FAutoSize && !FAdjustingSize && !IsLoading() && FParent) CanAutoSize(width, height);
    ConstrainSize(width, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    const bool moved = left != FLeft || top != FTop;
    const bool resized = width != FWidth || height != FHeight;
    if (!moved && !resized) {
        if (!fromLayout) UpdateAnchorRules();
        return;
    }
    Invalidate();  // the old area
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (!fromLayout) UpdateAnchorRules();
    BoundsChanged();
    Invalidate();  // the new area
    if (resized && OnResize) OnResize(this);
    if (!fromLayout && FAlign != alNone) RequestParentRealign();
}

void TControl::SetClientSize(int w, int h) {
    SetBounds(FLeft, FTop, w + (FWidth - ClientWidth()), h + (FHeight - ClientHeight()));
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    if (FAutoSize) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetConstraints(const TSizeConstraints& c) {
    if (c == FConstraints) return;
    FConstraints = c;
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::UpdateAnchorRules() {
    FAnchorBase = BoundsRect();
    if (FParent)
        FOriginalParentSize = TPoint{FParent->ClientWidth(), FParent->ClientHeight()};
    else
        FOriginalParentSize = TPoint{0, 0};
}

void TControl::ApplyAnchors(int pw, int ph) {
    if (FOriginalParentSize.X <= 0 || FOriginalParentSize.Y <= 0) {
        UpdateAnchorRules();
        return;
    }
    auto axis = [](bool nearSide, bool farSide, int start, int size, int oldParent, int parent,
                   int& newStart, int& newSize) {
        newStart = start;
        newSize = size;
        if (nearSide && farSide) {
            newSize = size + parent - oldParent;
        } else if (farSide) {
            newStart = parent - (oldParent - start);
        } else if (!nearSide) {
            // Neither side: keep the centre at the same proportion.
            const long long centre = start + size / 2;
            newStart = static_cast<int>(centre * parent / oldParent) - size / 2;
        }
    };
    int l, w, t, h;
    axis(FAnchors & akLeft, FAnchors & akRight, FAnchorBase.Left, FAnchorBase.Width(),
         FOriginalParentSize.X, pw, l, w);
    axis(FAnchors & akTop, FAnchors & akBottom, FAnchorBase.Top, FAnchorBase.Height(),
         FOriginalParentSize.Y, ph, t, h);
    SetBoundsFromLayout(l, t, w, h);
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == FAnchors) return;
    FAnchors = anchors;
    UpdateAnchorRules();
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    RequestParentRealign();
}

void TControl::RequestParentRealign() {
    if (FParent) FParent->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    if (!visible) Invalidate();
    FVisible = visible;
    VisibilityChanged();
    if (visible) Invalidate();
    if (FAlign != alNone) RequestParentRealign();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    EnabledChanged();
    Invalidate();
}

void TControl::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    ColorChanged();
}

void TControl::FontChanged() { DoFontChanged(); }

void TControl::Invalidate() {}
void TControl::Update() {}

void TControl::BringToFront() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end() || it + 1 == list.end()) {
        if (IsWindowed()) static_cast<TWinControl*>(this)->Widget()->raise();
        Invalidate();
        return;
    }
    list.erase(it);
    list.push_back(this);
    if (IsWindowed()) static_cast<TWinControl*>(this)->Widget()->raise();
    Invalidate();
}

void TControl::SendToBack() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    list.insert(list.begin(), this);
    if (IsWindowed()) static_cast<TWinControl*>(this)->Widget()->lower();
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage message{msg, wparam, lparam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    // A leave reaches the parent too, so a container learns the pointer has
    // left one of its children.
    if (message.Msg == CM_MOUSELEAVE && FParent)
        FParent->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return TPoint{FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return TPoint{p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return TPoint{p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return TPoint{p.X - o.X, p.Y - o.Y};
}

// --------------------------------------------------------- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::Invalidate() {
    TWinControl* parent = Parent();
    if (!parent || !parent->ClientWidget() || !Visible()) return;
    parent->ClientWidget()->update(QRect(Left(), Top(), Width(), Height()));
}

void TGraphicControl::Update() {
    TWinControl* parent = Parent();
    if (!parent || !parent->ClientWidget()) return;
    parent->ClientWidget()->repaint(QRect(Left(), Top(), Width(), Height()));
}

void TGraphicControl::PaintInPass(QImage& buffer, TPoint origin, const TRect& clipInBuffer) {
    FCanvas.SetTarget(&buffer);
    FCanvas.SetOrigin(origin);
    FCanvas.SetClipRect(Rect(clipInBuffer.Left - origin.X, clipInBuffer.Top - origin.Y,
                             clipInBuffer.Right - origin.X, clipInBuffer.Bottom - origin.Y));
    struct Detach {
        TCanvas& canvas;
        ~Detach() {
            canvas.ClearClip();
            canvas.SetOrigin(TPoint{0, 0});
            canvas.SetTarget(nullptr);
        }
    } detach{FCanvas};
    Paint();
}

// ------------------------------------------------------------- TWinControl

namespace {
std::vector<std::pair<const QWidget*, TWinControl*>>& WidgetMap() {
    static std::vector<std::pair<const QWidget*, TWinControl*>> map;
    return map;
}
}  // namespace

TWinControl* FindControlOfWidget(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        for (auto& [w, c] : WidgetMap())
            if (w == widget) return c;
    }
    return nullptr;
}

TWinControl::TWinControl(TComponent* AOwner, QWidget* widget)
    : TControl(AOwner), FWidget(widget) {
    WidgetMap().emplace_back(widget, this);
    widget->setMouseTracking(true);
    widget->setFont(Font().ToQFont());
    widget->hide();
    RegisterWindowHandle(this);
}

TWinControl::~TWinControl() {
    BeginDestroy();
    // A windowed control destroys its child controls, whoever owns them.
    while (!FControls.empty()) delete FControls.back();
    if (Parent()) Parent()->RemoveControl(this);
    UnregisterWindowHandle(this);
    auto& map = WidgetMap();
    map.erase(std::remove_if(map.begin(), map.end(),
                             [this](const auto& entry) { return entry.second == this; }),
              map.end());
    delete FWidget.data();
}

int TWinControl::IndexOfControl(const TControl* control) const {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : static_cast<int>(it - FControls.begin());
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    control->FParent = this;
    if (control->IsWindowed()) {
        auto* win = static_cast<TWinControl*>(control);
        win->FWidget->setParent(ClientWidget());
        win->SyncWidgetGeometry();
        win->SyncWidgetVisibility();
        UpdateTabChain();
    }
    if (control->AutoSize())
        control->SetBounds(control->Left(), control->Top(), control->Width(), control->Height());
    control->UpdateAnchorRules();
    if (control->Align() != alNone) Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    control->Invalidate();
    FControls.erase(it);
    control->FParent = nullptr;
    if (control->IsWindowed() && !IsDestroying()) {
        auto* win = static_cast<TWinControl*>(control);
        if (win->FWidget) {
            win->FWidget->hide();
            win->FWidget->setParent(nullptr);
        }
    }
    if (control->Align() != alNone && !IsDestroying()) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool windowedToo) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (c->IsWindowed() && !windowedToo)) continue;
        if (p.X >= c->Left() && p.X < c->Left() + c->Width() && p.Y >= c->Top() &&
            p.Y < c->Top() + c->Height())
            return c;
    }
    return nullptr;
}

void TWinControl::SetTabOrder(int order) {
    FTabOrder = order;
    if (Parent()) Parent()->UpdateTabChain();
}

void TWinControl::SetTabStop(bool v) {
    FTabStop = v;
    // Without a tab stop a control still takes the focus when clicked.
    if (FWidget) FWidget->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::UpdateTabChain() {
    std::vector<TWinControl*> chain;
    for (TControl* c : FControls)
        if (c->IsWindowed()) chain.push_back(static_cast<TWinControl*>(c));
    std::stable_sort(chain.begin(), chain.end(), [](TWinControl* a, TWinControl* b) {
        // Controls without a tab order come last, in child order.
        const int ka = a->FTabOrder < 0 ? INT32_MAX : a->FTabOrder;
        const int kb = b->FTabOrder < 0 ? INT32_MAX : b->FTabOrder;
        return ka < kb;
    });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->FWidget, chain[i]->FWidget);
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TForm* form = GetParentForm(this); form && form != this) form->ActivateForFocus();
    if (FWidget) FWidget->setFocus(Qt::OtherFocusReason);
}

void TWinControl::Realign() {
    if (FRealigning) return;
    const QScopedValueRollback<bool> guard(FRealigning, true);
    TRect r = ClientRect();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->Align() != pass || !c->Visible()) continue;
            switch (pass) {
                case alTop:
                    c->SetBoundsFromLayout(r.Left, r.Top, r.Width(), c->Height());
                    r.Top += c->Height();
                    break;
                case alBottom:
                    c->SetBoundsFromLayout(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                    r.Bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBoundsFromLayout(r.Left, r.Top, c->Width(), r.Height());
                    r.Left += c->Width();
                    break;
                case alRight:
                    c->SetBoundsFromLayout(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                    r.Right -= c->Width();
                    break;
                default:
                    c->SetBoundsFromLayout(r.Left, r.Top, r.Width(), r.Height());
                    break;
            }
        }
    }
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    for (TControl* c : FControls)
        if (c->Align() == alNone) c->ApplyAnchors(cw, ch);
}

void TWinControl::ClientResized() { Realign(); }

LRESULT TWinControl::DeliverMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    return Perform(msg, wparam, lparam);
}

void TWinControl::Invalidate() {
    if (QWidget* w = ClientWidget()) w->update();
}

void TWinControl::Update() {
    if (QWidget* w = ClientWidget()) w->repaint();
}

void TWinControl::BoundsChanged() {
    const bool resized = FWidget && (FWidget->width() != Width() || FWidget->height() != Height());
    SyncWidgetGeometry();
    if (resized) ClientResized();
}

void TWinControl::SyncWidgetGeometry() {
    if (FWidget) FWidget->setGeometry(Left(), Top(), Width(), Height());
}

void TWinControl::VisibilityChanged() { SyncWidgetVisibility(); }

void TWinControl::SyncWidgetVisibility() {
    // A control without a parent must never turn into a top-level window.
    if (FWidget) FWidget->setVisible(Visible() && Parent() != nullptr);
}

void TWinControl::EnabledChanged() {
    if (FWidget) FWidget->setEnabled(Enabled());
}

void TWinControl::DoFontChanged() {
    if (FWidget) FWidget->setFont(Font().ToQFont());
    Invalidate();
}

void TWinControl::PaintPass(QPainter& screen, const QRect& area) {
    QWidget* client = ClientWidget();
    const QSize size = client->size();
    if (FBackBuffer.size() != size) FBackBuffer = QImage(size, QImage::Format_RGB32);
    if (FBackBuffer.isNull()) return;
    const TRect clip = Rect(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    FCanvas.SetTarget(&FBackBuffer);
    FCanvas.SetOrigin(TPoint{0, 0});
    FCanvas.SetClipRect(clip);
    if (!FOpaque) {
        FCanvas.Brush.Color = Color();
        FCanvas.Brush.Style = bsSolid;
        FCanvas.FillRect(clip);
    }
    FCanvas.Font = Font();
    Paint();
    for (TControl* c : FControls) {
        if (c->IsWindowed() || !c->Visible()) continue;
        const TRect bounds = c->BoundsRect();
        const TRect visible = Rect(std::max(bounds.Left, clip.Left), std::max(bounds.Top, clip.Top),
                                   std::min(bounds.Right, clip.Right),
                                   std::min(bounds.Bottom, clip.Bottom));
        if (visible.Left >= visible.Right || visible.Top >= visible.Bottom) continue;
        static_cast<TGraphicControl*>(c)->PaintInPass(FBackBuffer, TPoint{bounds.Left, bounds.Top},
                                                      visible);
    }
    FCanvas.ClearClip();
    FCanvas.SetTarget(nullptr);
    screen.drawImage(area.topLeft(), FBackBuffer, area);
}

// ---------------------------------------------------------- TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner, new TControlSurface(this)) {}

}  // namespace vcl

namespace vcl {

TPoint TWinControl::ClientOrigin() const {
    QWidget* client = ClientWidget();
    if (!client) return TControl::ClientOrigin();
    const QPoint p = client->mapToGlobal(QPoint(0, 0));
    return TPoint{p.x(), p.y()};
}

void TWinControl::MousePressed(TPoint p) {
    TControl* target = ControlAtPos(p, false);
    FPressedControl = target ? target : this;
}

void TWinControl::MouseReleased(TPoint p) {
    TControl* pressed = FPressedControl;
    FPressedControl = nullptr;
    TControl* target = ControlAtPos(p, false);
    if (!target) target = this;
    // The pressed control may have gone meanwhile; compare before using it.
    if (pressed != target) return;
    if (target != this && IndexOfControl(target) < 0) return;
    if (target->Enabled()) target->Click();
}

void TWinControl::ScaleControls(int m, int d) {
    if (m == d || d == 0) return;
    auto scale = [m, d](int v) { return static_cast<int>(static_cast<long long>(v) * m / d); };
    for (TControl* c : FControls) {
        c->SetBounds(scale(c->Left()), scale(c->Top()), scale(c->Width()), scale(c->Height()));
        if (c->IsWindowed()) static_cast<TWinControl*>(c)->ScaleControls(m, d);
    }
}

}  // namespace vcl
