#include "documents/Lesson.h"

#include "xml/NumberText.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <pugixml.hpp>
#include <sstream>

namespace {

constexpr const char* kRoot = "SkyloomLesson";

// The shortest text that reads back as the same number, '.' whatever the locale.
std::string numberText(double value)
{
    char text[32];
    const std::to_chars_result written = std::to_chars(std::begin(text), std::end(text), value);
    return std::string(text, written.ptr);
}

std::string refusal(const char* why) { return QCoreApplication::translate("Lesson", why).toStdString(); }

std::optional<double> finiteNumber(const pugi::xml_attribute attribute)
{
    const std::optional<double> value = xmltext::toDoubleWhole(attribute.value());
    return value && std::isfinite(*value) ? value : std::nullopt;
}

std::optional<bool> flag(const pugi::xml_attribute attribute)
{
    const std::string text = attribute.value();
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

std::optional<std::int32_t> index(const pugi::xml_attribute attribute)
{
    const std::string text = attribute.value();
    std::int32_t value = 0;
    const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || read.ec != std::errc() || read.ptr != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

void writeSource(pugi::xml_node lesson, const Lesson::Source& source)
{
    pugi::xml_node element = lesson.append_child("Source");
    element.append_attribute("index") = source.index;
    element.append_attribute("time") = numberText(source.time).c_str();
    element.append_attribute("paused") = source.paused ? "1" : "0";
    if (source.systems) {
        pugi::xml_node systems = element.append_child("Systems");
        systems.append_attribute("shown") = source.shownFile.c_str();
        systems.text() = source.systems->c_str();
    }
}

bool readSource(const pugi::xml_node element, Lesson::Source& source, std::string& problem)
{
    const std::optional<std::int32_t> at = index(element.attribute("index"));
    const std::optional<double> time = finiteNumber(element.attribute("time"));
    const std::optional<bool> paused = flag(element.attribute("paused"));
    if (!at || !time || *time < 0 || !paused) {
        problem = refusal(QT_TRANSLATE_NOOP(
            "Lesson", "a source needs index (a whole number from 0), time (a number from 0) and paused (0 or 1)"));
        return false;
    }
    source.index = *at;
    source.time = *time;
    source.paused = *paused;
    if (const pugi::xml_node systems = element.child("Systems")) {
        source.systems = systems.text().as_string();
        source.shownFile = systems.attribute("shown").value();
    }
    return true;
}

bool readSources(const pugi::xml_node root, Lesson& lesson, std::string& problem)
{
    for (const pugi::xml_node element : root.children("Source")) {
        Lesson::Source source;
        if (!readSource(element, source, problem))
            return false;
        if (!lesson.sources.empty() && source.index <= lesson.sources.back().index) {
            problem = refusal(QT_TRANSLATE_NOOP("Lesson", "its sources are not in layout order"));
            return false;
        }
        lesson.sources.push_back(std::move(source));
    }
    return true;
}

bool readTime(const pugi::xml_node root, Lesson& lesson, std::string& problem)
{
    const pugi::xml_node time = root.child("Time");
    const std::optional<double> speed = finiteNumber(time.attribute("speed"));
    const std::optional<bool> held = flag(time.attribute("held"));
    if (!speed || *speed <= 0 || !held) {
        problem = refusal(QT_TRANSLATE_NOOP("Lesson", "it needs a Time with a speed above 0 and held (0 or 1)"));
        return false;
    }
    lesson.speed = *speed;
    lesson.held = *held;
    return true;
}

} // namespace

std::string Lesson::text() const
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    pugi::xml_node root = document.append_child(kRoot);
    root.append_attribute("version") = kVersion;
    pugi::xml_node layout = root.append_child("Layout");
    layout.append_attribute("path") = layoutPath.c_str();
    layout.text() = layoutText.c_str();
    pugi::xml_node time = root.append_child("Time");
    time.append_attribute("speed") = numberText(speed).c_str();
    time.append_attribute("held") = held ? "1" : "0";
    for (const Source& source : sources)
        writeSource(root, source);
    std::ostringstream text;
    document.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return text.str();
}

std::optional<Lesson> Lesson::read(const std::string& bytes, std::string& problem)
{
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size())) {
        problem = refusal(QT_TRANSLATE_NOOP("Lesson", "it is not well-formed XML"));
        return std::nullopt;
    }
    const pugi::xml_node root = document.document_element();
    if (std::string(root.name()) != kRoot || root.attribute("version").value() != std::to_string(kVersion)) {
        problem
            = refusal(QT_TRANSLATE_NOOP("Lesson", "it is not a lesson of this version (SkyloomLesson version=\"1\")"));
        return std::nullopt;
    }
    Lesson lesson;
    const pugi::xml_node layout = root.child("Layout");
    lesson.layoutPath = layout.attribute("path").value();
    lesson.layoutText = layout.text().as_string();
    if (lesson.layoutText.empty()) {
        problem = refusal(QT_TRANSLATE_NOOP("Lesson", "it holds no layout"));
        return std::nullopt;
    }
    if (!readTime(root, lesson, problem) || !readSources(root, lesson, problem))
        return std::nullopt;
    return lesson;
}
