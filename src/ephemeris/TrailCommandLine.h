#pragma once
// The command line of skyloom-trail:
//   skyloom-trail --body NAME --from YYYY-MM-DD --to YYYY-MM-DD [--step DAYS] [--output FILE]
// and --help, --version. Every mistake is one line naming what is wrong.
#include "ephemeris/TrailRequest.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class TrailCommandLine {
public:
    static constexpr int kUsageErrorExitCode = 2;

    // Reads the words after the program's name.
    static TrailCommandLine parse(const std::vector<std::string>& arguments);
    static std::string usage();

    bool help = false;
    bool version = false;
    std::optional<TrailRequest> request; // set when the observations can be made
    std::string error; // "skyloom-trail: ...", empty when the line is good

private:
    using OptionValues = std::map<std::string, std::string>;

    // Sorts the words into flags and option values; false after the first bad word.
    bool readWords(const std::vector<std::string>& arguments, OptionValues& values);
    // Checks each value by itself; every bad one is reported by fail.
    void readRequest(OptionValues& values);
    // Checks the values together (the order of the dates, the number of observations)
    // and keeps the request.
    void makeRequest(const SkyBody& body, const CalendarDate& from, const CalendarDate& to, double stepDays,
        const std::string& outputPath);
    // Keeps the first problem only: it is the one the user meets first on the line.
    void fail(const std::string& text);
};
