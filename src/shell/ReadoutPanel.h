#pragma once
// The error readout above the layout: each matched system's line ("Mars: model − observed
// +0.42°, RMS 0.31°"), side by side and wrapped between lines, never inside one; selectable
// with the mouse and the keyboard; hidden while there is no line.
//
// The lines change four times a second while the model runs. A word-wrapped label asks its
// window to lay out again at every change of text, which measures the label's text several
// times over; the panel holds the label outside the window's layout and asks for a new layout
// only when the height the text needs at the panel's width changes. Window thread only.
#include <QStringList>
#include <QWidget>

class QLabel;

class ReadoutPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReadoutPanel(QWidget* parent);

    // Shows the lines (hides the panel when there is none).
    void showLines(const QStringList& lines);
    // The readout as screen readers hear it: the lines joined by "; ".
    QString spokenText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
    int laidOutHeight_ = -1; // the height the window's layout last gave room for, at its width
};
