#pragma once

#include "platform/ui/ItemImages.h"

#include <QIcon>

// An image with the due overlay (overlay >= 0) over its bottom-right corner
// and the state bullet (state >= 0) in its top-right corner, in the small and
// large sizes.
QIcon ComposedImage(int index, int overlay, int state);
