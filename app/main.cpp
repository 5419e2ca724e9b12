// The program block: initialise the application, create the main window and
// run until it closes.
#include <QApplication>

#include "app/MainForm.h"
#include "assets/Assets.h"

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    InitAssets();
    vcl::TApplication application;
    application.Initialize();
    try {
        app::TMainForm* mainForm = nullptr;
        application.CreateForm(mainForm);
    } catch (...) {
        // Without its main window the program cannot go on; say why.
        application.HandleException(&application);
        return 1;
    }
    application.Run();
    return 0;
}
