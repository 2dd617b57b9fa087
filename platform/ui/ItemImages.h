#pragma once

#include <QIcon>
#include <functional>

// The item pictures by image index (kind pictures, document and tool icons),
// as the main window's image lists hold them. The main window installs the
// source; dialogs shown without one fall back to the style's pictures.
using TItemImageSource = std::function<QIcon(int index)>;

void SetItemImageSource(TItemImageSource source);
// The picture at index; a null icon when there is no source or no such image.
QIcon ItemImage(int index);
