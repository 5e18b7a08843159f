#include "host/LessonScreen.h"

#include "display/DisplayManager.h"
#include "display/ImageSourceCollection.h"
#include "imagesource/ClockDrivenSource.h"
#include "platform/DataPath.h"
#include "platform/FileBytes.h"
#include "platform/HandlerScope.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseFile.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>

namespace {

constexpr const char* kUniverseType = "PtolemyUniverse";

ImageSource* sourceAt(DisplayManager& manager, int collection)
{
    const ImageSourceCollection* const found = manager.committedCollection(collection);
    ImageSource* source = nullptr;
    return found && SUCCEEDED(found->getSource(&source)) ? source : nullptr;
}

// The systems a lesson keeps for a universe, parsed; the problem when they do not read.
bool readSystems(const std::string& text, XmlDocument& document, UniverseFileReport& report)
{
    if (FAILED(document.loadText(text, "Systems", 0))) {
        report.problem = document.loadFailureText();
        return false;
    }
    return SUCCEEDED(ReadUniverseSystems(
        document, [](UniverseSystem&) {}, &report));
}

} // namespace

std::optional<Lesson> LessonScreen::capture(DisplayManager& manager, std::string& problem)
{
    Lesson lesson;
    lesson.layoutPath = manager.pathOnScreen();
    const std::optional<std::string> text = lesson.layoutPath.empty()
        ? std::nullopt
        : platform::readFileBytes(platform::resolveDataPath(lesson.layoutPath));
    if (!text) {
        problem
            = (lesson.layoutPath.empty() ? QCoreApplication::translate("LessonScreen", "no layout is on screen")
                                         : QCoreApplication::translate("LessonScreen", "its layout %1 cannot be read")
                                               .arg(QString::fromStdString(lesson.layoutPath)))
                  .toStdString();
        return std::nullopt;
    }
    lesson.layoutText = *text;
    lesson.speed = manager.timeRate();
    lesson.held = manager.isHeld();
    if (!captureSources(manager, lesson, problem))
        return std::nullopt;
    return lesson;
}

bool LessonScreen::captureSources(DisplayManager& manager, Lesson& lesson, std::string& problem)
{
    for (std::int32_t index = 0; index < manager.committedCount(); ++index) {
        auto* const animated = dynamic_cast<ClockDrivenSource*>(sourceAt(manager, index));
        if (!animated)
            continue;
        Lesson::Source source { index, animated->modelTime(), animated->paused(), std::nullopt, {} };
        if (auto* const universe = dynamic_cast<PtolemyUniverse*>(animated)) {
            std::string systems;
            std::error_code error;
            if (FAILED(WriteUniverseText(*universe, systems, error))) {
                problem = error.message();
                return false;
            }
            source.systems = std::move(systems);
            source.shownFile = universe->ShownFile();
        }
        lesson.sources.push_back(std::move(source));
    }
    return true;
}

bool LessonScreen::show(DisplayManager& manager, const Lesson& lesson, std::string& problem)
{
    // A load would destroy the sources and windows that the open handler or dialog uses.
    if (platform::HandlerScope::active()) {
        problem = QCoreApplication::translate("LessonScreen", "close the open dialog first").toStdString();
        return false;
    }
    XmlDocument layout;
    if (FAILED(layout.loadText(lesson.layoutText, lesson.layoutPath.c_str(), 0))) {
        problem = QCoreApplication::translate("LessonScreen", "its layout is not well-formed XML: %1")
                      .arg(QString::fromStdString(layout.loadFailureText()))
                      .toStdString();
        return false;
    }
    if (!checkSources(lesson, layout, problem) || !applyLayout(manager, lesson, layout, problem))
        return false;
    applySources(manager, lesson);
    return true;
}

std::vector<std::string> LessonScreen::sourceTypes(XmlDocument& layout)
{
    std::vector<std::string> types;
    if (FAILED(layout.select("Layout/ImageSourceCollection")))
        return types;
    for (; layout.getSelected(); layout.next()) {
        std::string type;
        layout.readSelectedText("ImageSource/type", type);
        types.push_back(type);
    }
    return types;
}

bool LessonScreen::checkSources(const Lesson& lesson, XmlDocument& layout, std::string& problem)
{
    const std::vector<std::string> types = sourceTypes(layout);
    for (const Lesson::Source& source : lesson.sources) {
        const auto at = static_cast<std::size_t>(source.index);
        const QString number = QString::number(source.index);
        if (source.index >= DisplayManager::kMaxImageSources || at >= types.size()) {
            problem
                = QCoreApplication::translate("LessonScreen", "its layout has no source %1").arg(number).toStdString();
            return false;
        }
        if (!source.systems)
            continue;
        if (types[at] != kUniverseType) {
            problem = QCoreApplication::translate("LessonScreen", "source %1 of its layout is no Ptolemy universe")
                          .arg(number)
                          .toStdString();
            return false;
        }
        XmlDocument systems;
        UniverseFileReport report;
        if (!readSystems(*source.systems, systems, report)) {
            problem = QCoreApplication::translate("LessonScreen", "the systems of source %1 are no universe file: %2")
                          .arg(number, QString::fromStdString(report.problem))
                          .toStdString();
            return false;
        }
    }
    return true;
}

bool LessonScreen::applyLayout(DisplayManager& manager, const Lesson& lesson, XmlDocument& layout, std::string& problem)
{
    const std::string previousPath = manager.getPath();
    manager.setPath(lesson.layoutPath.c_str());
    const HRESULT result = manager.apply(&layout, 1);
    manager.countLoad(result);
    if (SUCCEEDED(result))
        return true;
    manager.setPath(previousPath.c_str());
    problem = QCoreApplication::translate("LessonScreen", "its layout did not load").toStdString();
    return false;
}

// The pause first, so that a source held keeps the very moment it is moved to.
void LessonScreen::applySources(DisplayManager& manager, const Lesson& lesson)
{
    if (lesson.held)
        manager.holdAll(true);
    for (const Lesson::Source& source : lesson.sources) {
        auto* const animated = dynamic_cast<ClockDrivenSource*>(sourceAt(manager, source.index));
        if (!animated)
            continue;
        applySystems(manager, source);
        if (source.paused)
            animated->holdForScreen(true);
        animated->seekTo(source.time);
    }
    // The systems' observations may end elsewhere than those the layout named.
    manager.refreshStopTimes();
}

void LessonScreen::applySystems(DisplayManager& manager, const Lesson::Source& source)
{
    auto* const universe = dynamic_cast<PtolemyUniverse*>(sourceAt(manager, source.index));
    if (!universe || !source.systems)
        return;
    XmlDocument systems;
    UniverseFileReport report;
    if (FAILED(systems.loadText(*source.systems, "Systems", 0)))
        return;
    const HRESULT result = universe->ReplaceFromDocument(systems, &report);
    universe->SetShownFile(source.shownFile.c_str());
    if (!report.unmatched.empty() || report.systems > BodyList::kMaxBodies)
        PtolemyUniverse::ShowLoadReport(source.shownFile, report, SUCCEEDED(result));
}
