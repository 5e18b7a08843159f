#pragma once
// A child window holding a column of push buttons for one image source: the
// buttons come from the source's button table, and pressing button i sends the
// source OnCommand with this window and index i. It draws nothing of its own and
// shows the host window's background colour (inherited from the host's palette).
// A window too small for its buttons shrinks the column and scrolls what still does
// not fit (ButtonColumn); no button is ever cut.
// Owns its buttons through Qt parentage. Used only on the window thread.
// See docs/threads.md.
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class ImageSource;
class QPushButton;
class QScrollArea;

// Dialog base units of the system font, in pixels.
struct DialogBaseUnits {
    int x = 0; // average character width
    int y = 0; // character height
};

class ControlWindow : public QWidget {
    Q_OBJECT
public:
    ControlWindow(QWidget* parent, ImageSource* source);
    // Drops the pictures the style cached for this window's buttons (see the definition).
    ~ControlWindow() override;

    // Taken from the application font: x is its average character width, y its height.
    static DialogBaseUnits dialogBaseUnits();

    int buttonCount() const { return static_cast<int>(buttons_.size()); }
    // Button `index` in table order, or null.
    QPushButton* button(int index) const;
    // Relabels button `index`; nothing when there is no such button or no text.
    void setButtonText(int index, const char* text);
    // The scrolled area that holds the buttons (its widget is their parent).
    QScrollArea* scroller() const { return scroller_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The button's tooltip and accessible description, from its label.
    static void describeButton(QPushButton* button, const std::string& label);
    void makeButtons(ImageSource* source);
    // The buttons placed for `room` (the window's size), shrunk or scrolled when it is too
    // small; without a room, where the window's description puts them.
    void placeButtons(std::optional<QSize> room = std::nullopt);
    // What every button needs at least to show its label whole.
    QSize smallestButton() const;
    void onButtonPressed(int index);

    QScrollArea* scroller_;
    QWidget* column_; // the scrolled widget: the buttons' parent

    std::vector<QPushButton*> buttons_; // owned by this window (Qt children), in table order
};
