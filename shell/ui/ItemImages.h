#pragma once

#include <QIcon>

// The pictures of the tree and the list by image index: the kind codes 0..12
// (10 the open folder, 11 the due reminder, 12 the root), 13 the generic
// document. ItemImage is the one place that knows where the pictures come from.
QIcon ItemImage(int index);

// An image with the due overlay (overlay >= 0) in its lower left corner and
// the state bullet (state >= 0) left of it, in the small and large sizes.
QIcon ComposedImage(int index, int overlay, int state);
