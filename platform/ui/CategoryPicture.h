#pragma once

#include "platform/FormPresenter.h"

#include <QToolButton>
#include <functional>

// The category picture of the record dialogs: a flat picture button whose
// click hands the screen position of its bottom-left corner on, so that the
// category picker opens just below it.
class TCategoryPicture : public QToolButton {
    Q_OBJECT
public:
    explicit TCategoryPicture(QWidget* parent = nullptr);

    std::function<void(const TScreenPoint&)> OnPick;

    // Where the picker opens: just below the picture's left edge, on screen.
    TScreenPoint PickPoint() const;

    // The picture: the icon set's one when it is built in, else a drawn one.
    static QIcon Picture();

signals:
    // Clicked: the point where the picker opens.
    void Picked(const TScreenPoint& at);
};
