#pragma once
// Finding the bed's edge against an object on the full scan, to a fraction of
// a pixel: the picture is read along short lines that cross the edge, and the
// edge lies where the difference from the bed rises most steeply.
// Internal to the automatic crop.

#include "retouch/bedmodel.h"

#include <optional>

class EdgeProbe {
  public:
    // `scan` is 24-bit or 8-bit grey; it must outlive the probe.
    EdgeProbe(const DibImage& scan, const BedModel& bed, double contrast);

    // Walks `length` pixels from `start` (on the bed, picture coordinates) in
    // the direction `unit`; the point where the object begins, or nothing
    // when no edge of at least the contrast lies on the way.
    std::optional<cv::Point2d> edgeFrom(cv::Point2d start, cv::Point2d unit, double length) const;

  private:
    // How far the picture at (x, y) differs from the bed; −1 outside the picture.
    double distanceAt(double x, double y) const;

    cv::Mat rows_; // memory rows, bottom-up
    int height_;
    const BedModel& bed_;
    double contrast_;
};
