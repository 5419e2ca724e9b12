#pragma once

// Registers the pictures compiled into the `assets` library as Qt
// resources, ":/assets/board.jpg" and ":/assets/powerjack.bmp". Linking the
// library is normally enough; calling this as well is harmless and keeps the
// pictures available even if a linker drops the resource object.
void InitAssets();
