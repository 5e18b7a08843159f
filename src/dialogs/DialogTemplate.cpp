#include "dialogs/DialogTemplate.h"

#include <QXmlStreamReader>

#include <array>
#include <utility>

namespace dialogs {

namespace {

    struct KindName {
        const char* name;
        ControlKind kind;
    };

    const std::array<KindName, 9> kKindNames = { {
        { "DEFPUSHBUTTON", ControlKind::DefaultPushButton },
        { "PUSHBUTTON", ControlKind::PushButton },
        { "AUTOCHECKBOX", ControlKind::CheckBox },
        { "AUTORADIOBUTTON", ControlKind::RadioButton },
        { "GROUPBOX", ControlKind::GroupBox },
        { "LTEXT", ControlKind::Label },
        { "EDITTEXT", ControlKind::Edit },
        { "LISTBOX", ControlKind::ListBox },
        { "COMBOBOX", ControlKind::ComboBox },
    } };

    std::optional<ControlKind> kindNamed(const QString& name)
    {
        for (const KindName& entry : kKindNames) {
            if (name == QLatin1String(entry.name))
                return entry.kind;
        }
        return std::nullopt;
    }

    // The format writes every attribute; a missing one makes the template unusable.
    std::optional<QString> textAttribute(const QXmlStreamAttributes& attributes, const char* name)
    {
        if (!attributes.hasAttribute(QLatin1String(name)))
            return std::nullopt;
        return attributes.value(QLatin1String(name)).toString();
    }

    std::optional<int> numberAttribute(const QXmlStreamAttributes& attributes, const char* name)
    {
        const std::optional<QString> text = textAttribute(attributes, name);
        if (!text)
            return std::nullopt;
        bool ok = false;
        const int value = text->toInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        return value;
    }

    std::optional<QRect> rectAttributes(const QXmlStreamAttributes& attributes)
    {
        const auto x = numberAttribute(attributes, "x");
        const auto y = numberAttribute(attributes, "y");
        const auto width = numberAttribute(attributes, "width");
        const auto height = numberAttribute(attributes, "height");
        if (!x || !y || !width || !height)
            return std::nullopt;
        return QRect(*x, *y, *width, *height);
    }

    std::vector<std::string> styleNames(const QString& joined)
    {
        std::vector<std::string> names;
        for (const QString& name : joined.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            names.push_back(name.trimmed().toStdString());
        return names;
    }

    // Template text is kept in UTF-8, the encoding it is shown from (platform::displayText).
    std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

    std::optional<ControlTemplate> readControl(const QXmlStreamAttributes& attributes)
    {
        const auto id = numberAttribute(attributes, "id");
        const auto kindName = textAttribute(attributes, "kind");
        const auto text = textAttribute(attributes, "text");
        const auto rect = rectAttributes(attributes);
        const auto styles = textAttribute(attributes, "styles");
        if (!id || !kindName || !text || !rect || !styles)
            return std::nullopt;
        const std::optional<ControlKind> kind = kindNamed(*kindName);
        if (!kind)
            return std::nullopt;
        return ControlTemplate { *id, *kind, utf8(*text), *rect, styleNames(*styles) };
    }

} // namespace

std::optional<DialogTemplate> DialogTemplate::parse(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("Dialog"))
        return std::nullopt;
    const QXmlStreamAttributes attributes = reader.attributes();
    const auto name = textAttribute(attributes, "name");
    const auto caption = textAttribute(attributes, "caption");
    const auto rect = rectAttributes(attributes);
    const auto styles = textAttribute(attributes, "styles");
    if (!name || !caption || !rect || !styles)
        return std::nullopt;

    DialogTemplate result;
    result.name_ = utf8(*name);
    result.caption_ = utf8(*caption);
    result.position_ = rect->topLeft();
    result.size_ = rect->size();
    result.styles_ = styleNames(*styles);
    result.fontFamily_ = utf8(textAttribute(attributes, "font").value_or(QString()));
    result.pointSize_ = numberAttribute(attributes, "pointSize").value_or(0);

    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("Control"))
            return std::nullopt;
        std::optional<ControlTemplate> control = readControl(reader.attributes());
        if (!control)
            return std::nullopt;
        result.controls_.push_back(std::move(*control));
        reader.skipCurrentElement();
    }
    if (reader.hasError())
        return std::nullopt;
    return result;
}

} // namespace dialogs
