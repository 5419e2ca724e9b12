// A main window with a menu and a board image holding a uniform grey
// 200 x 150 picture: the ground the board-tour tests put highlights on.
#pragma once

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "setupctrls/BoardImage.h"

namespace testsupport {

struct TGreyBoard {
    vcl::TApplication app;
    vcl::TForm* form = nullptr;
    setupctrls::TBoardImage* image = nullptr;
    vcl::TMainMenu* menu = nullptr;

    // The image is designed at imageAt; the first paint centres it.
    explicit TGreyBoard(vcl::TPoint imageAt = vcl::TPoint{0, 0}) {
        form = new vcl::TForm(&app);
        form->SetName("Main");
        form->SetPosition(vcl::poDesigned);
        form->SetBounds(0, 0, 400, 300);
        menu = new vcl::TMainMenu(form);
        image = new setupctrls::TBoardImage(form);
        image->SetName("BoardImage1");
        image->SetParent(form);
        image->SetMenu(menu);
        image->SetBounds(imageAt.X, imageAt.Y, 200, 150);
        vcl::TBitmap grey(200, 150);
        grey.Canvas()->Brush.Color = 0x808080;
        grey.Canvas()->FillRect(vcl::Rect(0, 0, 200, 150));
        image->Picture()->SetGraphic(&grey);
    }

    // Shows the window and paints it once: the image centres itself and the
    // highlights render their rings and list themselves in the menu.
    void Paint() {
        form->Show();
        app.ProcessMessages();
    }
};

template <class T>
T* Child(vcl::TComponent* owner, const char* name) {
    return dynamic_cast<T*>(owner->FindComponent(name));
}

}  // namespace testsupport
