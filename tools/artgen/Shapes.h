#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "Image.h"

namespace quindel::artgen {

struct Point final {
    float x = 0.0f;
    float y = 0.0f;
};

inline float segmentDistance(float px, float py, Point a, Point b)
{
    const float bx = b.x - a.x;
    const float by = b.y - a.y;
    const float len2 = bx * bx + by * by;
    float t = len2 > 0.0f ? ((px - a.x) * bx + (py - a.y) * by) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const float dx = px - a.x - bx * t;
    const float dy = py - a.y - by * t;
    return std::sqrt(dx * dx + dy * dy);
}

inline Shape circle(float cx, float cy, float r)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

inline Shape ellipse(float cx, float cy, float rx, float ry)
{
    // A cheap approximation that is exact on the axes; good enough for soft shapes.
    return [=](float x, float y) {
        const float k0 = std::hypot((x - cx) / rx, (y - cy) / ry);
        const float k1 = std::hypot((x - cx) / (rx * rx), (y - cy) / (ry * ry));
        return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
    };
}

// A box with its own corner radius for each corner: top-left, top-right,
// bottom-right, bottom-left.
inline Shape roundBox(float x0, float y0, float x1, float y1, float tl, float tr, float br, float bl)
{
    const float cx = (x0 + x1) * 0.5f;
    const float cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f;
    const float hy = (y1 - y0) * 0.5f;
    return [=](float x, float y) {
        const float px = x - cx;
        const float py = y - cy;
        const float r = px < 0.0f ? (py < 0.0f ? tl : bl) : (py < 0.0f ? tr : br);
        const float qx = std::fabs(px) - hx + r;
        const float qy = std::fabs(py) - hy + r;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

inline Shape roundBox(float x0, float y0, float x1, float y1, float r)
{
    return roundBox(x0, y0, x1, y1, r, r, r, r);
}

// A polyline drawn with a round pen of the given radius.
inline Shape strokes(std::vector<std::vector<Point>> lines, float radius)
{
    return [lines = std::move(lines), radius](float x, float y) {
        float best = 1e9f;
        for (const auto& line : lines) {
            for (std::size_t i = 0; i + 1 < line.size(); ++i)
                best = std::min(best, segmentDistance(x, y, line[i], line[i + 1]));
            if (line.size() == 1)
                best = std::min(best, std::hypot(x - line[0].x, y - line[0].y));
        }
        return best - radius;
    };
}

// A closed convex or concave polygon (even-odd inside test).
inline Shape polygon(std::vector<Point> corners)
{
    return [corners = std::move(corners)](float x, float y) {
        float best = 1e9f;
        bool inside = false;
        const std::size_t n = corners.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = corners[j];
            const Point b = corners[i];
            best = std::min(best, segmentDistance(x, y, a, b));
            if ((b.y > y) != (a.y > y) && x < (a.x - b.x) * (y - b.y) / (a.y - b.y) + b.x)
                inside = !inside;
        }
        return inside ? -best : best;
    };
}

inline Shape unite(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

inline Shape intersect(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

inline Shape subtract(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

inline Shape offset(Shape a, float grow)
{
    return [a = std::move(a), grow](float x, float y) { return a(x, y) - grow; };
}

inline Shape moved(Shape a, float dx, float dy)
{
    return [a = std::move(a), dx, dy](float x, float y) { return a(x - dx, y - dy); };
}

// Smooth union: blends two shapes into one rounded blob.
inline Shape blob(Shape a, Shape b, float k)
{
    return [a = std::move(a), b = std::move(b), k](float x, float y) {
        const float da = a(x, y);
        const float db = b(x, y);
        const float h = std::clamp(0.5f + 0.5f * (db - da) / k, 0.0f, 1.0f);
        return db + (da - db) * h - k * h * (1.0f - h);
    };
}

// A straight two-stop gradient between two points.
inline Paint linearGradient(Point from, Rgb a, Point to, Rgb b)
{
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
    return [=](float x, float y) {
        const float t = std::clamp(((x - from.x) * dx + (y - from.y) * dy) / len2, 0.0f, 1.0f);
        return mix(a, b, t);
    };
}

inline Paint radialGradient(Point centre, float radius, Rgb inner, Rgb outer)
{
    return [=](float x, float y) {
        const float t = std::clamp(std::hypot(x - centre.x, y - centre.y) / radius, 0.0f, 1.0f);
        return mix(inner, outer, t);
    };
}

}  // namespace quindel::artgen
