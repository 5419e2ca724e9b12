#include "assets/Assets.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterAssetImages() { Q_INIT_RESOURCE(assets_images); }

void InitAssets() { RegisterAssetImages(); }
