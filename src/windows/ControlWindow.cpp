#include "windows/ControlWindow.h"

#include "imagesource/ImageSource.h"
#include "platform/DisplayText.h"
#include "platform/HandlerScope.h"
#include "windows/ButtonColumn.h"
#include "windows/ButtonTips.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

ControlWindow::ControlWindow(QWidget* parent, ImageSource* source)
    : QWidget(parent)
    , scroller_(new QScrollArea(this))
    , column_(new QWidget)
{
    setWindowTitle(QStringLiteral("Control Window"));
    // The background is the host's colour: the palette is inherited from the host, filled here;
    // the scrolled area and the column over it are clear.
    setAutoFillBackground(true);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->viewport()->setAutoFillBackground(false);
    scroller_->setWidget(column_);
    column_->setAutoFillBackground(false);
    makeButtons(source);
    // Until the window is given its size.
    placeButtons(std::nullopt);
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
    buttons_.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        auto* button = new QPushButton(platform::displayText(table[index].label), column_);
        connect(button, &QPushButton::clicked, this, [this, index] { onButtonPressed(index); });
        describeButton(button, table[index].label);
        buttons_.push_back(button);
    }
}

QSize ControlWindow::smallestButton() const
{
    // A line of text and the button's frame round it; the widest label and a character's
    // width either side.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QPushButton* button : buttons_)
        widest = std::max(widest, metrics.horizontalAdvance(button->text()));
    return QSize(widest + 2 * metrics.averageCharWidth() + 4, metrics.height() + 6);
}

void ControlWindow::placeButtons(std::optional<QSize> room)
{
    scroller_->setGeometry(rect());
    ButtonColumn column(dialogBaseUnits(), buttonCount(), smallestButton());
    if (!room)
        room = column.describedSize();
    column.fit(*room);
    // A scroll bar takes room from the other direction.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
    if (column.contentSize().height() > room->height())
        room->rwidth() -= bar;
    if (column.contentSize().width() > room->width())
        room->rheight() -= bar;
    column.fit(*room);
    column_->resize(column.contentSize());
    for (int index = 0; index < buttonCount(); ++index)
        buttons_[static_cast<std::size_t>(index)]->setGeometry(column.button(index));
}

void ControlWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons(size());
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
        placeButtons(size());
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
