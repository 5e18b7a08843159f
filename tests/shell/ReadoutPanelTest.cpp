// The error readout above the layout: it grows and shrinks with the rows its lines need at
// the window's width, and a new text that needs no other height costs the window no layout
// pass (the readout changes four times a second while a matched model runs).
#include "shell/ReadoutPanel.h"

#include <QApplication>
#include <QEvent>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Counts the layout passes a widget is asked for.
class LayoutRequests : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

class ReadoutPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto* const column = new QVBoxLayout(&window);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(readout);
        column->addWidget(host, 1);
        window.resize(360, 300);
        window.show();
        settle();
    }

    void showLines(const QStringList& lines)
    {
        readout->showLines(lines);
        settle();
    }

    static void settle()
    {
        for (int pass = 0; pass < 3; ++pass)
            QApplication::processEvents();
    }

    static QStringList systems(int count, const QString& error)
    {
        QStringList lines;
        for (int k = 0; k < count; ++k)
            lines << QStringLiteral("System %1: model \u2212 observed %2, RMS 0.31\u00b0").arg(k).arg(error);
        return lines;
    }

    QWidget window;
    ReadoutPanel* readout = new ReadoutPanel(&window);
    QWidget* host = new QWidget(&window);
};

TEST_F(ReadoutPanelTest, TakesTheRowsItsLinesNeedAndAsksForNoLayoutWhileItsHeightStays)
{
    EXPECT_FALSE(readout->isVisible()) << "no line, no readout";
    EXPECT_EQ(host->height(), window.height());

    showLines(systems(1, QStringLiteral("+0.42\u00b0")));
    ASSERT_TRUE(readout->isVisible());
    const int oneRow = readout->height();
    EXPECT_GT(oneRow, 0);
    EXPECT_EQ(host->height(), window.height() - oneRow);
    EXPECT_EQ(readout->spokenText(), systems(1, QStringLiteral("+0.42\u00b0")).join(QStringLiteral("; ")));

    LayoutRequests requests;
    window.installEventFilter(&requests);
    showLines(systems(1, QStringLiteral("+0.47\u00b0")));
    EXPECT_EQ(requests.count, 0) << "a new number of the same height leaves the window's layout alone";
    EXPECT_EQ(readout->height(), oneRow);

    showLines(systems(4, QStringLiteral("+0.47\u00b0")));
    EXPECT_GT(readout->height(), oneRow) << "four systems' lines wrap onto more rows at 360 pixels";
    EXPECT_EQ(readout->height(), readout->heightForWidth(readout->width()));
    EXPECT_EQ(host->height(), window.height() - readout->height()) << "the layout below gives up the room";

    showLines(systems(1, QStringLiteral("+0.47\u00b0")));
    EXPECT_EQ(readout->height(), oneRow);
    showLines({});
    EXPECT_FALSE(readout->isVisible());
    EXPECT_EQ(host->height(), window.height());
}

} // namespace
