// Registers the board-tour controls with the form reader.
#pragma once

namespace setupctrls {

void RegisterSetupCtrlsClasses();

}  // namespace setupctrls
