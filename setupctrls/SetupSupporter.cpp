#include "setupctrls/SetupSupporter.h"

namespace setupctrls {

TSetupSupporter::TSetupSupporter(TComponent* AOwner) : TComponent(AOwner) {}

}  // namespace setupctrls
