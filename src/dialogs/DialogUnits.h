#pragma once
// Dialog units of a font: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height, so a template keeps its
// proportions whatever font the desktop substitutes for the one it names.
#include <QFont>
#include <QRect>

namespace dialogs {

class DialogUnits {
public:
    static DialogUnits ofFont(const QFont& font);

    int baseX() const { return baseX_; } // average character width, pixels
    int baseY() const { return baseY_; } // character height, pixels
    int toPixelsX(int units) const { return units * baseX_ / 4; }
    int toPixelsY(int units) const { return units * baseY_ / 8; }
    QRect toPixels(const QRect& units) const;

private:
    DialogUnits(int baseX, int baseY)
        : baseX_(baseX)
        , baseY_(baseY)
    {
    }

    int baseX_;
    int baseY_;
};

} // namespace dialogs
