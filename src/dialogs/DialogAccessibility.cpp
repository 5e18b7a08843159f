#include "dialogs/DialogAccessibility.h"

#include "platform/DisplayText.h"

#include <QLabel>

#include <algorithm>
#include <numeric>
#include <optional>

namespace dialogs {

namespace {

    // Dialog units: half a line of text (8 units a line), the height of a one-line field or
    // button, and the farthest a label stands from what it labels; a row's label may head
    // several fields of its row.
    constexpr int kHalfLine = 4;
    constexpr int kFieldHeight = 14;
    constexpr int kLabelReach = 40;
    constexpr int kRowLabelReach = 100;

    bool isField(ControlKind kind)
    {
        return kind == ControlKind::Edit || kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
    }

    bool labels(ControlKind kind) { return kind == ControlKind::Label || kind == ControlKind::CheckBox; }

    // Where a control stands in the reading order: the middle of its first line. A list's or
    // a drop-down's rectangle reaches far below that line (over its rows, or the rows it
    // drops down), and is read where it starts, beside the controls of its first row.
    int rowY(const QRect& rect) { return rect.top() + std::min(rect.height(), kFieldHeight) / 2; }

    bool sameRow(const QRect& one, const QRect& other) { return std::abs(rowY(one) - rowY(other)) <= kHalfLine; }

    // A label's text as a name: without mnemonic marks and a closing colon.
    QString nameText(const std::string& text)
    {
        QString name = platform::displayText(text);
        name.remove(QLatin1Char('&'));
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        return name.trimmed();
    }

    // The accepted control nearest by `gap` (none beyond `reach` or overlapping by more than 2).
    template <typename Accepts, typename Gap>
    std::optional<std::size_t> nearest(
        const std::vector<ControlTemplate>& controls, Accepts accepts, Gap gap, int reach = kLabelReach)
    {
        std::optional<std::size_t> best;
        int bestGap = reach + 1;
        for (std::size_t index = 0; index < controls.size(); ++index) {
            if (!accepts(controls[index]))
                continue;
            const int distance = gap(controls[index].rect);
            if (distance >= -2 && distance < bestGap) {
                best = index;
                bestGap = distance;
            }
        }
        return best;
    }

    // The smallest group box around `box`, which names a field that has no label of its own.
    std::optional<std::size_t> enclosingGroup(const std::vector<ControlTemplate>& controls, const QRect& box)
    {
        std::optional<std::size_t> best;
        for (std::size_t index = 0; index < controls.size(); ++index) {
            const QRect& frame = controls[index].rect;
            if (controls[index].kind != ControlKind::GroupBox || !frame.contains(box))
                continue;
            if (!best || frame.width() * frame.height() < controls[*best].rect.width() * controls[*best].rect.height())
                best = index;
        }
        return best;
    }

    void nameField(const std::vector<ControlTemplate>& controls, const ControlTemplate& field, QWidget* widget,
        const std::vector<QWidget*>& widgets)
    {
        const QRect box = field.rect;
        const auto left = nearest(
            controls, [&](const ControlTemplate& c) { return labels(c.kind) && sameRow(c.rect, box); },
            [&](const QRect& r) { return box.left() - (r.right() + 1); }, kRowLabelReach);
        const auto above = nearest(
            controls,
            [&](const ControlTemplate& c) {
                const int overlap = std::min(c.rect.right(), box.right()) - std::max(c.rect.left(), box.left());
                return c.kind == ControlKind::Label && 2 * overlap >= box.width() && !sameRow(c.rect, box);
            },
            [&](const QRect& r) { return box.top() - (r.bottom() + 1); });
        const auto right = nearest(
            controls, [&](const ControlTemplate& c) { return c.kind == ControlKind::Label && sameRow(c.rect, box); },
            [&](const QRect& r) { return r.left() - (box.right() + 1); });
        QStringList parts;
        if (left)
            parts << nameText(controls[*left].text);
        if (above)
            parts << nameText(controls[*above].text);
        if (parts.isEmpty())
            if (const auto group = enclosingGroup(controls, box))
                parts << nameText(controls[*group].text);
        if (!parts.isEmpty())
            widget->setAccessibleName(parts.join(QLatin1Char(' ')));
        if (right)
            widget->setAccessibleDescription(nameText(controls[*right].text));
        if (left)
            if (auto* label = qobject_cast<QLabel*>(widgets[*left]))
                label->setBuddy(widget);
    }

} // namespace

void orderTabsByReading(const std::vector<ControlTemplate>& controls, const std::vector<QWidget*>& widgets)
{
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return rowY(controls[a].rect) < rowY(controls[b].rect); });
    // Rows from the top; each row left to right.
    for (auto rowStart = order.begin(); rowStart != order.end();) {
        auto rowEnd = rowStart + 1;
        while (rowEnd != order.end() && sameRow(controls[*rowStart].rect, controls[*rowEnd].rect))
            ++rowEnd;
        std::stable_sort(rowStart, rowEnd,
            [&](std::size_t a, std::size_t b) { return controls[a].rect.left() < controls[b].rect.left(); });
        rowStart = rowEnd;
    }
    QWidget* previous = nullptr;
    for (const std::size_t index : order) {
        QWidget* const widget = widgets[index];
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void nameFieldsByTheirLabels(const std::vector<ControlTemplate>& controls, const std::vector<QWidget*>& widgets)
{
    for (std::size_t index = 0; index < controls.size(); ++index)
        if (isField(controls[index].kind))
            nameField(controls, controls[index], widgets[index], widgets);
}

} // namespace dialogs
