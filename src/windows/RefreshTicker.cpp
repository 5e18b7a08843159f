#include "windows/RefreshTicker.h"

#include <algorithm>

RefreshTicker::RefreshTicker(int milliseconds)
    : milliseconds_(milliseconds)
{
    timer_.setInterval(milliseconds);
    connect(&timer_, &QTimer::timeout, this, &RefreshTicker::tick);
}

std::vector<std::unique_ptr<RefreshTicker>>& RefreshTicker::tickers()
{
    // A ticker's timer stops with its last subscriber, so none runs when the thread ends.
    thread_local std::vector<std::unique_ptr<RefreshTicker>> perThread;
    return perThread;
}

RefreshTicker* RefreshTicker::tickerOf(const QObject* receiver)
{
    for (const auto& ticker : tickers()) {
        const auto& subscribers = ticker->subscribers_;
        if (std::any_of(subscribers.begin(), subscribers.end(),
                [receiver](const Subscriber& subscriber) { return subscriber.receiver == receiver; }))
            return ticker.get();
    }
    return nullptr;
}

void RefreshTicker::subscribe(const QObject* receiver, int milliseconds, std::function<void()> onTick)
{
    unsubscribe(receiver);
    auto& all = tickers();
    auto found = std::find_if(
        all.begin(), all.end(), [milliseconds](const auto& ticker) { return ticker->milliseconds_ == milliseconds; });
    RefreshTicker* const ticker = found != all.end()
        ? found->get()
        : all.emplace_back(std::unique_ptr<RefreshTicker>(new RefreshTicker(milliseconds))).get();
    ticker->subscribers_.push_back({ receiver, std::move(onTick) });
    if (!ticker->timer_.isActive())
        ticker->timer_.start();
}

void RefreshTicker::unsubscribe(const QObject* receiver)
{
    RefreshTicker* const ticker = tickerOf(receiver);
    if (!ticker)
        return;
    std::erase_if(
        ticker->subscribers_, [receiver](const Subscriber& subscriber) { return subscriber.receiver == receiver; });
    if (ticker->subscribers_.empty())
        ticker->timer_.stop();
}

bool RefreshTicker::isSubscribed(const QObject* receiver) { return tickerOf(receiver) != nullptr; }

// A subscriber may subscribe or unsubscribe others (or itself) from its tick: each is
// looked up again before it is called, and one that subscribed meanwhile waits for the next tick.
void RefreshTicker::tick()
{
    std::vector<const QObject*> due;
    due.reserve(subscribers_.size());
    for (const Subscriber& subscriber : subscribers_)
        due.push_back(subscriber.receiver);
    for (const QObject* receiver : due) {
        auto found = std::find_if(subscribers_.begin(), subscribers_.end(),
            [receiver](const Subscriber& subscriber) { return subscriber.receiver == receiver; });
        if (found == subscribers_.end())
            continue;
        const std::function<void()> onTick = found->onTick; // the subscriber may go during its tick
        onTick();
    }
}
