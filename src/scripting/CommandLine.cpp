#include "scripting/CommandLine.h"

#include "platform/DataPath.h"
#include "scripting/ScriptStep.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace {

bool parseMilliseconds(const std::string& text, int& value)
{
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= 0;
}

std::string joinWords(std::vector<std::string>::const_iterator first, std::vector<std::string>::const_iterator last)
{
    std::string joined;
    for (auto word = first; word != last; ++word) {
        if (word != first)
            joined += ' ';
        joined += *word;
    }
    return joined;
}

bool isOptionWord(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

// --record SECONDS PATH: its two values from the next arguments.
bool applyRecordOption(CommandLine& line, const ScriptingProgram& program,
    std::vector<std::string>::const_iterator& next, std::vector<std::string>::const_iterator end)
{
    if (end - next < 2) {
        line.error = program.name + ": option '--record' needs a number of seconds and a path (try --help)";
        return false;
    }
    const std::string seconds = *next++;
    const std::optional<double> length = parseRecordingSeconds(seconds);
    if (!length) {
        line.error = program.name + ": --record needs a number of seconds above 0 and at most "
            + std::to_string(static_cast<int>(kLongestRecordingSeconds)) + ", not '" + seconds + "'";
        return false;
    }
    line.recordSeconds = *length;
    line.recordPath = *next++;
    return true;
}

// Applies option `word`, taking its value from the next argument when it needs one.
// Returns false and sets the error when the option is unknown or its value is missing or bad.
bool applyOption(CommandLine& line, const ScriptingProgram& program, const std::string& word,
    std::vector<std::string>::const_iterator& next, std::vector<std::string>::const_iterator end)
{
    bool* const flag = word == "--help"           ? &line.help
        : word == "--version"                     ? &line.version
        : word == "--batch"                       ? &line.batch
        : word == "--demo" && program.hasDemoMode ? &line.demo
                                                  : nullptr;
    if (flag) {
        *flag = true;
        return true;
    }
    if (word == "--record" && program.hasRecordOption)
        return applyRecordOption(line, program, next, end);
    const bool takesValue = word == "--script" || word == "--screenshot" || word == "--quit-after";
    if (!takesValue) {
        line.error = program.name + ": unknown option '" + word + "' (try --help)";
        return false;
    }
    if (next == end) {
        line.error = program.name + ": option '" + word + "' needs a value (try --help)";
        return false;
    }
    const std::string value = *next++;
    if (word == "--script") {
        line.scriptPath = value;
    } else if (word == "--screenshot") {
        line.screenshotPath = value;
    } else {
        int milliseconds = 0;
        if (!parseMilliseconds(value, milliseconds)) {
            line.error = program.name + ": --quit-after needs a number of milliseconds, not '" + value + "'";
            return false;
        }
        line.quitAfterMilliseconds = milliseconds;
    }
    return true;
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments, const ScriptingProgram& program)
{
    CommandLine line;
    auto next = arguments.cbegin();
    while (next != arguments.cend()) {
        const std::string word = *next;
        if (word == "--") {
            ++next;
            break;
        }
        if (!isOptionWord(word))
            break;
        ++next;
        if (!applyOption(line, program, word, next, arguments.cend()))
            return line;
    }
    line.tail = joinWords(next, arguments.cend());
    return line;
}

std::optional<int> CommandLine::finishAfterMilliseconds() const
{
    if (quitAfterMilliseconds)
        return quitAfterMilliseconds;
    if (!screenshotPath.empty())
        return kDefaultScreenshotDelayMilliseconds;
    return std::nullopt;
}

bool CommandLine::isUnattended() const
{
    return usesBatchMode() || finishAfterMilliseconds().has_value() || !recordPath.empty();
}

std::optional<double> parseRecordingSeconds(const std::string& text)
{
    double seconds = 0.0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(seconds) || seconds <= 0.0
        || seconds > kLongestRecordingSeconds)
        return std::nullopt;
    return seconds;
}

std::string resolveLayoutArgument(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return path;
    return platform::resolveStartPath(path);
}

std::string optionsHelp(const ScriptingProgram& program, const std::string& grabbed)
{
    return std::string("Options:\n"
                       "  --help             show this help and exit\n"
                       "  --version          show the version and exit\n"
                       "  --batch            messages go to standard error; file dialogs answer Cancel\n"
                       "                     unless a script answers them\n")
        + (program.hasDemoMode ? "  --demo             start the demonstration mode (a new layout every second)\n" : "")
        + "  --script FILE      run the steps of FILE, one a line (implies --batch):\n" + scriptStepsHelp(program)
        + "  --screenshot PATH  grab " + grabbed + " to a PNG file, then quit\n"
        + "                     (after --quit-after, else after 2000 ms)\n"
        + (program.hasRecordOption ? "  --record SECONDS PATH\n"
                                     "                     record the whole layout for SECONDS seconds as an\n"
                                     "                     animated GIF, then quit (not before --quit-after)\n"
                                   : "")
        + "  --quit-after MS    quit after MS milliseconds\n";
}
