#include "platform/ui/ItemImages.h"

namespace {
TItemImageSource& Source() {
    static TItemImageSource source;
    return source;
}
} // namespace

void SetItemImageSource(TItemImageSource source) {
    Source() = std::move(source);
}

QIcon ItemImage(int index) {
    return Source() ? Source()(index) : QIcon();
}
