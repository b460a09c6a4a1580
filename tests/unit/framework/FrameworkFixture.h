#pragma once
// An application base on the headless ports with test documents, frames,
// views and a main target whose command declarations follow a plan.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "platform/headless/HeadlessPorts.h"

constexpr int kProbeCommand = 4242;

// Which targets declare the probe command, which of those disable it, and
// which handled it.
struct RoutePlan {
    std::set<std::string> declaring;
    std::set<std::string> disabled;
    std::vector<std::string> handled;
};

template <class Base>
class Probe : public Base {
public:
    template <class... Args>
    explicit Probe(RoutePlan& plan, const std::string& name, Args&&... args) : Base(std::forward<Args>(args)...)
    {
        if (!plan.declaring.count(name))
            return;
        this->On(kProbeCommand, [&plan, name] { plan.handled.push_back(name); },
                 [&plan, name](int, CommandState& state) { state.enabled = !plan.disabled.count(name); });
    }
};

class FrameworkFixture : public ::testing::Test {
protected:
    // The application and its main target, made after the plan is set.
    void MakeApp()
    {
        app = std::make_unique<Probe<CApplication>>(plan, "app", ports.Get());
        mainTarget = std::make_unique<Probe<CCommandTarget>>(plan, "main");
        app->SetMainTarget(mainTarget.get());
        app->AddTemplate(MakeTemplate(3, "\nText\nText Document"));
        app->AddTemplate(MakeTemplate(110, "\nModel\nModel Document"));
    }

    std::unique_ptr<CDocTemplate> MakeTemplate(int resourceId, const std::string& strings)
    {
        CDocTemplate::Factories factories{
            [this] { return std::make_unique<Probe<CDocument>>(plan, "document"); },
            [this] { return std::make_unique<Probe<CFrame>>(plan, "frame"); },
            [this] { return std::make_unique<Probe<CView>>(plan, "view"); },
        };
        return std::make_unique<CDocTemplate>(*app, resourceId, strings, std::move(factories));
    }

    CDocument* OpenNew(int position) { return app->Template(position)->OpenDocumentFile({}, true); }

    std::ostringstream out;
    HeadlessPorts ports{out};
    RoutePlan plan;
    std::unique_ptr<CApplication> app;
    std::unique_ptr<CCommandTarget> mainTarget;
};
