#include "FrameworkFixture.h"

using CommandRoutingTest = FrameworkFixture;

TEST_F(CommandRoutingTest, TheFirstDeclaringTargetAlongTheRouteHandlesTheCommand)
{
    const std::vector<std::string> route = {"view", "document", "frame", "main", "app"};
    for (size_t first = 0; first < route.size(); ++first) {
        plan = RoutePlan{{route.begin() + first, route.end()}, {}, {}};
        MakeApp();
        OpenNew(0);
        EXPECT_TRUE(app->RouteCommand(kProbeCommand));
        EXPECT_EQ(plan.handled, std::vector<std::string>{route[first]}) << "declared from " << route[first];
    }
}

TEST_F(CommandRoutingTest, WithoutWindowsTheMainTargetAndTheApplicationRemain)
{
    plan.declaring = {"view", "document", "frame", "app"};
    MakeApp();
    EXPECT_TRUE(app->RouteCommand(kProbeCommand));
    EXPECT_EQ(plan.handled, std::vector<std::string>{"app"});
}

TEST_F(CommandRoutingTest, OnlyTheActiveFramesTargetsAreOnTheRoute)
{
    plan.declaring = {"view"};
    MakeApp();
    CDocument* first = OpenNew(0);
    OpenNew(1);
    first->FirstFrame()->Activate();
    EXPECT_EQ(app->ActiveFrame(), first->FirstFrame());
    EXPECT_TRUE(app->RouteCommand(kProbeCommand));
    EXPECT_EQ(plan.handled.size(), 1u);
}

TEST_F(CommandRoutingTest, ADisabledDeclarationStopsTheRouteUnhandled)
{
    plan.declaring = {"view", "document"};
    plan.disabled = {"view"};
    MakeApp();
    OpenNew(0);
    EXPECT_FALSE(app->RouteCommand(kProbeCommand));
    EXPECT_TRUE(plan.handled.empty());
}

TEST_F(CommandRoutingTest, CommandStatesComeFromTheFirstDeclaringTarget)
{
    plan.declaring = {"document"};
    MakeApp();
    OpenNew(0);
    CommandState undeclared = app->QueryCommand(kProbeCommand + 1);
    EXPECT_FALSE(undeclared.enabled);
    EXPECT_TRUE(app->QueryCommand(kProbeCommand).enabled);
    EXPECT_FALSE(app->RouteCommand(kProbeCommand + 1));

    plan.disabled = {"document"};
    EXPECT_FALSE(app->QueryCommand(kProbeCommand).enabled);
}

namespace {

class CheckedTarget : public CCommandTarget {
public:
    CheckedTarget()
    {
        OnRange(100, 109, [this](int id) { last = id; },
                [this](int id, CommandState& state) { state.checked = id == 100 + selected; });
    }
    int selected = 3;
    int last = 0;
};

// Declares one id of its base's range again, as a derived view would.
class OverridingTarget : public CheckedTarget {
public:
    OverridingTarget() { On(105, [this] { overridden = true; }); }
    bool overridden = false;
};

}  // namespace

TEST_F(CommandRoutingTest, ADerivedDeclarationOverridesItsBase)
{
    plan.declaring = {};
    MakeApp();
    OverridingTarget target;
    app->SetMainTarget(&target);
    EXPECT_TRUE(app->RouteCommand(105));
    EXPECT_TRUE(target.overridden);
    EXPECT_EQ(target.last, 0);
    EXPECT_TRUE(app->RouteCommand(106));
    EXPECT_EQ(target.last, 106);
    app->SetMainTarget(nullptr);
}

TEST_F(CommandRoutingTest, RangeUpdatersSetTheCheckMarkPerId)
{
    plan.declaring = {};
    MakeApp();
    CheckedTarget target;
    app->SetMainTarget(&target);
    EXPECT_TRUE(app->QueryCommand(103).checked);
    EXPECT_FALSE(app->QueryCommand(104).checked);
    EXPECT_TRUE(app->QueryCommand(104).enabled);
    EXPECT_TRUE(app->RouteCommand(107));
    EXPECT_EQ(target.last, 107);
    app->SetMainTarget(nullptr);
}

TEST_F(CommandRoutingTest, SerialNumbersStartAt2000AndGrowPerDocumentOfAnyKind)
{
    MakeApp();
    CDocument* text = OpenNew(0);
    CDocument* model = OpenNew(1);
    EXPECT_EQ(text->serial, 2000);
    EXPECT_EQ(model->serial, 2001);
    text->FirstFrame()->OnClose();
    app->CollectGarbage();
    // A closed document's number is not given out again.
    EXPECT_EQ(OpenNew(0)->serial, 2002);
}
