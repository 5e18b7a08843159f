#include "shell/ReadoutPanel.h"

#include <QEvent>
#include <QLabel>

namespace {

constexpr int kMargin = 4;

} // namespace

ReadoutPanel::ReadoutPanel(QWidget* parent)
    : QWidget(parent)
    , label_(new QLabel(this))
{
    setObjectName(QStringLiteral("readout"));
    setAccessibleName(tr("Error readout"));
    label_->setWordWrap(true);
    label_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label_->setAccessibleDescription(tr("How far each model is from its observations"));
    setFocusProxy(label_);
    setVisible(false);
}

void ReadoutPanel::showLines(const QStringList& lines)
{
    const QString spoken = lines.join(QStringLiteral("; "));
    if (spoken != label_->accessibleName()) {
        // Each system's line wraps as a whole: its own spaces do not break.
        QStringList shown;
        for (const QString& line : lines)
            shown << QString(line).replace(QLatin1Char(' '), QChar::Nbsp);
        label_->setText(shown.join(QStringLiteral("    ")));
        label_->setAccessibleName(spoken);
    }
    setVisible(!lines.isEmpty());
}

QString ReadoutPanel::spokenText() const { return label_->accessibleName(); }

QSize ReadoutPanel::sizeHint() const { return label_->sizeHint(); }

QSize ReadoutPanel::minimumSizeHint() const { return label_->minimumSizeHint(); }

int ReadoutPanel::heightForWidth(int width) const { return label_->heightForWidth(width); }

// The label's new text asks its parent, which has no layout, for a layout pass: the window
// lays out again only when the text needs another height.
bool ReadoutPanel::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        if (heightForWidth(width()) != laidOutHeight_)
            updateGeometry();
        return true;
    }
    return QWidget::event(event);
}

void ReadoutPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    label_->setGeometry(rect());
    laidOutHeight_ = height();
}
