#pragma once
// Reading back the XML files a program wrote (lessons, SVG drawings) in tests.
#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <string>

namespace testing_support {

// Calls `visit(reader)` at each start element of the XML file at `path`, in document order;
// false when the file cannot be read or is not well-formed.
template <typename Visit> bool visitStartElements(const std::string& path, Visit visit)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            visit(reader);
    }
    return !reader.hasError();
}

} // namespace testing_support
