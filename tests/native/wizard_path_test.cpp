// The wizard's road through its pages, and where the frame goes.
#include <gtest/gtest.h>

#include <vector>

#include "app/wizard_path.h"

namespace {

std::vector<int> visited(const WizardPath& path)
{
    return std::vector<int>(path.pages, path.pages + path.step + 1);
}

TEST(WizardPath, ForwardAndBackAlongTheVisitedPages)
{
    WizardPath path;
    wizard_path_start(&path, 0);
    // Every page leaves the answer as it is: 0, 1, ..., 25.
    for (int page = 0; page < 25; ++page)
        ASSERT_EQ(1, wizard_forward(&path, path.pages[path.step], 26));
    EXPECT_EQ(25, path.pages[path.step]);
    EXPECT_EQ(0, wizard_forward(&path, 25, 26)) << "no page after the last";

    // The language page skips to the first install page; "<<" comes back.
    wizard_path_start(&path, 0);
    ASSERT_EQ(1, wizard_forward(&path, 3, 26));
    ASSERT_EQ(1, wizard_forward(&path, 25, 26));
    EXPECT_EQ((std::vector<int>{0, 3, 25}), visited(path));
    ASSERT_EQ(1, wizard_back(&path));
    ASSERT_EQ(1, wizard_back(&path));
    EXPECT_EQ((std::vector<int>{0}), visited(path));
    EXPECT_EQ(0, wizard_back(&path)) << "not at the first step";

    // Going forward again after "<<" takes the new answer.
    ASSERT_EQ(1, wizard_forward(&path, 2, 26));
    EXPECT_EQ((std::vector<int>{0, 2}), visited(path));
    EXPECT_EQ(0, wizard_forward(&path, 40, 26)) << "an answer naming no page";
    EXPECT_EQ(0, wizard_forward(&path, -1, 26));
    EXPECT_EQ((std::vector<int>{0, 2}), visited(path));
}

TEST(WizardPath, TheRoadHoldsThirtyTwoSteps)
{
    WizardPath path;
    wizard_path_start(&path, 0);
    int moves = 0;
    while (wizard_forward(&path, path.pages[path.step] == 1 ? 0 : 1, 2)) // 0, 1, 0, 1, ...
        ++moves;
    EXPECT_EQ(WIZARD_MAX_STEPS - 1, moves);
    EXPECT_EQ(WIZARD_MAX_STEPS - 1, path.step);
}

TEST(WizardPath, FramePosition)
{
    int left = 0, top = 0;
    wizard_frame_position(400, 300, nullptr, 1024, 768, &left, &top);
    EXPECT_EQ(312, left);
    EXPECT_EQ(234, top);
    const PlacementRect owner = {-500, -400, -100, -200};
    wizard_frame_position(400, 300, &owner, 1024, 768, &left, &top);
    EXPECT_EQ(0, left) << "kept on the screen";
    EXPECT_EQ(0, top);
    const PlacementRect right = {900, 600, 1300, 900};
    wizard_frame_position(400, 300, &right, 1024, 768, &left, &top);
    EXPECT_EQ(1024 - 400, left);
    EXPECT_EQ(768 - 300, top);
    wizard_frame_position(1300, 300, nullptr, 1024, 768, &left, &top);
    EXPECT_EQ(1024 - 1300, left) << "a page area wider than the screen starts left of it";
}

} // namespace
