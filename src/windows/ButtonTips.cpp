#include "windows/ButtonTips.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char*, const char*>, 18> kTips { {
    { "Restart", QT_TRANSLATE_NOOP("ButtonTips", "Start the model again from time 0") },
    { "Init", QT_TRANSLATE_NOOP("ButtonTips", "Start the model again from time 0") },
    { "Pause", QT_TRANSLATE_NOOP("ButtonTips", "Stop the model's time") },
    { "Resume", QT_TRANSLATE_NOOP("ButtonTips", "Let the model's time run on") },
    { "Load", QT_TRANSLATE_NOOP("ButtonTips", "Open a file in place of what this window shows") },
    { "Save", QT_TRANSLATE_NOOP("ButtonTips", "Save the systems of cycles to a universe file (.ptu)") },
    { "Random", QT_TRANSLATE_NOOP("ButtonTips", "Replace every system by random cycles") },
    { "Edit", QT_TRANSLATE_NOOP("ButtonTips", "Edit the systems and their cycles") },
    { "Star Like", QT_TRANSLATE_NOOP("ButtonTips", "Watch an object that moves like a star") },
    { "Sun Like", QT_TRANSLATE_NOOP("ButtonTips", "Watch an object that moves like the Sun") },
    { "Planet Like", QT_TRANSLATE_NOOP("ButtonTips", "Watch an object that moves like a planet") },
    { "Comet Like", QT_TRANSLATE_NOOP("ButtonTips", "Watch an object that moves like a comet") },
    { "Take Reading", QT_TRANSLATE_NOOP("ButtonTips", "Record where the object is now") },
    { "Publish", QT_TRANSLATE_NOOP("ButtonTips", "Save the readings as a trail file (.obs) for the other windows") },
    { "Update Obs", QT_TRANSLATE_NOOP("ButtonTips", "Show the latest published readings") },
    { "Sync", QT_TRANSLATE_NOOP("ButtonTips", "Give every window of this picture the source's placement again") },
    { "xAlign", QT_TRANSLATE_NOOP("ButtonTips", "Change how the picture is placed across the window") },
    { "yAlign", QT_TRANSLATE_NOOP("ButtonTips", "Change how the picture is placed up and down the window") },
} };

} // namespace

QString buttonTip(const std::string& label)
{
    for (const auto& [name, tip] : kTips)
        if (label == name)
            return QCoreApplication::translate("ButtonTips", tip);
    return {};
}
