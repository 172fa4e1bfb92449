#include "Game/Rendering/PassShares.h"

#include <gtest/gtest.h>

namespace {

using Shares = std::vector<std::pair<std::string, double>>;

Shares plain(const std::vector<Game::PassShare>& shares)
{
    Shares result;
    for (const Game::PassShare& share : shares) result.emplace_back(share.pass, share.share);
    return result;
}

// Shares cover the second before `now` exactly: a frame a whole second old
// is gone, passes keep the order they were first seen in.
TEST(PassShares, EachPassGetsItsPartOfTheLastSecondInFrameOrder)
{
    Game::PassShares shares;
    shares.add(0.0, "scene", 30.0);
    shares.add(0.0, "composite", 10.0);
    EXPECT_EQ(plain(shares.shares(0.5)), (Shares{{"scene", 0.75}, {"composite", 0.25}}));
    shares.add(0.6, "overlay", 20.0);
    shares.add(0.6, "scene", 10.0);
    const Shares within = {{"scene", 40.0 / 70.0}, {"composite", 10.0 / 70.0}, {"overlay", 20.0 / 70.0}};
    EXPECT_EQ(plain(shares.shares(0.99)), within);
    EXPECT_EQ(plain(shares.shares(1.0)), (Shares{{"scene", 1.0 / 3.0}, {"overlay", 2.0 / 3.0}}));
    EXPECT_EQ(plain(shares.shares(2.0)), Shares{});
    shares.add(2.0, "sky", 0.0);
    EXPECT_EQ(plain(shares.shares(2.0)), (Shares{{"sky", 0.0}})) << "nothing measured is no division by zero";
}

TEST(PassShares, TheTextListsPassesOfAtLeastOnePercent)
{
    const std::vector<Game::PassShare> shares = {
        {"scene", 0.694}, {"sky", 0.004}, {"composite", 0.3}, {"gizmo", 0.005}};
    EXPECT_EQ(Game::passSharesText("last second:", shares), "last second:\nscene 69%\ncomposite 30%\ngizmo 1%");
    EXPECT_EQ(Game::passSharesText("last second:", {}), "last second:");
}

} // namespace
