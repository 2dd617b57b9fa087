#include "shell/ui/AboutBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(AboutBox, ShowsIconNameAndVersionAndClosesWithOk) {
    std::unique_ptr<QDialog> box(CreateAboutBox(nullptr));
    auto* name = box->findChild<QLabel*>("ProductName");
    auto* version = box->findChild<QLabel*>("Version");
    auto* icon = box->findChild<QLabel*>("ProgramIcon");
    ASSERT_TRUE(name && version && icon);
    EXPECT_EQ(name->text(), "Merrowin");
    EXPECT_EQ(version->text(), "Version 1.1 (May 1997)");
    EXPECT_FALSE(icon->pixmap().isNull());

    auto* buttons = box->findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok);
    QTimer::singleShot(0, ok, &QPushButton::click);
    EXPECT_EQ(box->exec(), QDialog::Accepted);
}

} // namespace
