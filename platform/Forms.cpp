#include "platform/Forms.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/ControlSurface.h"
#include "platform/FormReader.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/WinApi.h"

namespace vcl {

TApplication* Application = nullptr;

namespace {

// The top-level window of a form: reports window-system events back to it.
class TFormWindow : public QMainWindow {
public:
    explicit TFormWindow(TForm* form) : FForm(form) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        // Closing is the form's decision (it usually only hides).
        event->ignore();
        FForm->CloseRequested();
    }
    void moveEvent(QMoveEvent* event) override {
        QMainWindow::moveEvent(event);
        FForm->WindowMovedOrResized();
    }
    void resizeEvent(QResizeEvent* event) override {
        QMainWindow::resizeEvent(event);
        FForm->WindowMovedOrResized();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (FForm->HandleDialogKey(event->key())) return;
        QMainWindow::keyPressEvent(event);
    }

private:
    TForm* FForm;
};

}  // namespace

// ------------------------------------------------------------------- TForm

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, new TFormWindow(this)) {
    auto* window = static_cast<TFormWindow*>(Widget());
    auto* client = new TControlSurface(this, window);
    window->setCentralWidget(client);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    TControl::SetVisible(false);
    if (Application) Application->AddForm(this);
}

TForm::~TForm() {
    BeginDestroy();
    if (Application) Application->RemoveForm(this);
}

QMainWindow* TForm::Window() const { return static_cast<QMainWindow*>(Widget()); }

QWidget* TForm::ClientWidget() const {
    return Widget() ? static_cast<QMainWindow*>(Widget())->centralWidget() : nullptr;
}

QMargins TForm::FrameMargins() const {
    const QWidget* w = Widget();
    if (w->isVisible()) {
        const QRect outer = w->frameGeometry();
        const QRect inner = w->geometry();
        const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!m.isNull()) return m;
    }
    // The native window knows its frame on some platforms before showing.
    if (!w->windowHandle()) const_cast<QWidget*>(w)->winId();
    if (const QWindow* handle = w->windowHandle()) {
        const QMargins m = handle->frameMargins();
        if (!m.isNull()) return m;
    }
    // Not known before the window system has framed the window: take the
    // frame it gave the windows already shown.
    return Application ? Application->FrameMarginsSeen() : QMargins();
}

int TForm::NonClientWidth() const {
    const QMargins m = FrameMargins();
    return m.left() + m.right();
}

int TForm::NonClientHeight() const {
    const QMargins m = FrameMargins();
    int menuHeight = 0;
    if (FMenu && Window()->menuWidget() && !Window()->menuWidget()->isHidden())
        menuHeight = Window()->menuWidget()->sizeHint().height();
    return m.top() + m.bottom() + menuHeight;
}

int TForm::ClientWidth() const { return std::max(0, Width() - NonClientWidth()); }
int TForm::ClientHeight() const { return std::max(0, Height() - NonClientHeight()); }

bool TForm::Showing() const { return Widget() && Widget()->isVisible(); }

void TForm::SetCaption(const String& caption) {
    FCaption = caption;
    Window()->setWindowTitle(ToQString(caption));
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    SyncWindowFlags();
}

void TForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle) return;
    FFormStyle = style;
    SyncWindowFlags();
}

void TForm::SyncWindowFlags() {
    Qt::WindowFlags flags;
    switch (FBorderStyle) {
        case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
        case bsDialog: flags = Qt::Dialog; break;
        case bsToolWindow:
        case bsSizeToolWin:
            flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint;
            break;
        default: flags = Qt::Window; break;
    }
    if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = Window()->isVisible();
    Window()->setWindowFlags(flags);
    if (wasVisible) Window()->show();  // changing flags hides a window
}

void TForm::SetWindowState(TWindowState state) {
    if (state == FWindowState) return;
    FWindowState = state;
    if (!Window()->isVisible()) return;
    if (state == wsMaximized)
        Window()->showMaximized();
    else if (state == wsMinimized)
        Window()->showMinimized();
    else
        Window()->showNormal();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == FMenu) return;
    if (FMenu) FMenu->Detach();
    FMenu = menu;
    if (FMenu) FMenu->AttachTo(Window()->menuBar());
    Realign();
}

void TForm::BoundsChanged() {
    if (!FSyncingFromWindow) SyncWidgetGeometryToWindow();
    ClientResized();
}

void TForm::SyncWidgetGeometryToWindow() {
    QWidget* w = Widget();
    if (!w) return;
    const QMargins frame = FrameMargins();
    const int frameW = frame.left() + frame.right();
    const int frameH = frame.top() + frame.bottom();
    const QScopedValueRollback<bool> guard(FSyncingFromWindow, true);
    // Before the first showing a default position is the window system's.
    const bool systemPlaces = !FShownOnce && (FPosition == poDefault || FPosition == poDefaultPosOnly);
    if (!systemPlaces) w->move(Left(), Top());
    w->resize(std::max(1, Width() - frameW), std::max(1, Height() - frameH));
    if (Constraints().MinWidth > 0 || Constraints().MinHeight > 0)
        w->setMinimumSize(std::max(0, Constraints().MinWidth - frameW),
                          std::max(0, Constraints().MinHeight - frameH));
}

void TForm::WindowMovedOrResized() {
    if (FSyncingFromWindow || IsDestroying()) return;
    const QRect frame = Widget()->frameGeometry();
    if (Application && Widget()->isVisible() && frame != Widget()->geometry())
        Application->NoteFrameMargins(FrameMargins());
    const QScopedValueRollback<bool> guard(FSyncingFromWindow, true);
    TControl::SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
}

void TForm::PlaceForFirstShow() {
    if (FShownOnce) return;
    FShownOnce = true;
    TForm* mainForm = Application ? Application->MainForm() : nullptr;
    TRect area = Application ? Application->WorkArea() : Rect(0, 0, 1024, 768);
    switch (FPosition) {
        case poScreenCenter:
            SetBounds(area.Left + (area.Width() - Width()) / 2,
                      area.Top + (area.Height() - Height()) / 2, Width(), Height());
            break;
        case poMainFormCenter:
        case poOwnerFormCenter:
            if (mainForm && mainForm != this)
                SetBounds(mainForm->Left() + (mainForm->Width() - Width()) / 2,
                          mainForm->Top() + (mainForm->Height() - Height()) / 2, Width(), Height());
            break;
        default:
            SyncWidgetGeometryToWindow();
            break;
    }
}

void TForm::VisibilityChanged() {
    QMainWindow* window = Window();
    if (Visible()) {
        if (Align() == alClient && Application) {
            const TRect area = Application->WorkArea();
            SetBounds(area.Left, area.Top, area.Width(), area.Height());
        }
        PlaceForFirstShow();
        if (FWindowState == wsMaximized)
            window->showMaximized();
        else if (FWindowState == wsMinimized)
            window->showMinimized();
        else
            window->show();
        window->raise();
        if (Application) Application->RequestActivation(this);
        if (OnShow) OnShow(this);
    } else {
        window->hide();
        if (Application) Application->FormHidden(this);
        if (OnHide) OnHide(this);
    }
}

void TForm::Show() {
    if (!Visible()) {
        SetVisible(true);
        return;
    }
    Window()->raise();
    if (Application) Application->RequestActivation(this);
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
        case caHide: Hide(); break;
        case caMinimize: Window()->showMinimized(); break;
        case caFree:
            Hide();
            // Freed once the current event is over; dropped if the form has
            // gone with its owner meanwhile.
            QMetaObject::invokeMethod(Window(), [this] { delete this; }, Qt::QueuedConnection);
            break;
        default: break;
    }
}

void TForm::CloseRequested() { Close(); }

bool TForm::Active() const { return Application && Application->ActiveForm() == this; }

void TForm::SetFocus() {
    if (!Visible()) throw EComponentError("Cannot focus a disabled or invisible window");
    ActivateForFocus();
}

void TForm::ActivateForFocus() {
    if (!Visible()) return;
    Window()->raise();
    if (Application) Application->RequestActivation(this);
}

void TForm::DoActivate() {
    if (OnActivate) OnActivate(this);
}

void TForm::DoDeactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

static void CollectButtons(TWinControl* parent, std::vector<TButton*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* button = dynamic_cast<TButton*>(c)) out.push_back(button);
        if (c->IsWindowed()) CollectButtons(static_cast<TWinControl*>(c), out);
    }
}

bool TForm::HandleDialogKey(int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    if (!enter && !escape) return false;
    std::vector<TButton*> buttons;
    CollectButtons(this, buttons);
    if (enter) {
        // A focused button takes Enter itself.
        for (TButton* b : buttons)
            if (b->Focused() && b->CanFocus()) {
                b->Click();
                return true;
            }
    }
    for (TButton* b : buttons) {
        if (!(enter ? b->Default() : b->Cancel()) || !b->CanFocus()) continue;
        b->Click();
        return true;
    }
    return false;
}

void TForm::FitToControls() {
    bool any = false;
    TRect box;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        const TRect r = c->BoundsRect();
        if (!any) {
            box = r;
            any = true;
        } else {
            box = Rect(std::min(box.Left, r.Left), std::min(box.Top, r.Top),
                       std::max(box.Right, r.Right), std::max(box.Bottom, r.Bottom));
        }
    }
    if (!any) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || (box.Left == 0 && box.Top == 0)) continue;
        c->SetBounds(c->Left() - box.Left, c->Top() - box.Top, c->Width(), c->Height());
    }
    SetClientSize(box.Width(), box.Height());
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->UpdateAnchorRules();
}

void TForm::LoadDescription(const String& description, const TFormBindings& bindings) {
    ReadForm(*this, description, bindings);
    // The description was made for FTextHeight at FPixelsPerInch; on a screen
    // with other text metrics every position and size follows the ratio.
    int dpi = FPixelsPerInch;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dpi = static_cast<int>(screen->logicalDotsPerInchY() + 0.5);
    const int actual = FPixelsPerInch > 0 ? FTextHeight * dpi / FPixelsPerInch : FTextHeight;
    if (actual != FTextHeight && FTextHeight > 0) {
        const int cw = ClientWidth() * actual / FTextHeight;
        const int ch = ClientHeight() * actual / FTextHeight;
        ScaleControls(actual, FTextHeight);
        SetClientSize(cw, ch);
    }
    if (OnCreate) OnCreate(this);
}

TForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TForm*>(dynamic_cast<const TForm*>(c));
}

// ------------------------------------------------------------ TApplication

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        FConnections.push_back(QObject::connect(app, &QGuiApplication::focusWindowChanged, app,
                                                [this](QWindow*) { OnFocusWindowChanged(); }));
    }
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        FConnections.push_back(QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                                dispatcher, [this] { ProcessIdle(); }));
    }
}

TApplication::~TApplication() {
    BeginDestroy();
    for (auto& c : FConnections) QObject::disconnect(c);
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {}

void TApplication::Run() {
    if (FMainForm && !FTerminated) FMainForm->Show();
    if (FTerminated) return;
    QApplication::exec();
}

void TApplication::Terminate() {
    FTerminated = true;
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::HandleException(TObject* Sender) {
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (...) {
        const std::runtime_error unknown("An unknown error occurred");
        if (OnException)
            OnException(Sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& e) {
    String text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBoxA(FMainForm ? FMainForm->Handle() : nullptr, text.c_str(), "Error",
                MB_OK | MB_ICONERROR);
}

void TApplication::ProcessIdle() {
    if (FInIdle) return;
    const QScopedValueRollback<bool> guard(FInIdle, true);
    try {
        const QPoint pos = QCursor::pos();
        TControl* now = ControlAtScreen(TPoint{pos.x(), pos.y()});
        if (now != FMouseControl) {
            TControl* old = FMouseControl;
            FMouseControl = now;
            if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
            // The leave handler may have destroyed or replaced the new control.
            if (now && FMouseControl == now) now->Perform(CM_MOUSEENTER, 0, 0);
        }
        bool done = true;
        if (OnIdle) OnIdle(this, done);
        if (!done)
            if (QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance()) d->wakeUp();
    } catch (...) {
        HandleException(this);
    }
}

TForm* TApplication::FormAtScreen(TPoint p) const {
    const QPoint point(p.X, p.Y);
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = FZOrder.rbegin(); it != FZOrder.rend(); ++it) {
            TForm* form = *it;
            const bool onTop = form->FormStyle() == fsStayOnTop;
            if ((pass == 0) != onTop) continue;
            if (form->Window()->isVisible() && form->Window()->frameGeometry().contains(point))
                return form;
        }
    }
    return nullptr;
}

TControl* TApplication::ControlAtScreen(TPoint p) const {
    TForm* form = FormAtScreen(p);
    if (!form) return nullptr;
    QMainWindow* window = form->Window();
    QWidget* hit = window->childAt(window->mapFromGlobal(QPoint(p.X, p.Y)));
    TWinControl* control = hit ? FindControlOfWidget(hit) : form;
    if (!control) control = form;
    TControl* graphic = control->ControlAtPos(control->ScreenToClient(p), false);
    return graphic ? graphic : control;
}

int TApplication::ScreenWidth() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TApplication::ScreenHeight() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

TRect TApplication::WorkArea() const {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return Rect(0, 0, 0, 0);
    const QRect r = s->availableGeometry();
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TApplication::AddForm(TForm* form) {
    FForms.push_back(form);
    FZOrder.push_back(form);
}

void TApplication::RemoveForm(TForm* form) {
    std::erase(FForms, form);
    std::erase(FZOrder, form);
    if (FMainForm == form) FMainForm = nullptr;
    if (FActiveForm == form) FActiveForm = nullptr;
    if (FRequestedForm == form) FRequestedForm = nullptr;
}

void TApplication::RaiseInZOrder(TForm* form) {
    std::erase(FZOrder, form);
    FZOrder.push_back(form);
}

void TApplication::ActivateForm(TForm* form) {
    if (form == FActiveForm) {
        if (form) RaiseInZOrder(form);
        return;
    }
    TForm* old = FActiveForm;
    FActiveForm = form;
    if (form) RaiseInZOrder(form);
    if (old) {
        old->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
        old->DoDeactivate();
    }
    if (form && FActiveForm == form) {
        form->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
        form->DoActivate();
    }
}

void TApplication::NoteFrameMargins(const QMargins& margins) {
    if (!margins.isNull()) FFrameMarginsSeen = margins;
}

void TApplication::RequestActivation(TForm* form) {
    ActivateForm(form);
    FRequestedForm = form;
    form->Window()->activateWindow();
}

void TApplication::FormHidden(TForm* form) {
    if (FRequestedForm == form) FRequestedForm = nullptr;
    if (form != FActiveForm) return;
    TForm* next = nullptr;
    for (auto it = FZOrder.rbegin(); it != FZOrder.rend(); ++it)
        if (*it != form && (*it)->Visible()) {
            next = *it;
            break;
        }
    if (next)
        RequestActivation(next);
    else
        ActivateForm(nullptr);
}

void TApplication::ControlDestroying(TControl* control) {
    if (FMouseControl == control) FMouseControl = nullptr;
}

void TApplication::OnFocusWindowChanged() {
    QWindow* focus = QGuiApplication::focusWindow();
    if (!focus) return;  // another program's window: keep what we know
    for (TForm* form : FForms) {
        if (form->Window()->windowHandle() != focus || !form->Visible()) continue;
        if (FRequestedForm && FRequestedForm != form) return;  // a stale report
        FRequestedForm = nullptr;
        ActivateForm(form);
        return;
    }
}

}  // namespace vcl
