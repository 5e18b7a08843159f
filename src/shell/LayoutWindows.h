#pragma once
// The windows of the layout on screen that pictures and animations are made of, numbered
// as scripts number them (in creation order from 0, as the press step does), and the
// whole layout, number kWholeLayout.
// Threading: window thread only.
#include <QStringList>

class QWidget;

class LayoutWindows {
public:
    static constexpr int kWholeLayout = -1;

    // The windows of the layout in `host`.
    explicit LayoutWindows(QWidget& host);

    // The window numbered `number`, the host for kWholeLayout, or null.
    QWidget* find(int number) const;
    // What each window shows, in number order: "Ptolemaic universe: Mars", "Buttons: ...".
    QStringList descriptions() const;
    // How often the window (for the whole layout, its most frequent) shows a new frame, in
    // milliseconds; 0 when it has no refresh period.
    int refreshMilliseconds(int number) const;

private:
    QString describe(QWidget* window) const;

    QWidget& host_;
};
