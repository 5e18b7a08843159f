#include "windows/ControlWindow.h"

#include "imagesource/ImageSource.h"
#include "platform/DisplayText.h"
#include "platform/HandlerScope.h"
#include "windows/ButtonTips.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPixmapCache>
#include <QPushButton>

ControlWindow::ControlWindow(QWidget* parent, ImageSource* source)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Control Window"));
    // The background is the host's colour: the palette is inherited from the host, filled here.
    setAutoFillBackground(true);
    makeButtons(source);
}

ControlWindow::~ControlWindow()
{
    // The style draws a button's panel once and keeps the picture in the process's pixmap
    // cache under a key that includes the button's palette. Every button resolves a palette of
    // its own, which goes with it, so those pictures can never be used again; left there, a
    // layout change every second (the demonstration) fills the cache with them up to its limit
    // of several megabytes. The cache keeps no index by palette: it is emptied as a whole, and
    // the windows that stay draw their pictures again on their next paint.
    QPixmapCache::clear();
}

DialogBaseUnits ControlWindow::dialogBaseUnits()
{
    const QFontMetrics metrics(QApplication::font());
    return DialogBaseUnits { metrics.averageCharWidth(), metrics.height() };
}

void ControlWindow::makeButtons(ImageSource* source)
{
    if (!source)
        return;
    const std::int32_t count = source->GetButtonCount();
    const ButtonSpec* const table = source->GetButtons();
    if (count <= 0 || !table)
        return;
    const DialogBaseUnits units = dialogBaseUnits();
    buttons_.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        auto* button = new QPushButton(platform::displayText(table[index].label), this);
        button->setGeometry(units.x, units.y + 2 * units.y * index, 20 * units.x, (7 * units.y) / 4);
        connect(button, &QPushButton::clicked, this, [this, index] { onButtonPressed(index); });
        describeButton(button, table[index].label);
        buttons_.push_back(button);
    }
}

QPushButton* ControlWindow::button(int index) const
{
    if (index < 0 || index >= buttonCount())
        return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void ControlWindow::setButtonText(int index, const char* text)
{
    QPushButton* const target = button(index);
    if (target && text) {
        target->setText(platform::displayText(text));
        describeButton(target, text);
    }
}

void ControlWindow::describeButton(QPushButton* button, const std::string& label)
{
    const QString tip = buttonTip(label);
    button->setToolTip(tip);
    button->setAccessibleDescription(tip);
}

void ControlWindow::onButtonPressed(int index)
{
    WindowRecord* const record = WindowRegistry::instance().findRecord(this);
    if (!record || !record->imageSource)
        return;
    // This window, its record and its source stay alive until the command returns.
    platform::HandlerScope handler;
    record->imageSource->OnCommand(this, static_cast<std::uintptr_t>(index), static_cast<std::intptr_t>(index));
}
