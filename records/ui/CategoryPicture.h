#pragma once

#include "store/KexObject.h"

#include <QToolButton>

// The category picture of the record dialogs: a flat button showing the
// category icon. A click reports the screen position of its bottom-left
// corner, where the category popup opens.
class TCategoryPicture : public QToolButton {
    Q_OBJECT
public:
    explicit TCategoryPicture(QWidget* parent = nullptr);

    TScreenPoint BottomLeft() const;

signals:
    void Picked(const TScreenPoint& at);
};

// The icon of the category picture (drawn when the resources carry none).
QIcon CategoryIcon();
// The picture of a record kind beside a dialog's fields ("phone", "fax",
// "person", "organization"): the resource icon of that name when there is
// one, else a drawn card with the kind's initial.
QPixmap RecordPicture(const QString& kind, int size);
