// The focus ring: it follows the focus from control to control, from window to window, lies
// whole round the control, and stands at least 3:1 from whatever ground it is drawn on.
#include "scripting/FocusRing.h"
#include "scripting/FocusRingStyle.h"

#include "platform/ColourContrast.h"

#include <QApplication>
#include <QFocusFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

ColourRef colourAt(const QImage& image, QPoint point)
{
    const QColor colour = image.pixelColor(point);
    return makeColour(colour.red(), colour.green(), colour.blue());
}

void focus(QWidget& window, QWidget& control)
{
    window.show();
    QApplication::setActiveWindow(&window);
    control.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

} // namespace

TEST(FocusRing, StandsOutOnEveryGround)
{
    for (int red = 0; red <= 255; red += 15)
        for (int green = 0; green <= 255; green += 15)
            for (int blue = 0; blue <= 255; blue += 15) {
                const ColourRef ground = makeColour(red, green, blue);
                EXPECT_GE(platform::contrastRatio(FocusRingStyle::ringColourOn(ground), ground), 3.0)
                    << red << "," << green << "," << blue;
            }
}

TEST(FocusRing, RingsTheFocusedControlWholeAndFollowsTheFocus)
{
    FocusRing* const ring = FocusRing::install(*static_cast<QApplication*>(QCoreApplication::instance()));
    QWidget dialog;
    dialog.resize(240, 120);
    QLineEdit edit(&dialog);
    edit.setGeometry(20, 20, 100, 24);
    QPushButton button(QStringLiteral("OK"), &dialog);
    button.setGeometry(20, 70, 80, 26);
    QWidget panel(&dialog);
    panel.setGeometry(140, 0, 100, 120);
    QPalette navy = panel.palette();
    navy.setColor(QPalette::Window, QColor(24, 32, 64));
    panel.setPalette(navy);
    panel.setAutoFillBackground(true);
    QPushButton pause(QStringLiteral("Pause"), &panel);
    pause.setGeometry(10, 40, 80, 26);

    focus(dialog, edit);
    ASSERT_NE(ring->frame(), nullptr);
    EXPECT_EQ(ring->frame()->widget(), &edit);
    QImage shown = dialog.grab().toImage();
    const ColourRef light = colourAt(shown, QPoint(5, 5));
    const ColourRef onLight = FocusRingStyle::ringColourOn(light);
    for (int step = 1; step <= FocusRingStyle::kRingWidth; ++step) {
        EXPECT_EQ(colourAt(shown, QPoint(edit.x() - step, edit.y() + 12)), onLight) << "left, " << step;
        EXPECT_EQ(colourAt(shown, QPoint(edit.geometry().right() + step, edit.y() + 12)), onLight) << step;
        EXPECT_EQ(colourAt(shown, QPoint(edit.x() + 50, edit.y() - step)), onLight) << "above, " << step;
        EXPECT_EQ(colourAt(shown, QPoint(edit.x() + 50, edit.geometry().bottom() + step)), onLight) << step;
    }
    EXPECT_NE(colourAt(shown, QPoint(button.x() - 2, button.y() + 13)), onLight) << "one ring only";

    focus(dialog, pause);
    EXPECT_EQ(ring->frame()->widget(), &pause);
    shown = dialog.grab().toImage();
    EXPECT_EQ(colourAt(shown, QPoint(panel.x() + pause.x() - 2, pause.y() + 13)), FocusRingStyle::kLightRing);
    EXPECT_EQ(colourAt(shown, QPoint(edit.x() - 2, edit.y() + 12)), light) << "the ring left the field";

    pause.clearFocus();
    QApplication::processEvents();
    EXPECT_FALSE(ring->frame() && ring->frame()->isVisible()) << "no focus, no ring";
}
