#pragma once
// The error of one system against its matched trail at one moment, as the error readout
// shows it: model minus observed longitude now (only while the moment lies within the
// observations) and the root mean square over the observations so far, in degrees.
#include <cstdint>
#include <optional>
#include <string>

struct MatchError {
    std::string name;
    std::optional<double> nowDegrees; // in (-180, 180]
    double rmsDegrees = 0;
    std::int32_t count = 0; // the observations so far (time at or before the moment)

    // One line, in the user's language, e.g. "Mars: model − observed +0.42°, RMS 0.31°":
    // two decimals, the sign of the error always shown (a minus as U+2212, and + for an error
    // that rounds to zero). Before the first observation and after the last the line says so.
    std::string text() const;
};
