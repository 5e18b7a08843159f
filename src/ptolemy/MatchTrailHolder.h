#pragma once
// The observation trail a system of cycles is matched against, drawn as past,
// current and future observations. Base of PtolemyBody; the Kepler universe uses
// one on its own to plot a trail.
//
// Threading: used on the window thread (drawing, loading); the trail it holds is
// a private copy with its own lock.
// See docs/threads.md.
#include "documents/ObservationTrail.h"
#include "ptolemy/TraceLayer.h"
#include "raster/DeviceContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class MatchTrailHolder {
public:
    MatchTrailHolder() = default;
    virtual ~MatchTrailHolder() = default;
    MatchTrailHolder(const MatchTrailHolder& other);
    MatchTrailHolder& operator=(const MatchTrailHolder&) = delete;

    // Keeps a private copy of `trail`; null (or an empty trail) removes the match trail.
    virtual void SetMatchTrail(const ObservationTrail* trail);
    // Creates the three pens and brushes on the first call; later calls do nothing.
    virtual void CreateMatchPens(raster::DeviceContext& context);
    // Draws the trail around (cx, cy) at `scale` pixels per unit; returns the storage slot of
    // the current observation (the first within 0.01 of `now`), or -1.
    // `layer`: every observation but the current one stays (each changes only as time
    // passes it); the current one moves.
    virtual std::int32_t DrawMatchTrail(raster::DeviceContext& context, double now, std::int32_t cx, std::int32_t cy,
        double scale, TraceLayer layer = TraceLayer::Both);
    // What the observations that stay look like at `now`: 0 without a trail, else a value
    // that changes when their picture may.
    std::uint64_t MatchMarkersKey(double now) const;
    // The largest distance of a trail point from the origin, plus 5; 0 without a trail.
    virtual double MatchExtent() const;
    // The span of time of the trail's observations; false without any. Measured again only
    // when the trail changed.
    bool MatchTimeSpan(double& first, double& last) const;
    // How many observations lie before time t.
    std::int32_t ObservationsBefore(double t) const;
    // The observations' times in order, those without a time left out; sorted again only
    // when the trail changed.
    const std::vector<double>& SortedObservationTimes() const { return SortedTimes().sorted; }

    const ObservationTrail* matchTrail() const { return matchTrail_.get(); }
    const std::string& matchPath() const { return matchPath_; }
    void setMatchPath(const std::string& path) { matchPath_ = path; }

protected:
    std::unique_ptr<ObservationTrail> matchTrail_;
    std::string matchPath_;

private:
    // The observations' times in order, for the trail's revision (0: none yet).
    struct Times {
        std::uint64_t revision = 0;
        std::vector<double> sorted;
    };
    const Times& SortedTimes() const;

    bool pensCreated_ = false;
    mutable Times times_;
    raster::Pen futurePen_, currentPen_, pastPen_;
    raster::Brush futureBrush_, currentBrush_, pastBrush_;
};
