#include "ptolemydialogs/ColourChoice.h"

#include "platform/Chooser.h"
#include "platform/WindowThread.h"

#include <QColor>
#include <QColorDialog>

namespace ptolemy_dialogs {

std::optional<ColourRef> ColourChoice::choose(QWidget* owner, ColourRef initial)
{
    makeCustomColoursOnce();
    const std::optional<std::uint32_t> chosen = platform::chooser().chooseColour(owner, initial);
    if (!chosen)
        return std::nullopt;
    return static_cast<ColourRef>(*chosen);
}

ColourRef ColourChoice::initialCustomColour(int index) { return makeColour(255 - 10 * index, index, 10 * index); }

void ColourChoice::makeCustomColoursOnce()
{
    platform::assertWindowThread();
    // Made once only: afterwards the colours are the user's.
    static const bool made = [] {
        for (int index = 0; index < kCustomColourCount; ++index) {
            const ColourRef colour = initialCustomColour(index);
            QColorDialog::setCustomColor(index, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        }
        return true;
    }();
    (void)made;
}

} // namespace ptolemy_dialogs
