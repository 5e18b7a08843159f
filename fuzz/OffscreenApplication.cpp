#include "OffscreenApplication.h"

#include <QApplication>

#include <cstdlib>

namespace fuzz {

void startOffscreenApplication()
{
    static int argc = 1;
    static char name[] = "skyloom-fuzz";
    static char* argv[] = { name, nullptr };
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication application(argc, argv);
}

} // namespace fuzz
