#pragma once
// The residual plot of a universe's matched systems: model minus observed longitude
// (degrees, up) against model time (right) over the span of the observations, with a zero
// line, a scale of degrees at the left, the calendar years along the bottom and a title;
// each system's errors at its observations as a line of dots, and a marker at the time shown.
//
// A value type made for one paint: the window's size, the span of time it shows and the
// largest error it must hold (the scale rounds it up to a round number of degrees).
#include "platform/Colour.h"
#include "ptolemy/LongitudeResiduals.h"

#include <cstdint>
#include <string>
#include <vector>

namespace raster {
class DeviceContext;
}

class ResidualPlot {
public:
    // One system's errors: at time t[i] the error degrees[i].
    struct Series {
        std::vector<double> t;
        std::vector<double> degrees;
        ColourRef colour = 0;
    };

    // What the plot of a universe shows: a series per matched system (and its observations,
    // for the error at the time shown), the span of time of their observations (0 to 1 without
    // any), the largest error among them and the calendar year in which their time t begins
    // (0: none).
    struct Contents {
        std::vector<Series> series;
        std::vector<LongitudeResiduals> longitudes;
        double firstTime = 0;
        double lastTime = 1;
        double largestDegrees = 0;
        std::int32_t startYear = 0;
    };

    static constexpr int kSideMargin = 6;
    static constexpr int kBottomMargin = 4;

    // A plot of width x height pixels; the context gives the text's size (margins for the labels).
    ResidualPlot(const raster::DeviceContext& context, int width, int height, double firstTime, double lastTime,
        double largestDegrees);

    // The round number of degrees the scale reaches, above and below zero.
    double limitDegrees() const { return limit_; }
    int x(double t) const;
    int y(double degrees) const;
    bool showsTime(double t) const { return t >= firstTime_ && t <= lastTime_; }
    // The band of text above the plot.
    int top() const { return top_; }

    // The title, the scale, the years (`startYear` + whole years of t; none when 0) and the zero line.
    void drawFrame(raster::DeviceContext& context, const std::string& title, std::int32_t startYear) const;
    void drawSeries(raster::DeviceContext& context, const Series& series) const;
    // A line across the plot at time t and, for each error given, a dot on it.
    void drawMarker(raster::DeviceContext& context, double t, const std::vector<double>& degrees) const;

private:
    // The scale's text at `degrees`, its sign shown.
    std::string scaleLabel(double degrees) const;
    void drawYears(raster::DeviceContext& context, std::int32_t startYear) const;

    int width_;
    int height_;
    double firstTime_;
    double lastTime_;
    double limit_;
    int top_;
    int left_;
    int bottom_; // the plot's lowest row
};
