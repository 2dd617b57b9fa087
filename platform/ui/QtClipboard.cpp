#include "platform/ui/QtClipboard.h"

#include "platform/ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void TQtClipboard::SetData(const TClipboardData& data) {
    auto* mime = new QMimeData;
    if (data.Private) mime->setData(kTransferMimeType, QByteArray::fromStdString(*data.Private));
    if (data.Plain) mime->setText(FromStored(*data.Plain));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::optional<std::string> TQtClipboard::PrivateText() const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(kTransferMimeType)) return std::nullopt;
    return mime->data(kTransferMimeType).toStdString();
}
