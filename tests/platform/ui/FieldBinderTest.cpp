#include "platform/ui/FieldBinder.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The fields of a small form, bound as a settings dialog binds them.
struct BoundForm {
    int Count = 3;
    bool Wrap = true;
    bool Portrait = false;
    int Row = 1;
    int Changes = 0;
    int Shows = 0;

    QWidget Window;
    QSpinBox* Spin = new QSpinBox(&Window);
    QCheckBox* Box = new QCheckBox(&Window);
    QRadioButton* Up = new QRadioButton(&Window);
    QRadioButton* Across = new QRadioButton(&Window);
    QListWidget* List = new QListWidget(&Window);
    TFieldBinder Fields;

    BoundForm() {
        Spin->setRange(0, 10);
        List->addItems({"a", "b", "c"});
        Fields.Number(Spin, Count);
        Fields.Check(Box, Wrap);
        Fields.Choice(Up, Across, Portrait);
        Fields.Row(List, Row, [this] { ++Changes; });
        Fields.Show([this] { ++Shows; });
        Fields.Fill();
    }
};

} // namespace

TEST(FieldBinder, FillShowsTheFieldsWithoutRunningHandlers) {
    BoundForm f;
    EXPECT_EQ(f.Spin->value(), 3);
    EXPECT_TRUE(f.Box->isChecked());
    EXPECT_FALSE(f.Up->isChecked());
    EXPECT_TRUE(f.Across->isChecked());
    EXPECT_EQ(f.List->currentRow(), 1);
    EXPECT_EQ(f.Changes, 0);
    EXPECT_EQ(f.Shows, 1);

    // The presenter changes its fields; a refill shows them, still quietly.
    f.Count = 7;
    f.Wrap = false;
    f.Portrait = true;
    f.Row = 2;
    f.Fields.Fill();
    EXPECT_EQ(f.Spin->value(), 7);
    EXPECT_FALSE(f.Box->isChecked());
    EXPECT_TRUE(f.Up->isChecked());
    EXPECT_FALSE(f.Across->isChecked());
    EXPECT_EQ(f.List->currentRow(), 2);
    EXPECT_EQ(f.Changes, 0);
    EXPECT_EQ(f.Shows, 2);
}

TEST(FieldBinder, WhatTheUserChangesGoesIntoTheFieldsAtOnce) {
    BoundForm f;
    f.Spin->setValue(9);
    f.Box->click();
    f.Up->click();
    f.List->setCurrentRow(0);
    EXPECT_EQ(f.Count, 9);
    EXPECT_FALSE(f.Wrap);
    EXPECT_TRUE(f.Portrait);
    EXPECT_EQ(f.Row, 0);
    EXPECT_EQ(f.Changes, 1);
    f.Across->click();
    EXPECT_FALSE(f.Portrait);
}

TEST(FieldBinder, ARowOrNumberOutOfRangeIsShownAsNoneOrTheNearestValue) {
    BoundForm f;
    f.Row = 5;
    f.Count = 40;
    f.Fields.Fill();
    EXPECT_EQ(f.List->currentRow(), -1);
    EXPECT_EQ(f.Spin->value(), 10);
    // Showing is not storing: the fields keep what the presenter holds until the user acts.
    EXPECT_EQ(f.Row, 5);
    EXPECT_EQ(f.Count, 40);
}
