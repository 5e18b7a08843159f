#pragma once
// A universe shown by a registered control window, with the editing dialogs installed,
// and a queue of steps that work the dialogs from inside their modal loops as a person
// would. Each step waits until the dialog it names is the topmost one; a dialog still
// open after ten seconds is ended so that a fault fails the test, not hangs it.
#include "dialogs/DialogDriver.h"
#include "dialogs/DialogRuntime.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "platform/ResourceLibrary.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseLocks.h"
#include "ptolemydialogs/PtolemyDialogs.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class EditSession : public testing::Test {
protected:
    using Action = std::function<void(dialogs::DialogDriver&, dialogs::TemplateDialog&)>;

    void SetUp() override
    {
        if (!shippedResources())
            GTEST_SKIP() << "the resource library is not beside the test program";
        previousLibrary_ = platform::ResourceLibrary::current();
        platform::ResourceLibrary::setCurrent(shippedResources());
        installPtolemyDialogs();
        WindowSpec spec;
        spec.kind = kControlWindowKind;
        spec.imageSource = &universe;
        auto window = std::make_unique<QWidget>();
        control = window.get();
        WindowRegistry::instance().addRecord(std::make_unique<WindowRecord>(std::move(window), nullptr, spec));
    }

    void TearDown() override
    {
        if (!shippedResources())
            return;
        WindowRegistry::instance().removeWindowsOf(&universe);
        PtolemyUniverse::setSystemsDialogRunner(nullptr);
        platform::ResourceLibrary::setCurrent(previousLibrary_);
    }

    // Queues `action` for when `templateName` is the topmost dialog.
    void then(const std::string& templateName, Action action) { steps_.push_back({ templateName, std::move(action) }); }

    // Presses Edit with the queued steps working the dialogs; every step must have run.
    HRESULT edit()
    {
        QTimer::singleShot(0, &timerContext_, [this] { runNextStep(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            while (dialogs::TemplateDialog* dialog = dialogs::DialogRuntime::topmost())
                dialog->end(-99);
        });
        watchdog.start(10000);
        const HRESULT result = universe.OnCommand(control, 5, 0);
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps did not run";
        steps_.clear();
        return result;
    }

    // Replaces the systems by empty ones with these names (in list order).
    void makeSystems(const std::vector<std::string>& names)
    {
        UniverseAndClockLock lock(&universe);
        universe.Bodies().RemoveAll();
        for (const std::string& name : names) {
            universe.Bodies().Add(nullptr);
            universe.Bodies().Get(universe.Bodies().Count() - 1)->SetName(name.c_str());
        }
    }

    PtolemyBody& system(int index) { return *universe.Bodies().Get(index); }

    // The names of a system's cycles from the head inwards.
    std::vector<std::string> cycleNames(int index)
    {
        std::vector<std::string> names;
        const std::unique_ptr<PtolemyOrbit> chain = system(index).CopyChain();
        for (const PtolemyOrbit* cycle = chain.get(); cycle; cycle = cycle->next.get())
            names.push_back(cycle->Name());
        return names;
    }

    static std::vector<std::string> rows(const dialogs::TemplateDialog& dialog, int id)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < dialog.listCount(id); ++row)
            texts.push_back(dialog.listItemText(id, row));
        return texts;
    }

    platform::MessageRecorder recorder;
    platform::ScriptedChooser chooser;
    platform::ScopedChooser chooserScope { chooser };
    PtolemyUniverse universe;
    QWidget* control = nullptr;

private:
    struct Step {
        std::string templateName;
        Action action;
    };

    void runNextStep()
    {
        if (steps_.empty())
            return;
        dialogs::TemplateDialog* dialog = dialogs::DialogRuntime::topmost();
        const bool ready = dialog && !dialog->hasEnded() && dialog->templateName() == steps_.front().templateName;
        // Scheduled first: a step that opens a dialog returns only once it has closed,
        // and the steps after it are what work that dialog.
        QTimer::singleShot(ready ? 0 : 5, &timerContext_, [this] { runNextStep(); });
        if (!ready)
            return;
        Step step = std::move(steps_.front());
        steps_.pop_front();
        dialogs::DialogDriver driver(*dialog);
        step.action(driver, *dialog);
    }

    const platform::ResourceLibrary* previousLibrary_ = nullptr;
    std::deque<Step> steps_;
    // The step timers' context: destroyed first with the fixture, so that a timer still
    // pending when a test ends never reaches the fixture that is gone.
    QObject timerContext_;
};

} // namespace testing_support
