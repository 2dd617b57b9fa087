#pragma once

#include <QIcon>

// The item pictures by image index, as the main window's image lists hold
// them: the kind codes 0..12 (10 the open folder, 11 the due reminder, 12 the
// root), 13 the generic document, and from 14 on the icons added at run time
// (documents, tools). The one place that knows where the pictures come from.
QIcon ItemImage(int index);
