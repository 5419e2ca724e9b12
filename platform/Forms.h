// Forms (top-level windows) and the application object: the form list,
// activation, the idle step with its mouse-enter / mouse-leave tracking, and
// the exception handler.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <exception>
#include <vector>

#include "platform/Controls.h"

namespace vcl {

class TMainMenu;
class TFormBindings;

enum TFormBorderStyle : std::uint8_t {
    bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin
};
enum TFormStyle : std::uint8_t { fsNormal, fsStayOnTop };
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TPosition : std::uint8_t {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    const char* ClassName() const override { return "TForm"; }

    QMainWindow* Window() const;
    QWidget* ClientWidget() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    bool Showing() const override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool v) { FAutoScroll = v; }

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);

    // Design metrics the description was made for; see LoadDescription.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int v) { FTextHeight = v; }

    // Shows the form and makes it the active window before returning.
    void Show();
    void Hide();
    // Runs OnClose with caHide proposed, then acts on the answer. Closing
    // the main form ends the application.
    void Close();
    bool Active() const;
    void SetFocus() override;
    // Called when a control inside wants the focus.
    void ActivateForFocus();

    // Makes the client area exactly as large as the visible controls, moving
    // them to the client origin; later changes do not refit.
    void FitToControls();

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;

    // Raised by the application when the form gains or loses activation.
    virtual void DoActivate();
    virtual void DoDeactivate();

    // The window system's frame around the window, as far as it is known.
    QMargins FrameMargins() const;
    // The outer size minus the client size (frame, caption, menu bar).
    int NonClientWidth() const;
    int NonClientHeight() const;

    // Window-system events, reported by the widget.
    void WindowMovedOrResized();
    void CloseRequested();
    bool HandleDialogKey(int qtKey);

protected:
    // Reads the form description into this form (components, properties,
    // references, fields, Loaded), scales it when the screen's text metrics
    // differ from the designed ones, then runs OnCreate.
    void LoadDescription(const String& description, const TFormBindings& bindings);
    void BoundsChanged() override;
    void VisibilityChanged() override;
    void SyncWindowFlags();
    void SyncWidgetGeometryToWindow();
    void PlaceForFirstShow();

private:
    String FCaption;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    TWindowState FWindowState = wsNormal;
    bool FAutoScroll = true;
    bool FShownOnce = false;
    bool FSyncingFromWindow = false;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    TMainMenu* FMenu = nullptr;
};

// The form that contains the control, or null.
TForm* GetParentForm(const TControl* control);

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    const char* ClassName() const override { return "TApplication"; }

    void Initialize();
    // Creates a form owned by the application. The first one becomes the
    // main form, registered only after its construction (OnCreate included)
    // has completed.
    template <class T>
    void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        if (!FMainForm) FMainForm = form;
    }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ProcessMessages();

    TForm* MainForm() const { return FMainForm; }
    TForm* ActiveForm() const { return FActiveForm; }
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(index); }

    TIdleEvent OnIdle;
    TExceptionEvent OnException;

    // Call from inside a catch block: reports the exception being handled.
    void HandleException(TObject* Sender);
    void ShowException(const std::exception& e);

    // One idle step: sends mouse-leave / mouse-enter when the control under
    // the pointer changed, then runs OnIdle (errors go to HandleException).
    void ProcessIdle();
    TControl* MouseControl() const { return FMouseControl; }
    // The control under a screen point, graphic controls included.
    TControl* ControlAtScreen(TPoint screenPoint) const;
    TForm* FormAtScreen(TPoint screenPoint) const;

    int ScreenWidth() const;
    int ScreenHeight() const;
    TRect WorkArea() const;

    // Bookkeeping called by forms and controls.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void ActivateForm(TForm* form);
    // Activates the form and asks the window system to follow.
    void RequestActivation(TForm* form);
    void FormHidden(TForm* form);
    void ControlDestroying(TControl* control);
    // The frame the window system gave a shown window: the best guess for
    // a window it has not framed yet.
    void NoteFrameMargins(const QMargins& margins);
    QMargins FrameMarginsSeen() const { return FFrameMarginsSeen; }

private:
    void OnFocusWindowChanged();
    void RaiseInZOrder(TForm* form);

    std::vector<TForm*> FForms;
    std::vector<TForm*> FZOrder;  // bottom first
    TForm* FMainForm = nullptr;
    TForm* FActiveForm = nullptr;
    // The form whose activation the program asked the window system for;
    // until the system reports it, older reports are stale and ignored.
    TForm* FRequestedForm = nullptr;
    TControl* FMouseControl = nullptr;
    bool FTerminated = false;
    bool FInIdle = false;
    QMargins FFrameMarginsSeen;
    std::vector<QMetaObject::Connection> FConnections;
};

// The one application object, while it exists.
extern TApplication* Application;

}  // namespace vcl
