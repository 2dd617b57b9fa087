#include "records/ui/MaskEdit.h"

#include "records/PhoneFormats.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace {
TMaskEdit& Typed(TMaskEdit& e, const char* keys) {
    QTest::keyClicks(&e, keys);
    return e;
}
void Select(TMaskEdit& e, int from, int count) {
    e.setSelection(from, count);
}
} // namespace

TEST(MaskEdit, KeyboardEditingFollowsTheMask) {
    struct Case {
        const char* Name;
        int Format;
        std::function<void(TMaskEdit&)> Act;
        const char* Shown;
    } cases[] = {
        {"digits fill the USA positions", 0, [](TMaskEdit& e) { Typed(e, "5551234567"); },
         "(555)123-4567"},
        {"blanks and separators are passed over", 0, [](TMaskEdit& e) { Typed(e, "555 123-4567"); },
         "(555)123-4567"},
        {"backspace clears the last digit", 0,
         [](TMaskEdit& e) {
             Typed(e, "555");
             QTest::keyClick(&e, Qt::Key_Backspace);
         },
         "(55_)___-____"},
        {"home then a digit overwrites the first", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             QTest::keyClick(&e, Qt::Key_Home);
             Typed(e, "9");
         },
         "(955)123-4567"},
        {"delete clears a selection and keeps the literals", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             Select(e, 1, 4);
             QTest::keyClick(&e, Qt::Key_Delete);
         },
         "(___)123-4567"},
        {"typing replaces the whole selection", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             e.selectAll();
             Typed(e, "1");
         },
         "(1__)___-____"},
        {"a click at the blank end starts at the first position", 0,
         [](TMaskEdit& e) {
             e.setCursorPosition(e.text().size());
             Typed(e, "12");
         },
         "(12_)___-____"},
        {"pasted text goes through the mask", 0,
         [](TMaskEdit& e) {
             QApplication::clipboard()->setText("(555) 123-4567\nsecond line");
             QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
         },
         "(555)123-4567"},
        {"cut clears the selection", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             Select(e, 5, 3);
             QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
             EXPECT_EQ(QApplication::clipboard()->text(), "123");
         },
         "(555)___-4567"},
        {"literal digits of a format are not input", 3, [](TMaskEdit& e) { Typed(e, "16123"); },
         "16-16-12-3_-__"},
        {"free format takes any text", 1, [](TMaskEdit& e) { Typed(e, "+44 (0)20 x12"); },
         "+44 (0)20 x12"},
        {"another mask keeps the digits", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             e.SetMask(PhoneFormatMask(2));
         },
         "+45 55 51 23 45"},
    };
    for (const Case& c : cases) {
        TMaskEdit e;
        e.SetMask(PhoneFormatMask(c.Format));
        c.Act(e);
        EXPECT_EQ(e.text().toStdString(), c.Shown) << c.Name;
    }
}

TEST(MaskEdit, ReturnInAMaskedFieldPressesTheDefaultButton) {
    QDialog d;
    auto* e = new TMaskEdit(&d);
    auto* ok = new QPushButton("OK", &d);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(e);
    layout->addWidget(ok);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    e->SetMask(PhoneFormatMask(0));
    d.show();
    QTest::keyClicks(e, "555");
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(e->text(), "(555)___-____");
}

TEST(MaskEdit, TextThatDoesNotFitIsKeptAsTypedAndTheMaskDropped) {
    struct Case {
        const char* Name;
        int Format;
        std::function<void(TMaskEdit&)> Act;
        const char* Shown;
        int Cursor;
    } cases[] = {
        {"a pasted international number", 4,
         [](TMaskEdit& e) {
             QApplication::clipboard()->setText("+49 30 1234567");
             QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
         },
         "+49 30 1234567", 14},
        {"a typed plus and what follows", 4, [](TMaskEdit& e) { Typed(e, "+48 22 123 45 67"); },
         "+48 22 123 45 67", 16},
        {"one digit too many", 0, [](TMaskEdit& e) { Typed(e, "55512345678"); }, "55512345678", 11},
        {"a letter among the digits", 0, [](TMaskEdit& e) { Typed(e, "555x1"); }, "555x1", 5},
        {"a paste over a selection", 0,
         [](TMaskEdit& e) {
             Typed(e, "5551234567");
             e.setSelection(1, 3);
             QApplication::clipboard()->setText("+1 212");
             QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
         },
         "+1 2121234567", 6},
        {"a letter beyond ASCII", 0,
         [](TMaskEdit& e) {
             Typed(e, "555");
             QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "\u0436");
             QApplication::sendEvent(&e, &key);
         },
         "555\u0436", 4},
    };
    for (const Case& c : cases) {
        TMaskEdit e;
        e.SetMask(PhoneFormatMask(c.Format));
        int dropped = 0;
        QObject::connect(&e, &TMaskEdit::MaskDropped, [&] { ++dropped; });
        c.Act(e);
        EXPECT_EQ(e.text(), QString::fromUtf8(c.Shown)) << c.Name;
        EXPECT_EQ(e.cursorPosition(), c.Cursor) << c.Name;
        EXPECT_EQ(e.Mask(), "") << c.Name;
        EXPECT_EQ(dropped, 1) << c.Name;
    }
}
