#include "platform/ui/ItemImages.h"

#include "platform/Services.h"
#include "platform/ui/IconImages.h"
#include "platform/ui/QtImageList.h"

QIcon ItemImage(int index) {
    // Run-time icons (documents, tools) live in the program's image list.
    if (auto* images = dynamic_cast<TQtImageList*>(Svc().Images)) return images->Icon(index);
    return KindIcon(index);
}
