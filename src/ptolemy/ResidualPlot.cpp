#include "ptolemy/ResidualPlot.h"

#include "raster/DeviceContext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr ColourRef kZeroColour = makeColour(120, 120, 120);
constexpr ColourRef kGridColour = makeColour(215, 215, 215);
constexpr ColourRef kLabelColour = makeColour(90, 90, 90);
constexpr ColourRef kMarkerColour = makeColour(255, 150, 0);
// The scale reaches the first of these at or above the largest error.
constexpr std::array<double, 11> kRoundLimits = { 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 180 };
constexpr int kDotHalfSize = 1;
constexpr int kMarkerDotHalfSize = 3;
constexpr int kLabelGap = 4;
constexpr int kYearLabelGap = 6;
// A minus sign (U+2212) and a degree sign, in UTF-8.
constexpr const char* kMinus = "\xE2\x88\x92";
constexpr const char* kDegree = "\xC2\xB0";

double roundLimit(double largest)
{
    for (const double limit : kRoundLimits)
        if (largest <= limit)
            return limit;
    return kRoundLimits.back();
}

void selectColour(raster::DeviceContext& context, ColourRef colour)
{
    context.selectPen(raster::Pen { colour });
    context.selectBrush(raster::Brush { colour, false });
}

void drawDot(raster::DeviceContext& context, int x, int y, int halfSize)
{
    context.ellipse(x - halfSize, y - halfSize, x + halfSize + 1, y + halfSize + 1);
}

} // namespace

ResidualPlot::ResidualPlot(const raster::DeviceContext& context, int width, int height, double firstTime,
    double lastTime, double largestDegrees)
    : width_(width)
    , height_(height)
    , firstTime_(firstTime)
    , lastTime_(lastTime > firstTime ? lastTime : firstTime + 1e-9)
    , limit_(roundLimit(std::isfinite(largestDegrees) ? largestDegrees : kRoundLimits.back()))
    // Room for the title and, below it, the upper half of the top label of the scale.
    , top_(context.lineHeight() + context.lineHeight() / 2 + kLabelGap)
    , left_(std::max(context.textWidth(scaleLabel(limit_)), context.textWidth(scaleLabel(-limit_))) + 2 * kLabelGap)
    , bottom_(std::max(top_ + 1, height_ - context.lineHeight() - kBottomMargin))
{
}

int ResidualPlot::x(double t) const
{
    const int usable = std::max(width_ - left_ - kSideMargin, 1);
    return left_ + static_cast<int>(std::lround((t - firstTime_) / (lastTime_ - firstTime_) * usable));
}

int ResidualPlot::y(double degrees) const
{
    const double clamped = std::clamp(degrees, -limit_, limit_);
    return top_ + static_cast<int>(std::lround((limit_ - clamped) / (2 * limit_) * (bottom_ - top_)));
}

std::string ResidualPlot::scaleLabel(double degrees) const
{
    char number[32];
    std::snprintf(number, sizeof number, "%g", std::fabs(degrees));
    const char* sign = degrees > 0 ? "+" : (degrees < 0 ? kMinus : "");
    return std::string(sign) + number + kDegree;
}

void ResidualPlot::drawFrame(raster::DeviceContext& context, const std::string& title, std::int32_t startYear) const
{
    const raster::Pen previousPen = context.pen();
    context.setTextColour(kLabelColour);
    context.setTextBackground(false);
    context.textOut(kSideMargin, 1, title);
    drawYears(context, startYear);
    context.selectPen(raster::Pen { kZeroColour });
    context.moveTo(left_, top_);
    context.lineTo(left_, bottom_);
    context.moveTo(left_, y(0));
    context.lineTo(x(lastTime_), y(0));
    const int halfLine = context.lineHeight() / 2;
    for (const double degrees : { limit_, 0.0, -limit_ }) {
        const std::string label = scaleLabel(degrees);
        context.textOut(left_ - kLabelGap - context.textWidth(label),
            std::clamp(y(degrees) - halfLine, 0, std::max(height_ - context.lineHeight(), 0)), label);
        context.moveTo(left_ - kLabelGap / 2, y(degrees));
        context.lineTo(left_, y(degrees));
    }
    context.selectPen(previousPen);
}

// A line at the start of each calendar year within the span, labelled below the plot where
// the label has room.
void ResidualPlot::drawYears(raster::DeviceContext& context, std::int32_t startYear) const
{
    context.selectPen(raster::Pen { kGridColour });
    int freeFrom = 0;
    for (double year = std::ceil(firstTime_); year <= lastTime_; ++year) {
        const int column = x(year);
        context.moveTo(column, top_);
        context.lineTo(column, bottom_);
        if (startYear == 0)
            continue;
        const std::string label = std::to_string(startYear + static_cast<std::int32_t>(year));
        const int labelX = column - context.textWidth(label) / 2;
        if (labelX < freeFrom || labelX + context.textWidth(label) > width_)
            continue;
        context.textOut(labelX, bottom_ + 1, label);
        freeFrom = labelX + context.textWidth(label) + kYearLabelGap;
    }
}

void ResidualPlot::drawSeries(raster::DeviceContext& context, const Series& series) const
{
    const raster::Pen previousPen = context.pen();
    const raster::Brush previousBrush = context.brush();
    selectColour(context, series.colour);
    std::vector<raster::Point> points;
    for (std::size_t i = 0; i < series.t.size() && i < series.degrees.size(); ++i)
        if (showsTime(series.t[i]) && std::isfinite(series.degrees[i]))
            points.push_back(raster::Point { x(series.t[i]), y(series.degrees[i]) });
    context.polyline(points.data(), points.size());
    for (const raster::Point& point : points)
        drawDot(context, point.x, point.y, kDotHalfSize);
    context.selectPen(previousPen);
    context.selectBrush(previousBrush);
}

void ResidualPlot::drawMarker(raster::DeviceContext& context, double t, const std::vector<double>& degrees) const
{
    if (!showsTime(t))
        return;
    const raster::Pen previousPen = context.pen();
    const raster::Brush previousBrush = context.brush();
    selectColour(context, kMarkerColour);
    const int column = x(t);
    context.moveTo(column, top_);
    context.lineTo(column, bottom_);
    for (const double error : degrees)
        if (std::isfinite(error))
            drawDot(context, column, y(error), kMarkerDotHalfSize);
    context.selectPen(previousPen);
    context.selectBrush(previousBrush);
}
