// Registers the toolkit's own classes and their published properties with
// the form reader.
#pragma once

#include "platform/ClassRegistry.h"
#include "platform/Graphics.h"

namespace vcl {

void RegisterStandardClasses();

// Loads a picture from a resource path written in a description (':/...').
void LoadPictureResource(TPicture& picture, const TDfmValue& value, TReaderContext& ctx);

}  // namespace vcl
