#include "app/MainForm.h"

#include <QFile>

#include "app/PowerTerminal.h"
#include "platform/FormReader.h"
#include "setupctrls/SetupCtrlsClasses.h"

namespace app {

static String ReadDescription() {
    QFile file(QStringLiteral(":/app/template.dfm"));
    if (!file.open(QIODevice::ReadOnly))
        throw EComponentError("The board description is missing from the program");
    return file.readAll().toStdString();
}

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterSetupCtrlsClasses();
    RegisterClass<TMainForm>("TMainForm", "TForm");
    LoadDescription(ReadDescription(), Bindings());
}

TFormBindings TMainForm::Bindings() {
    TFormBindings b;
    b.Field("MainMenu1", MainMenu1)
        .Field("File1", File1)
        .Field("Exit2", Exit2)
        .Field("Help1", Help1)
        .Field("Howtousethisprogram1", Howtousethisprogram1)
        .Field("TechnicalSupport1", TechnicalSupport1)
        .Field("BoardImage1", BoardImage1)
        .Field("PowerHighlight0", PowerHighlight0)
        .Field("PowerHighlight1", PowerHighlight1)
        .Field("IPHighlight", IPHighlight)
        .Field("ETHHighlight", ETHHighlight)
        .Field("LedHighlight", LedHighlight)
        .Field("MolexHighlight", MolexHighlight)
        .Field("DataHighlight", DataHighlight)
        .Field("PowerPanel", PowerPanel)
        .Field("Image1", Image1)
        .Field("PowerScrewPaint", PowerScrewPaint)
        .Field("OrLabel", OrLabel)
        .Field("Label2", Label2)
        .Field("Label3", Label3)
        .Field("IDO0Panel", IDO0Panel)
        .Field("ETHPanel", ETHPanel)
        .Field("IDO17Panel", IDO17Panel)
        .Field("LEDPanel", LEDPanel)
        .Field("IPPanel", IPPanel)
        .Field("Label1", Label1)
        .Field("Label4", Label4)
        .Field("Label5", Label5)
        .Field("ConnectButton", ConnectButton)
        .Field("IPEdit", IPEdit)
        .Field("SubnetEdit", SubnetEdit)
        .Field("GatewayEdit", GatewayEdit)
        .Field("ChangeNetButton", ChangeNetButton)
        .Field("SetSup", SetSup);
    b.Handler("FormCreate", this, &TMainForm::FormCreate)
        .Handler("Exit2Click", this, &TMainForm::Exit2Click)
        .Handler("Howtousethisprogram1Click", this, &TMainForm::Howtousethisprogram1Click)
        .Handler("TechnicalSupport1Click", this, &TMainForm::TechnicalSupport1Click)
        .Handler("ConnectButtonClick", this, &TMainForm::ConnectButtonClick)
        .Handler("ChangeNetButtonClick", this, &TMainForm::ChangeNetButtonClick)
        .Handler("PowerScrewPaintPaint", this, &TMainForm::PowerScrewPaintPaint);
    return b;
}

void TMainForm::FormCreate(TObject*) {
    Application->OnIdle = [this](TObject* sender, bool& done) { FirstIdle(sender, done); };
}

void TMainForm::FirstIdle(TObject*, bool&) {
    // Runs once: the supporter's windows need the registered main window.
    Application->OnIdle = nullptr;
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::Howtousethisprogram1Click(TObject*) {
    if (SetSup->HelpForm) SetSup->HelpForm->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*) {
    if (SetSup->TechForm) SetSup->TechForm->SetVisible(true);
}

// The network settings panel's buttons; they talk to the Ethernet device
// library once it is bound.
void TMainForm::ConnectButtonClick(TObject*) {}
void TMainForm::ChangeNetButtonClick(TObject*) {}

void TMainForm::PowerScrewPaintPaint(TObject*) {
    DrawPowerTerminal(*PowerScrewPaint->Canvas(), PowerScrewPaint->ClientRect());
}

}  // namespace app
