#pragma once
// The refresh timers of the windows on one thread that share a period, run as one timer.
//
// Every window still refreshes at its own period; windows of the same period tick in the
// same timer event, so the paints their refreshes ask for land in one paint of the main
// window and reach the screen in one flush, instead of one wake-up, paint and flush each.
//
// Threading: each thread has its own tickers; a ticker is used only on its thread.
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class RefreshTicker final : public QObject {
public:
    // Calls `onTick` every `milliseconds` (greater than 0) from the calling thread's ticker
    // of that period until `unsubscribe(receiver)`. A receiver subscribes at most once.
    static void subscribe(const QObject* receiver, int milliseconds, std::function<void()> onTick);
    static void unsubscribe(const QObject* receiver);
    static bool isSubscribed(const QObject* receiver);

private:
    explicit RefreshTicker(int milliseconds);
    void tick();

    struct Subscriber {
        const QObject* receiver;
        std::function<void()> onTick;
    };
    static std::vector<std::unique_ptr<RefreshTicker>>& tickers();
    static RefreshTicker* tickerOf(const QObject* receiver);

    int milliseconds_;
    QTimer timer_;
    std::vector<Subscriber> subscribers_;
};
