// The Qt widget behind a custom-drawn windowed control: paints through the
// control's paint pass and turns button presses into clicks.
#pragma once

#include <QWidget>

namespace vcl {

class TWinControl;

class TControlSurface : public QWidget {
public:
    explicit TControlSurface(TWinControl* control, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TWinControl* FControl;
};

}  // namespace vcl
