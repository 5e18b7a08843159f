// The floor that bench/cpu-layouts measures the program against: a bare Qt main window of
// the program's size with the layout's observer windows (their rectangles and refresh
// periods), each repainting a small moving dot on a white ground at its period, windows of
// one period on one timer, and a thread for each animated source of the layout that wakes
// every 15 ms and counts, as a source's clock does. It does the wake-ups, paints and
// flushes of an animated layout and nothing of its drawing.
//
//   floor_windows [--quit-after MS] LAYOUT
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QXmlStreamReader>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

struct FloorWindowSpec {
    QRectF fractions; // of the main window's client area
    int refreshMilliseconds = 0;
};

struct FloorLayout {
    std::vector<FloorWindowSpec> windows;
    int animatedSources = 0; // sources that run a clock
};

// The observer windows of a layout file, in the order they appear, and its animated sources.
FloorLayout readLayout(const QString& path)
{
    QFile file(path);
    FloorLayout layout;
    std::vector<FloorWindowSpec>& windows = layout.windows;
    if (!file.open(QIODevice::ReadOnly))
        return layout;
    QXmlStreamReader reader(&file);
    FloorWindowSpec current;
    double left = 0, top = 0, right = 0, bottom = 0;
    bool inObserver = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            if (name == u"type") {
                const QString type = reader.readElementText().trimmed();
                if (type == u"PtolemyUniverse" || type == u"Observatory" || type == u"KeplerUniverse")
                    ++layout.animatedSources;
            } else if (name == u"ObserverWindow") {
                inObserver = true;
                current = FloorWindowSpec {};
                left = top = right = bottom = 0;
            } else if (inObserver && name == u"left") {
                left = reader.readElementText().trimmed().toDouble();
            } else if (inObserver && name == u"top") {
                top = reader.readElementText().trimmed().toDouble();
            } else if (inObserver && name == u"right") {
                right = reader.readElementText().trimmed().toDouble();
            } else if (inObserver && name == u"bottom") {
                bottom = reader.readElementText().trimmed().toDouble();
            } else if (inObserver && name == u"Refresh") {
                current.refreshMilliseconds = reader.readElementText().trimmed().toInt();
            }
        } else if (reader.isEndElement() && name == u"ObserverWindow") {
            current.fractions = QRectF(QPointF(left, top), QPointF(right, bottom));
            windows.push_back(current);
            inObserver = false;
        }
    }
    return layout;
}

// A thread that wakes every 15 ms, keeping to its deadlines, and counts, as a clock does.
class FloorClock {
public:
    FloorClock()
        : thread_([this] { run(); })
    {
    }
    ~FloorClock()
    {
        stop_ = true;
        thread_.join();
    }
    FloorClock(const FloorClock&) = delete;
    FloorClock& operator=(const FloorClock&) = delete;

private:
    void run()
    {
        auto deadline = std::chrono::steady_clock::now();
        while (!stop_) {
            deadline += std::chrono::milliseconds(15);
            std::this_thread::sleep_until(deadline);
            ticks_.fetch_add(1, std::memory_order_relaxed);
        }
    }

    std::atomic<bool> stop_ { false };
    std::atomic<long> ticks_ { 0 };
    std::thread thread_;
};

// A white window with a dot going round; each step repaints where the dot was and is.
class DotWindow : public QWidget {
public:
    explicit DotWindow(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void step()
    {
        const QRect before = dotRect();
        angle_ += 0.05;
        update(before | dotRect());
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawEllipse(dotRect().adjusted(1, 1, -1, -1));
    }

private:
    QRect dotRect() const
    {
        const double radius = std::min(width(), height()) / 3.0;
        const QPoint centre(width() / 2 + static_cast<int>(radius * std::cos(angle_)),
            height() / 2 + static_cast<int>(radius * std::sin(angle_)));
        return QRect(centre - QPoint(5, 5), QSize(11, 11));
    }

    double angle_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QString layout;
    int quitAfter = 0;
    for (int k = 1; k < argc; ++k) {
        if (QByteArray(argv[k]) == "--quit-after" && k + 1 < argc)
            quitAfter = QByteArray(argv[++k]).toInt();
        else
            layout = QString::fromLocal8Bit(argv[k]);
    }
    if (layout.isEmpty()) {
        std::fprintf(stderr, "usage: floor_windows [--quit-after MS] LAYOUT\n");
        return 2;
    }
    const FloorLayout floorLayout = readLayout(layout);
    const std::vector<FloorWindowSpec>& specs = floorLayout.windows;
    std::vector<std::unique_ptr<FloorClock>> clocks;
    for (int k = 0; k < floorLayout.animatedSources; ++k)
        clocks.push_back(std::make_unique<FloorClock>());
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("Floor"));
    main.resize(1000, 700);
    for (const char* menu : { "&Layout", "&Test", "&View", "&Help" })
        main.menuBar()->addMenu(QString::fromLatin1(menu));
    // The menu bar's time, written four times a second as the program writes the model time.
    auto* time = new QLabel(&main);
    main.menuBar()->setCornerWidget(time);
    QTimer timeDisplay;
    QObject::connect(&timeDisplay, &QTimer::timeout,
        [time] { time->setText(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss"))); });
    timeDisplay.start(250);
    auto* host = new QWidget(&main);
    main.setCentralWidget(host);
    main.show();

    std::vector<DotWindow*> windows;
    std::map<int, std::vector<DotWindow*>> byPeriod;
    for (const FloorWindowSpec& spec : specs) {
        auto* window = new DotWindow(host);
        const QSize area = host->size();
        window->setGeometry(QRectF(spec.fractions.left() * area.width(), spec.fractions.top() * area.height(),
            spec.fractions.width() * area.width(), spec.fractions.height() * area.height())
                                .toRect());
        window->show();
        if (spec.refreshMilliseconds > 0)
            byPeriod[spec.refreshMilliseconds].push_back(window);
    }
    std::vector<std::unique_ptr<QTimer>> timers;
    for (auto& [period, members] : byPeriod) {
        auto& timer = timers.emplace_back(std::make_unique<QTimer>());
        QObject::connect(timer.get(), &QTimer::timeout, [&members = members] {
            for (DotWindow* window : members)
                window->step();
        });
        timer->start(period);
    }
    if (quitAfter > 0)
        QTimer::singleShot(quitAfter, &application, &QApplication::quit);
    return application.exec();
}
