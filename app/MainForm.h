// The main window: the board photograph with its highlights, the description
// panels, the menu and the set-up supporter, all from the board description.
#pragma once

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/SetupSupporter.h"

namespace app {

using namespace vcl;
using namespace setupctrls;

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner);
    const char* ClassName() const override { return "TMainForm"; }

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TBoardHighlight* PowerHighlight0 = nullptr;
    TBoardHighlight* PowerHighlight1 = nullptr;
    TBoardHighlight* IPHighlight = nullptr;
    TBoardHighlight* ETHHighlight = nullptr;
    TBoardHighlight* LedHighlight = nullptr;
    TBoardHighlight* MolexHighlight = nullptr;
    TBoardHighlight* DataHighlight = nullptr;
    TRadioPanel* PowerPanel = nullptr;
    TImage* Image1 = nullptr;
    TPaintBox* PowerScrewPaint = nullptr;
    TLabel* OrLabel = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TRadioPanel* IDO0Panel = nullptr;
    TRadioPanel* ETHPanel = nullptr;
    TRadioPanel* IDO17Panel = nullptr;
    TRadioPanel* LEDPanel = nullptr;
    TRadioPanel* IPPanel = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TButton* ConnectButton = nullptr;
    TEdit* IPEdit = nullptr;
    TEdit* SubnetEdit = nullptr;
    TEdit* GatewayEdit = nullptr;
    TButton* ChangeNetButton = nullptr;
    TSetupSupporter* SetSup = nullptr;

    void FormCreate(TObject* Sender);
    void FirstIdle(TObject* Sender, bool& Done);
    void Exit2Click(TObject* Sender);
    void Howtousethisprogram1Click(TObject* Sender);
    void TechnicalSupport1Click(TObject* Sender);
    void ConnectButtonClick(TObject* Sender);
    void ChangeNetButtonClick(TObject* Sender);
    void PowerScrewPaintPaint(TObject* Sender);

private:
    TFormBindings Bindings();
};

}  // namespace app
