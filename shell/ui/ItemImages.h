#pragma once

#include "platform/ui/ItemImages.h"

#include <QIcon>

// An image with the due overlay (overlay >= 0) in its lower left corner and
// the state bullet (state >= 0) left of it, in the small and large sizes.
QIcon ComposedImage(int index, int overlay, int state);
