#include "platform/ui/QtText.h"

#include "platform/TextCodec.h"

QString FromStored(const std::string& bytes) {
    return QString::fromStdString(textcodec::ToDisplayUtf8(bytes));
}

std::string ToStored(const QString& text) {
    return text.toStdString();
}
