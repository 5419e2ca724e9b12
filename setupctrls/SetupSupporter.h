// The set-up supporter: the product's identity (company, card name, how to
// call support) that the board tour's fixed windows are made from.
#pragma once

#include <cstdint>

#include "platform/Component.h"

namespace vcl {
class TForm;
}

namespace setupctrls {

using namespace vcl;

class TSetupSupporter;

// Text for one installed card, counted from 0.
using TPCIEvent = std::function<String(TSetupSupporter* Sender, std::int32_t CardIndex)>;
// Result text of one channel; the handler clears ItsAllBad for a usable value.
using TCalibEvent =
    std::function<String(TSetupSupporter* Sender, std::uint8_t Channel, bool& ItsAllBad)>;

class TSetupSupporter : public TComponent {
public:
    explicit TSetupSupporter(TComponent* AOwner);
    const char* ClassName() const override { return "TSetupSupporter"; }

    String CompanyName;
    String CardNameA;
    String CardNameB;
    bool UseCardNameB = false;
    String CallHow;
    bool MultiPort = false;
    std::uint8_t Channels = 8;
    bool ChangeButtons = true;
    bool bSeries = true;

    TNotifyEvent OnBeginCalib;
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    TNotifyEvent OnStopButtonClick;
    TNotifyEvent OnStartButtonClick;

    // The help and technical-support windows, once they have been built;
    // owned by the main window.
    TForm* HelpForm = nullptr;
    TForm* TechForm = nullptr;

    // The card name in use: CardNameB when UseCardNameB, else CardNameA.
    const String& CardName() const { return UseCardNameB ? CardNameB : CardNameA; }
};

}  // namespace setupctrls
