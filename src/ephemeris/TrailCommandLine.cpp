#include "ephemeris/TrailCommandLine.h"

#include "documents/ObservationTrail.h"
#include "platform/Text.h"

#include <charconv>
#include <cmath>

namespace {

constexpr double kDefaultStepDays = 5;
const char* const kValueOptions[] = { "--body", "--from", "--to", "--step", "--output" };
const char* const kRequiredOptions[] = { "--body", "--from", "--to" };

bool takesValue(const std::string& word)
{
    for (const char* option : kValueOptions)
        if (word == option)
            return true;
    return false;
}

// A positive, finite number of days written with a decimal point ("5", "0.5").
std::optional<double> parseDays(const std::string& text)
{
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

std::string dateProblem(const char* option, const std::string& text)
{
    return std::string(option) + " needs a date YYYY-MM-DD of the years " + std::to_string(CalendarDate::kFirstYear)
        + " to " + std::to_string(CalendarDate::kLastYear) + ", not '" + text + "'";
}

} // namespace

TrailCommandLine TrailCommandLine::parse(const std::vector<std::string>& arguments)
{
    TrailCommandLine line;
    OptionValues values;
    if (line.readWords(arguments, values) && !line.help && !line.version)
        line.readRequest(values);
    return line;
}

bool TrailCommandLine::readWords(const std::vector<std::string>& arguments, OptionValues& values)
{
    for (auto word = arguments.cbegin(); word != arguments.cend(); ++word) {
        if (*word == "--help") {
            help = true;
        } else if (*word == "--version") {
            version = true;
        } else if (!takesValue(*word)) {
            fail("unknown option '" + *word + "' (try --help)");
            return false;
        } else if (word + 1 == arguments.cend()) {
            fail("option '" + *word + "' needs a value (try --help)");
            return false;
        } else {
            values[*word] = *(word + 1);
            ++word;
        }
    }
    return true;
}

void TrailCommandLine::readRequest(OptionValues& values)
{
    for (const char* option : kRequiredOptions)
        if (!values.contains(option))
            fail(std::string(option) + " is missing (try --help)");
    if (!error.empty())
        return;
    const SkyBody* body = findSkyBody(values["--body"]);
    if (!body)
        fail("unknown body '" + values["--body"] + "' (one of " + skyBodyNames() + ")");
    const std::optional<CalendarDate> from = CalendarDate::parse(values["--from"]);
    if (!from)
        fail(dateProblem("--from", values["--from"]));
    const std::optional<CalendarDate> to = CalendarDate::parse(values["--to"]);
    if (!to)
        fail(dateProblem("--to", values["--to"]));
    const std::optional<double> step = values.contains("--step") ? parseDays(values["--step"]) : kDefaultStepDays;
    if (!step)
        fail("--step needs a positive number of days, not '" + values["--step"] + "'");
    if (error.empty())
        makeRequest(*body, *from, *to, *step, values["--output"]);
}

void TrailCommandLine::makeRequest(const SkyBody& body, const CalendarDate& from, const CalendarDate& to,
    double stepDays, const std::string& outputPath)
{
    if (from.julianDay() > to.julianDay()) {
        fail("--from " + from.text() + " lies after --to " + to.text());
        return;
    }
    const TrailRequest made { body, from, to, stepDays, outputPath };
    if (made.recordCount() > ObservationTrail::kMaxFileObservations) {
        fail(from.text() + " to " + to.text() + platform::formatFileText(" every %g days", stepDays)
            + " needs more than the " + std::to_string(ObservationTrail::kMaxFileObservations)
            + " observations a trail holds (take a larger --step)");
        return;
    }
    request.emplace(made);
}

void TrailCommandLine::fail(const std::string& text)
{
    if (error.empty())
        error = "skyloom-trail: " + text;
}

std::string TrailCommandLine::usage()
{
    return "Usage: skyloom-trail --body NAME --from DATE --to DATE [--step DAYS] [--output FILE]\n"
           "Writes an observation trail (.obs) of a body's apparent geocentric ecliptic place,\n"
           "observed at 0h UT every DAYS days from one date on until another.\n"
           "\n"
           "Options:\n"
           "  --body NAME    "
        + skyBodyNames()
        + "\n"
          "  --from DATE    the first observation's date, YYYY-MM-DD\n"
          "  --to DATE      the last date that may be observed, YYYY-MM-DD\n"
          "  --step DAYS    days between observations (default 5); a trail holds at most "
        + std::to_string(ObservationTrail::kMaxFileObservations)
        + "\n"
          "  --output FILE  the trail file to write (default: standard output)\n"
          "  --help         show this help and exit\n"
          "  --version      show the version and exit\n";
}
