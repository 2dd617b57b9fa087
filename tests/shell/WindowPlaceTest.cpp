#include "shell/MainWinState.h"
#include "shell/TipList.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWinState, AWindowOffEveryScreenMovesOntoTheNearestAndAnythingElseStays) {
    // Two screens side by side: 1920x1080, and 1280x1024 right of it.
    const std::vector<TScreenArea> two = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct TCase {
        const char* Case;
        TWinSetup In;
        int Left, Top, Width, Height;
    };
    auto at = [](int left, int top, int width, int height) {
        TWinSetup s;
        s.Left = left;
        s.Top = top;
        s.Width = width;
        s.Height = height;
        return s;
    };
    const TCase cases[] = {
        {"on the first screen", at(100, 100, 640, 480), 100, 100, 640, 480},
        {"across both screens", at(1700, 200, 640, 480), 1700, 200, 640, 480},
        {"partly off the left edge, title bar still in reach", at(-500, 50, 640, 480), -500, 50,
         640, 480},
        {"on a third screen since unplugged", at(3400, 300, 640, 480), 2560, 300, 640, 480},
        {"far below both", at(200, 5000, 640, 480), 200, 600, 640, 480},
        {"title bar above the top", at(300, -400, 640, 480), 300, 0, 640, 480},
        {"only a sliver on screen", at(1880, 1060, 640, 480), 1920, 544, 640, 480},
        {"damaged: larger than any screen, far away", at(-90000, -90000, 99999, 99999), 0, 0, 1920,
         1080},
        {"below the smaller screen only", at(2000, 1030, 640, 480), 2000, 544, 640, 480},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Case);
        TWinSetup out = TMainWinState::PlacedOnScreens(c.In, two);
        EXPECT_EQ(out.Left, c.Left);
        EXPECT_EQ(out.Top, c.Top);
        EXPECT_EQ(out.Width, c.Width);
        EXPECT_EQ(out.Height, c.Height);
        EXPECT_EQ(out.Split, c.In.Split);
        EXPECT_EQ(out.Style, c.In.Style);
    }
    // Without a screen to go by, nothing is changed.
    TWinSetup far = at(9000, 9000, 640, 480);
    EXPECT_EQ(TMainWinState::PlacedOnScreens(far, {}).Left, 9000);
}

TEST(TipBar, TipsNameTheLinuxDesktopsProgramsNotWindowsOnes) {
    for (const TTip& tip : TipList())
        EXPECT_EQ(tip.Text.find("Windows"), std::string::npos) << tip.Text;
    EXPECT_EQ(TipList()[17].Text, "You can store shortcuts to documents with your contacts. Try "
                                  "dragging a file from your file manager to the right pane.");
    EXPECT_EQ(TipList()[17].HelpContext, 1007);
}

} // namespace
