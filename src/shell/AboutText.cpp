#include "shell/AboutText.h"

#include <QCoreApplication>

std::string aboutText()
{
    return QCoreApplication::translate("AboutText",
        "Skyloom Simulator %1\n\nA teaching simulator of the sky: build Ptolemy's systems of cycles (deferents, "
        "epicycles, eccentrics and equants), run them and fit them to observations.\n\n"
        "Licence: MIT (see LICENSE).\n"
        "Credits: the Skyloom developers; built with Qt and pugixml.")
        .arg(QStringLiteral(SKYLOOM_VERSION))
        .toStdString();
}
