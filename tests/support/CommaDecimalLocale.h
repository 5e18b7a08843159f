#pragma once
// Switches the whole process, for a scope, to a locale whose decimal point is a comma
// (de_DE.UTF-8 or a kin), so that a test can show that files never depend on it. When no
// such locale is installed, one is compiled with localedef into a folder under the
// system's temporary folder (kept for later test processes) and found through LOCPATH.
// active() is false only when neither works.
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>

namespace testing_support {

class CommaDecimalLocale {
public:
    CommaDecimalLocale()
    {
        const char* current = std::setlocale(LC_ALL, nullptr);
        previous_ = current != nullptr ? current : "C";
        if (const char* locpath = std::getenv("LOCPATH"))
            previousLocpath_ = locpath;
        active_ = switchToComma() || (compiledLocaleFolder() && switchToComma());
    }
    ~CommaDecimalLocale()
    {
        std::setlocale(LC_ALL, previous_.c_str());
        if (previousLocpath_)
            setenv("LOCPATH", previousLocpath_->c_str(), 1);
        else
            unsetenv("LOCPATH");
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return active_; }

private:
    static bool switchToComma()
    {
        for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8" }) {
            if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',')
                return true;
        }
        return false;
    }

    // Compiles de_DE.UTF-8 once into <temp>/skyloom-test-locales (into a folder of this
    // process's first, renamed into place, so that test processes running side by side
    // never see half a locale) and points LOCPATH there.
    static bool compiledLocaleFolder()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path folder = fs::temp_directory_path() / "skyloom-test-locales";
        const fs::path locale = folder / "de_DE.UTF-8";
        if (!fs::exists(locale / "LC_NUMERIC", error)) {
            const fs::path scratch = folder / ("building-" + std::to_string(::getpid()));
            fs::create_directories(scratch, error);
            const std::string command
                = "localedef -i de_DE -f UTF-8 '" + (scratch / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) != -1 && fs::exists(scratch / "de_DE.UTF-8" / "LC_NUMERIC", error))
                fs::rename(scratch / "de_DE.UTF-8", locale, error);
            fs::remove_all(scratch, error);
        }
        if (!fs::exists(locale / "LC_NUMERIC", error))
            return false;
        setenv("LOCPATH", folder.c_str(), 1);
        return true;
    }

    std::string previous_;
    std::optional<std::string> previousLocpath_;
    bool active_ = false;
};

} // namespace testing_support
