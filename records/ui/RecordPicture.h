#pragma once

#include <QPixmap>
#include <QString>

// The picture of a record kind beside a dialog's fields ("phone", "fax",
// "person", "organization"): the icon set's picture of that name when there
// is one, else a drawn card with the kind's initial.
QPixmap RecordPicture(const QString& kind, int size);
