#include "platform/HandlerScope.h"

#include "platform/CriticalSection.h"
#include "platform/WindowThread.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <cassert>
#include <utility>
#include <vector>

namespace platform {

namespace {

    struct WaitingWork {
        QPointer<QObject> context;
        std::function<void()> work;
    };

    // Window thread only: no lock needed.
    int openScopes = 0;
    std::vector<WaitingWork> waiting;

    void post(QObject* context, std::function<void()> work)
    {
        QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
    }

} // namespace

HandlerScope::HandlerScope(Kind kind)
{
    assertWindowThread();
    // A worker waiting for a lock held across a nested loop would stall (and a clock
    // being stopped from inside the loop would never finish its tick).
    assert(kind != Kind::NestedLoop || sharedLocksHeldByThisThread() == 0);
    (void)kind;
    ++openScopes;
}

HandlerScope::~HandlerScope()
{
    if (--openScopes > 0)
        return;
    std::vector<WaitingWork> ready;
    ready.swap(waiting);
    for (WaitingWork& item : ready) {
        if (item.context)
            post(item.context, std::move(item.work));
    }
}

bool HandlerScope::active() { return openScopes > 0; }

int HandlerScope::depth() { return openScopes; }

void HandlerScope::whenIdle(QObject* context, std::function<void()> work)
{
    assertWindowThread();
    if (!context || !work)
        return;
    if (openScopes == 0)
        post(context, std::move(work));
    else
        waiting.push_back(WaitingWork { context, std::move(work) });
}

} // namespace platform
