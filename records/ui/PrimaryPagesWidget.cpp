#include "records/ui/PrimaryPagesWidget.h"

#include "ui_PrimaryPages.h"

TPrimaryPagesWidget::TPrimaryPagesWidget(QWidget* parent)
    : QWidget(parent), FUi(std::make_unique<Ui::PrimaryPages>()) {
    FUi->setupUi(this);
}

TPrimaryPagesWidget::~TPrimaryPagesWidget() = default;
