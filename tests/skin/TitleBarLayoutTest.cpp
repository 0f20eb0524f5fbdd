// The title bar's layout: where its sections, buttons and caption lie for
// given sizes, which button a point hits, and the bar following its layout
// for the hot button and clicks.

#include "SkinnedWindow.h"

#include "skin/SUITitleBarLayout.h"

namespace
{
// A bar 300 x 20 outside a skinned form: the control box and three 18 x 18
// buttons, 4 in from the right, the icon 6 in from the left.
TsuiTitleBarMetrics PlainBar()
{
    TsuiTitleBarMetrics M;
    M.Width = 300;
    M.Height = 20;
    M.LeftOffset = 6;
    M.RightOffset = 4;
    M.ButtonTop = M.IconTop = 2;
    M.CaptionTop = 5;
    M.Buttons = {{suiControlBox, true, 18, 18},
                 {suiClose, true, 18, 18},
                 {suiMax, true, 18, 18},
                 {suiMin, true, 18, 18}};
    return M;
}
} // namespace

TEST(TitleBarLayout, ButtonsIconAndCaption)
{
    struct Case
    {
        const char* What;
        std::function<void(TsuiTitleBarMetrics&)> Change;
        std::vector<TRect> Buttons;
        TPoint BoxAt;
        int CaptionLeft, CaptionRight;
    };
    const Case Cases[] = {
        // Close at the right edge less the offset, the others a pixel apart;
        // the icon 3 in from the box, the caption 21 after the box.
        {"plain",
         [](TsuiTitleBarMetrics&) {},
         {{3, 2, 21, 20}, {277, 2, 295, 20}, {258, 2, 276, 20}, {239, 2, 257, 20}},
         {6, 2},
         24,
         239},
        // In a form with a 3-pixel frame the row moves 3 right and the box
        // 3 left, up to the bar's edge.
        {"in a form",
         [](TsuiTitleBarMetrics& M) { M.InForm = true, M.FrameWidth = 3; },
         {{0, 2, 18, 20}, {280, 2, 298, 20}, {261, 2, 279, 20}, {242, 2, 260, 20}},
         {3, 2},
         21,
         242},
        // A button not drawn takes no room and gets no rectangle.
        {"hidden max",
         [](TsuiTitleBarMetrics& M) { M.Buttons[2].Drawable = false; },
         {{3, 2, 21, 20}, {277, 2, 295, 20}, {}, {258, 2, 276, 20}},
         {6, 2},
         24,
         258},
        {"interval",
         [](TsuiTitleBarMetrics& M) { M.ButtonInterval = 2; },
         {{3, 2, 21, 20}, {277, 2, 295, 20}, {256, 2, 274, 20}, {235, 2, 253, 20}},
         {6, 2},
         24,
         235},
        // Without the application's icon the box's own picture is drawn a
        // row higher and the caption follows it by 5.
        {"box picture",
         [](TsuiTitleBarMetrics& M) { M.DrawAppIcon = false; },
         {{3, 2, 21, 20}, {277, 2, 295, 20}, {258, 2, 276, 20}, {239, 2, 257, 20}},
         {3, 1},
         26,
         239},
        // A button pushed past the right edge is held inside the bar; with
        // no box the caption starts 6 in.
        {"pushed out",
         [](TsuiTitleBarMetrics& M)
         {
             M.Width = 30;
             M.RightOffset = -10;
             M.LeftOffset = 0;
             M.Buttons = {{suiClose, true, 18, 18}};
         },
         {{11, 2, 29, 20}},
         {0, 0},
         6,
         11},
    };
    for (const Case& C : Cases)
    {
        TsuiTitleBarMetrics M = PlainBar();
        C.Change(M);
        const TsuiTitleBarLayout L = LayOutTitleBar(M);
        EXPECT_EQ(L.Buttons, C.Buttons) << C.What;
        EXPECT_EQ(L.ControlBoxAt, C.BoxAt) << C.What;
        EXPECT_EQ(L.CaptionLeft, C.CaptionLeft) << C.What;
        EXPECT_EQ(L.CaptionRight, C.CaptionRight) << C.What;
        EXPECT_EQ(L.CaptionTop, 5) << C.What;
    }
}

TEST(TitleBarLayout, SectionsInTheTitlePicture)
{
    struct Case
    {
        const char* What;
        int Width;
        bool InForm;
        std::vector<TsuiTitleSectionSpec> Sections;
        TSize Title;
        std::vector<TRect> Rects;
        int Client;
        bool CaptionInSection;
    };
    const Case Cases[] = {
        // In a form the picture reaches 3 into the frame on each side and 3
        // above; the client section fills what left and right leave.
        {"three",
         300,
         true,
         {{suiLeft, false, 35, 23}, {suiRight, false, 40, 23}, {suiClient, false, 10, 23}},
         {306, 23},
         {{0, 0, 35, 23}, {266, 0, 306, 23}, {35, 0, 266, 23}},
         2,
         false},
        {"outside a form",
         300,
         false,
         {{suiLeft, false, 35, 20}, {suiRight, false, 40, 20}, {suiClient, false, 10, 20}},
         {300, 20},
         {{0, 0, 35, 20}, {260, 0, 300, 20}, {35, 0, 260, 20}},
         2,
         false},
        // Left and right overlap: the client span runs backwards.
        {"narrow",
         44,
         true,
         {{suiLeft, false, 35, 23}, {suiRight, false, 40, 23}, {suiClient, false, 10, 23}},
         {50, 23},
         {{0, 0, 35, 23}, {10, 0, 50, 23}, {35, 0, 10, 23}},
         2,
         false},
        // The caption section holds the caption (100 wide) and the icon
        // offset (8) and 17 more, counted from the left section's start.
        {"five",
         300,
         true,
         {{suiLeft, false, 30, 23},
          {suiLeft, true, 10, 23},
          {suiLeft, false, 12, 23},
          {suiClient, false, 10, 23},
          {suiRight, false, 25, 23}},
         {306, 23},
         {{0, 0, 30, 23},
          {30, 0, 125, 23},
          {125, 0, 137, 23},
          {137, 0, 281, 23},
          {281, 0, 306, 23}},
         3,
         true},
    };
    for (const Case& C : Cases)
    {
        TsuiTitleBarMetrics M = PlainBar();
        M.Width = C.Width;
        M.InForm = C.InForm;
        M.FrameWidth = C.InForm ? 3 : 0;
        M.LeftOffset = 8;
        M.SectionCaptionWidth = 100;
        M.Sections = C.Sections;
        const TsuiTitleBarLayout L = LayOutTitleBar(M);
        EXPECT_EQ(L.Title, C.Title) << C.What;
        EXPECT_EQ(L.Shift, (C.InForm ? TPoint{-3, -3} : TPoint{})) << C.What;
        EXPECT_EQ(L.Sections, C.Rects) << C.What;
        EXPECT_EQ(L.ClientSection, C.Client) << C.What;
        EXPECT_EQ(L.CaptionInSection, C.CaptionInSection) << C.What;
    }
}

TEST(TitleBarLayout, HitTests)
{
    struct Case
    {
        const char* What;
        std::function<void(TsuiTitleBarMetrics&)> Change;
        TPoint At;
        int Hit;
    };
    const auto Same = [](TsuiTitleBarMetrics&) {};
    const Case Cases[] = {
        {"close", Same, {277, 2}, 1},
        {"close's far corner", Same, {295, 20}, 1},
        {"max's far edge", Same, {276, 10}, 2},
        {"below close", Same, {280, 21}, -1},
        {"between min and the caption", Same, {238, 10}, -1},
        {"caption", Same, {100, 10}, -1},
        {"icon", Same, {3, 2}, 0},
        {"icon's far corner", Same, {21, 20}, 0},
        {"hidden max", [](TsuiTitleBarMetrics& M) { M.Buttons[2].Drawable = false; }, {265, 10}, 3},
        {"hidden max's place",
         [](TsuiTitleBarMetrics& M) { M.Buttons[2].Drawable = false; },
         {0, 0},
         -1},
        // Overlapping buttons: the later one; the box over any other.
        {"overlap", [](TsuiTitleBarMetrics& M) { M.ButtonInterval = -10; }, {280, 5}, 2},
        {"box over close", [](TsuiTitleBarMetrics& M) { M.LeftOffset = 290; }, {290, 5}, 0},
    };
    for (const Case& C : Cases)
    {
        TsuiTitleBarMetrics M = PlainBar();
        C.Change(M);
        EXPECT_EQ(TitleButtonAt(LayOutTitleBar(M), C.At), C.Hit) << C.What;
    }
}

TEST(TitleBarLayout, CaptionRectangle)
{
    TsuiTitleBarLayout L;
    L.CaptionLeft = 24;
    L.CaptionRight = 239;
    L.CaptionTop = 5;
    EXPECT_EQ(TitleCaptionRect(L, 20, false), (TRect{24, 5, 239, 20}));
    // Right to left it ends 10 before the buttons, as wide as before.
    EXPECT_EQ(TitleCaptionRect(L, 20, true), (TRect{14, 5, 229, 20}));
    // A caption below the bar keeps an empty, not an inverted, rectangle.
    EXPECT_EQ(TitleCaptionRect(L, 3, false).Height(), 0);
}

// The bar in a window: the pointer's messages decide the hot button and
// the click, wherever the desktop's own pointer is.
TEST_F(SkinnedWindow, HotButtonAndClicksFollowThePointerMessages)
{
    HoverBar(200, 40); // the desktop's pointer off the bar
    const int W = Bar->Width();
    const int Close = 1;
    ASSERT_EQ(Bar->Buttons()->Items(Close), CloseButton);
    Bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(W - 10, 8));
    EXPECT_EQ(Bar->HotButton(), Close);
    Bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(100, 8));
    EXPECT_EQ(Bar->HotButton(), -1);

    int Closes = 0;
    Form->OnCloseQuery = [&](TObject*, bool& CanClose)
    {
        ++Closes;
        CanClose = false;
    };
    TsuiTitleBarButton* Custom = AddButton(suiCustom, "NOVLA_TITLE_CLOSE");
    std::vector<int> Customs;
    Bar->OnCustomBtnsClick = [&](TObject*, int Index) { Customs.push_back(Index); };
    const TRect CustomAt = Bar->Layout().Buttons[Custom->Index()];
    ASSERT_FALSE(CustomAt.IsEmpty());
    struct Case
    {
        const char* What;
        int DownX, UpX;
        int Closes;
        std::vector<int> Customs;
    };
    const int OnCustom = CustomAt.Left + 5;
    const Case Cases[] = {
        {"close", W - 10, W - 10, 1, {}},
        {"custom", OnCustom, OnCustom, 0, {Custom->Index()}},
        {"close, released on the caption", W - 10, 100, 0, {}},
    };
    for (const Case& C : Cases)
    {
        Closes = 0;
        Customs.clear();
        Bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(C.DownX, 8));
        Bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(C.UpX, 8));
        FDesktop.Pump();
        EXPECT_EQ(Closes, C.Closes) << C.What;
        EXPECT_EQ(Customs, C.Customs) << C.What;
    }
}

TEST_F(SkinnedWindow, TheLayoutFollowsSizeAndStyle)
{
    const TRect Before = Bar->Layout().Buttons[1];
    Form->SetBounds(40, 40, OuterWidth + 50, OuterHeight);
    EXPECT_EQ(Bar->Layout().Buttons[1], Before.Offset(50, 0));
    EXPECT_EQ(TitleButtonAt(Bar->Layout(), {Before.Left + 50, Before.Top}), 1);
    EXPECT_EQ(Bar->Layout().Title.Width, Bar->Width() + 4);

    Bar->SetCaption("x");
    Skin->SetUIStyle(WinXP);
    // The style's own buttons, 21 wide, and its taller bar.
    const TsuiTitleBarLayout& L = Bar->Layout();
    ASSERT_EQ(L.Buttons.size(), 2u);
    EXPECT_EQ(L.Buttons[1].Width(), 21);
    EXPECT_EQ(L.Title.Height, Bar->Height() + 3);
    EXPECT_EQ(Bar->TitleImage()->Width(), L.Title.Width);
}
