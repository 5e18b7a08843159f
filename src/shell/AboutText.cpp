#include "shell/AboutText.h"

std::string aboutText()
{
    return std::string("Skyloom Simulator ") + SKYLOOM_VERSION
        + "\n\nA teaching simulator of the sky: build Ptolemy's systems of cycles (deferents, "
          "epicycles, eccentrics and equants), run them and fit them to observations.\n\n"
          "Licence: MIT (see LICENSE).\n"
          "Credits: the Skyloom developers; built with Qt and pugixml.";
}
