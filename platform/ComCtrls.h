// Status bar with panels.
#pragma once

#include <vector>

#include "platform/Controls.h"

namespace vcl {

enum TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    String Text;
    int Width = 50;
    TStatusPanelBevel Bevel = pbLowered;
};

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    const char* ClassName() const override { return "TStatusBar"; }

    int PanelCount() const { return static_cast<int>(FPanels.size()); }
    TStatusPanel& Panels(int index) { return FPanels.at(index); }
    TStatusPanel& AddPanel();
    void PanelsChanged() { Invalidate(); }

protected:
    void Paint() override;

private:
    std::vector<TStatusPanel> FPanels;
};

}  // namespace vcl
