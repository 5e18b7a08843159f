#include "dialogs/ControlFactory.h"

#include "dialogs/GroupFrameStyle.h"
#include "platform/DisplayText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace dialogs {

namespace {

    // The property of a control that holds the bytes of its text.
    constexpr const char* kTextBytes = "skyloomTextBytes";

    QWidget* makePushButton(const ControlTemplate& control, QWidget* parent)
    {
        auto* button = new QPushButton(platform::displayText(control.text), parent);
        button->setDefault(control.kind == ControlKind::DefaultPushButton);
        return button;
    }

    QWidget* makeLabel(const ControlTemplate& control, QWidget* parent)
    {
        auto* label = new QLabel(platform::displayText(control.text), parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }

    QWidget* makeEdit(const ControlTemplate& control, QWidget* parent)
    {
        auto* edit = new QLineEdit(platform::displayText(control.text), parent);
        edit->setReadOnly(control.hasStyle("ES_READONLY"));
        edit->setFrame(control.hasStyle("WS_BORDER"));
        return edit;
    }

    QWidget* makeListBox(const ControlTemplate& control, QWidget* parent)
    {
        auto* list = new QListWidget(parent);
        // Rows stay where the dialog puts them; LBS_SORT only guides addListItem.
        list->setSortingEnabled(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(
            control.hasStyle("WS_VSCROLL") ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        if (!control.hasStyle("WS_BORDER"))
            list->setFrameShape(QFrame::NoFrame);
        return list;
    }

    QWidget* makeGroupBox(const ControlTemplate& control, QWidget* parent)
    {
        auto* box = new QGroupBox(platform::displayText(control.text), parent);
        box->setStyle(GroupFrameStyle::instance());
        return box;
    }

    QWidget* makeWidget(const ControlTemplate& control, QWidget* parent)
    {
        switch (control.kind) {
        case ControlKind::DefaultPushButton:
        case ControlKind::PushButton:
            return makePushButton(control, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(platform::displayText(control.text), parent);
        case ControlKind::RadioButton:
            return new QRadioButton(platform::displayText(control.text), parent);
        case ControlKind::GroupBox:
            return makeGroupBox(control, parent);
        case ControlKind::Label:
            return makeLabel(control, parent);
        case ControlKind::Edit:
            return makeEdit(control, parent);
        case ControlKind::ListBox:
            return makeListBox(control, parent);
        case ControlKind::ComboBox:
            return new QComboBox(parent);
        }
        return nullptr;
    }

    // A drop-down list's template height covers the field and its opened list; the
    // field itself is as high as the font needs, the rest sets how many rows drop down.
    void fitComboBox(QComboBox* combo, const QRect& templateRect)
    {
        const int fieldHeight = combo->sizeHint().height();
        const int rowHeight = std::max(1, combo->fontMetrics().height());
        combo->setMaxVisibleItems(std::max(1, (templateRect.height() - fieldHeight) / rowHeight));
        combo->setGeometry(templateRect.x(), templateRect.y(), templateRect.width(), fieldHeight);
    }

    // A one-line label whose text is wider in this desktop's font than in the template's
    // runs on to the right (within the dialog) instead of wrapping into a second line that
    // its height would cut off.
    void fitLabel(QLabel* label, const QRect& templateRect)
    {
        const QFontMetrics metrics(label->font());
        const bool oneLine = templateRect.height() < 2 * metrics.lineSpacing();
        const int textWidth = metrics.horizontalAdvance(label->text()) + 2;
        const QWidget* dialog = label->parentWidget();
        const int room = dialog ? dialog->width() - templateRect.x() : textWidth;
        if (!oneLine || textWidth <= templateRect.width() || textWidth > room) {
            label->setGeometry(templateRect);
            return;
        }
        label->setWordWrap(false);
        label->setGeometry(templateRect.x(), templateRect.y(), textWidth, templateRect.height());
    }

    void setFocusPolicy(const ControlTemplate& control, QWidget* widget)
    {
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::Label) {
            widget->setFocusPolicy(Qt::NoFocus);
            // Frames and labels let clicks through to the controls they surround.
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            return;
        }
        // Tab reaches every control that takes input, whether or not its template marks it
        // WS_TABSTOP: the templates leave the mark off most fields, which the platform's
        // resource compiler used to add by itself.
        widget->setFocusPolicy(Qt::StrongFocus);
    }

} // namespace

QString showText(QObject* control, const std::string& bytes)
{
    control->setProperty(kTextBytes, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return platform::displayText(bytes);
}

std::string keptText(const QObject* control, const QString& shown)
{
    return platform::storedText(shown, control->property(kTextBytes).toByteArray().toStdString());
}

QWidget* createControlWidget(const ControlTemplate& control, const DialogUnits& units, QWidget* parent)
{
    QWidget* const widget = makeWidget(control, parent);
    showText(widget, control.text);
    const QRect rect = units.toPixels(control.rect);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        fitComboBox(combo, rect);
    else if (auto* label = qobject_cast<QLabel*>(widget); label && control.kind == ControlKind::Label)
        fitLabel(label, rect);
    else
        widget->setGeometry(rect);
    setFocusPolicy(control, widget);
    // Group boxes are drawn first, whatever their place in the template, so that the
    // frames stay behind the controls they hold.
    if (control.kind == ControlKind::GroupBox)
        widget->lower();
    return widget;
}

} // namespace dialogs
