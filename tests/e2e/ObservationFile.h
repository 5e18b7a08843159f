#pragma once
// An observation trail file (.obs) as an outside reader sees it: parsed with Qt's own XML
// reader, independent of the program's parser.
#include <string>
#include <vector>

struct ObservationFile {
    struct Reading {
        double x = 0, y = 0, az = 0, el = 0, t = 0;
    };

    bool wellFormed = false; // the text parsed as XML with the ObservationTrail root
    std::string error; // why not, when it did not
    int startYear = 0;
    int endYear = 0;
    int numObservations = -1;
    std::vector<Reading> readings;

    static ObservationFile parse(const std::string& text);
};
