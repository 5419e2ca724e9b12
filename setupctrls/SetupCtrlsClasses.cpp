#include "setupctrls/SetupCtrlsClasses.h"

#include "platform/Menus.h"
#include "platform/StandardClasses.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/SetupSupporter.h"

namespace setupctrls {

void RegisterSetupCtrlsClasses() {
    RegisterStandardClasses();

    RegisterClass<TBoardImage>("TBoardImage", "TPanel")
        .Custom("Picture.Resource", [](TBoardImage& image, const TDfmValue& v, TReaderContext& ctx) {
            LoadPictureResource(*image.Picture(), v, ctx);
        })
        .Bool("Stretch", &TBoardImage::SetStretch)
        .Bool("Center", &TBoardImage::SetCenter)
        .Bool("Transparent", &TBoardImage::SetTransparent)
        .Bool("Scale", &TBoardImage::SetScale)
        .Bool("CenterOnForm", &TBoardImage::SetCenterOnForm)
        .Reference("First", &TBoardImage::SetFirst)
        .Reference("Menu", &TBoardImage::SetMenu);

    RegisterClass<TBoardHighlight>("TBoardHighlight", "TGraphicControl")
        .Bool("CreatePopup", &TBoardHighlight::SetCreatePopup)
        .Enum("HighlightType", &TBoardHighlight::SetHighlightType,
              {{"htOptions", htOptions}, {"htSettings", htSettings}, {"htCalibration", htCalibration}})
        .Reference("RadioPanel", &TBoardHighlight::SetRadioPanel)
        .Str("Title", &TBoardHighlight::SetTitle);

    RegisterClass<TRadioPanel>("TRadioPanel", "TPanel")
        .Bool("RadioEnabled", &TRadioPanel::SetRadioEnabled)
        .Event("OnRadioChange", &TRadioPanel::OnRadioChange)
        .Strings("Lines.Strings", &TRadioPanel::Lines)
        .Int("MemoHeight", &TRadioPanel::SetMemoHeight)
        .Event("OnActivate", &TRadioPanel::OnActivate)
        .Event("OnDeactivate", &TRadioPanel::OnDeactivate)
        .Set("FinalAnchors", &TRadioPanel::SetFinalAnchors,
             {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}});

    RegisterClass<TSetupSupporter>("TSetupSupporter")
        .Str("CompanyName", &TSetupSupporter::CompanyName)
        .Str("CardNameA", &TSetupSupporter::CardNameA)
        .Str("CardNameB", &TSetupSupporter::CardNameB)
        .Bool("UseCardNameB", &TSetupSupporter::UseCardNameB)
        .Str("CallHow", &TSetupSupporter::CallHow)
        .Bool("MultiPort", &TSetupSupporter::MultiPort)
        .Int("Channels", &TSetupSupporter::Channels)
        .Bool("ChangeButtons", &TSetupSupporter::ChangeButtons)
        .Bool("bSeries", &TSetupSupporter::bSeries)
        .Event("OnBeginCalib", &TSetupSupporter::OnBeginCalib)
        .Event("OnGetCardString", &TSetupSupporter::OnGetCardString)
        .Event("OnGetCalibString", &TSetupSupporter::OnGetCalibString)
        .Event("OnStopButtonClick", &TSetupSupporter::OnStopButtonClick)
        .Event("OnStartButtonClick", &TSetupSupporter::OnStartButtonClick);
}

}  // namespace setupctrls
