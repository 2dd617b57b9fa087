#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PrimaryPages;
}

// The five pages of primary items that the person and organization dialogs
// share (PageControl1 with its address, phone, fax, e-mail and website pages).
class TPrimaryPagesWidget : public QWidget {
    Q_OBJECT
public:
    explicit TPrimaryPagesWidget(QWidget* parent = nullptr);
    ~TPrimaryPagesWidget() override;

    Ui::PrimaryPages& Pages() const { return *FUi; }

private:
    std::unique_ptr<Ui::PrimaryPages> FUi;
};
