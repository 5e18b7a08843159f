#include "ObservationFile.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace {

// Stores the text of one child of an Observation under its name; unknown names are skipped.
void readReadingValue(QXmlStreamReader& reader, ObservationFile::Reading& reading)
{
    const QString name = reader.name().toString();
    const double value = reader.readElementText().toDouble();
    if (name == "x")
        reading.x = value;
    else if (name == "y")
        reading.y = value;
    else if (name == "az")
        reading.az = value;
    else if (name == "el")
        reading.el = value;
    else if (name == "t")
        reading.t = value;
}

ObservationFile::Reading readReading(QXmlStreamReader& reader)
{
    ObservationFile::Reading reading;
    while (reader.readNextStartElement())
        readReadingValue(reader, reading);
    return reading;
}

} // namespace

ObservationFile ObservationFile::parse(const std::string& text)
{
    ObservationFile file;
    QXmlStreamReader reader(QByteArray::fromStdString(text));
    if (!reader.readNextStartElement() || reader.name() != QStringLiteral("ObservationTrail")) {
        file.error = "no ObservationTrail element";
        return file;
    }
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        if (name == "Observation")
            file.readings.push_back(readReading(reader));
        else if (name == "startYear")
            file.startYear = reader.readElementText().toInt();
        else if (name == "endYear")
            file.endYear = reader.readElementText().toInt();
        else if (name == "numObservations")
            file.numObservations = reader.readElementText().toInt();
        else
            reader.skipCurrentElement();
    }
    while (!reader.atEnd())
        reader.readNext();
    file.wellFormed = !reader.hasError();
    if (reader.hasError())
        file.error = reader.errorString().toStdString();
    return file;
}
