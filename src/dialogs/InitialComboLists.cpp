#include "dialogs/InitialComboLists.h"

#include "platform/ResourceLibrary.h"

#include <QXmlStreamReader>

namespace dialogs {

namespace {

    std::vector<std::string> readItems(QXmlStreamReader& reader)
    {
        std::vector<std::string> items;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("Item"))
                items.push_back(reader.readElementText().toUtf8().toStdString());
            else
                reader.skipCurrentElement();
        }
        return items;
    }

} // namespace

InitialComboLists InitialComboLists::load(const platform::ResourceLibrary* library, const std::string& dialogName)
{
    return library ? parse(library->comboLists(dialogName)) : InitialComboLists();
}

InitialComboLists InitialComboLists::parse(const QByteArray& xml)
{
    InitialComboLists result;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("DialogInit"))
        return result;
    while (reader.readNextStartElement()) {
        bool ok = false;
        const int id = reader.attributes().value(QLatin1String("id")).toInt(&ok);
        if (reader.name() == QLatin1String("ComboList") && ok)
            result.lists_[id] = readItems(reader);
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError())
        return InitialComboLists();
    return result;
}

} // namespace dialogs
