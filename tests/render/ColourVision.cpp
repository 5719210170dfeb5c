#include "ColourVision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quindel::test {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0, applied to linear RGB.
constexpr Matrix Protan{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deutan{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritan{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double channelToLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

ColourVision::Linear times(const Matrix& m, const ColourVision::Linear& c)
{
    ColourVision::Linear out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2], 0.0, 1.0);
    return out;
}

std::array<double, 3> lab(const ColourVision::Linear& c)
{
    const double x = (0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2]) / 0.95047;
    const double y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
    const double z = (0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2]) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double degrees(double radians)
{
    const double d = radians * 180.0 / std::numbers::pi;
    return d < 0.0 ? d + 360.0 : d;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

ColourVision::Linear ColourVision::linear(std::uint32_t rgb)
{
    return {channelToLinear(((rgb >> 16) & 0xFF) / 255.0), channelToLinear(((rgb >> 8) & 0xFF) / 255.0),
            channelToLinear((rgb & 0xFF) / 255.0)};
}

ColourVision::Linear ColourVision::seen(const Linear& colour, Sight sight)
{
    switch (sight) {
    case Sight::Greyscale: {
        const double y = luminance(colour);
        return {y, y, y};
    }
    case Sight::Protanopia:
        return times(Protan, colour);
    case Sight::Deuteranopia:
        return times(Deutan, colour);
    case Sight::Tritanopia:
        return times(Tritan, colour);
    case Sight::Normal:
        break;
    }
    return colour;
}

double ColourVision::luminance(const Linear& c)
{
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

double ColourVision::contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(linear(a));
    const double lb = luminance(linear(b));
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double ColourVision::deltaE2000(const Linear& first, const Linear& second)
{
    const auto [l1, a1, b1] = lab(first);
    const auto [l2, a2, b2] = lab(second);
    const double c1 = std::hypot(a1, b1);
    const double c2 = std::hypot(a2, b2);
    const double meanC7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7.0))));
    const double ap1 = (1.0 + g) * a1;
    const double ap2 = (1.0 + g) * a2;
    const double cp1 = std::hypot(ap1, b1);
    const double cp2 = std::hypot(ap2, b2);
    const double hp1 = (ap1 == 0.0 && b1 == 0.0) ? 0.0 : degrees(std::atan2(b1, ap1));
    const double hp2 = (ap2 == 0.0 && b2 == 0.0) ? 0.0 : degrees(std::atan2(b2, ap2));
    const double dL = l2 - l1;
    const double dC = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0.0) {
        dh = hp2 - hp1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));
    const double meanL = (l1 + l2) / 2.0;
    const double meanC = (cp1 + cp2) / 2.0;
    double meanH = hp1 + hp2;
    if (cp1 * cp2 != 0.0) {
        if (std::fabs(hp1 - hp2) <= 180.0)
            meanH /= 2.0;
        else
            meanH = (hp1 + hp2 < 360.0) ? (hp1 + hp2 + 360.0) / 2.0 : (hp1 + hp2 - 360.0) / 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(radians(meanH - 30.0)) + 0.24 * std::cos(radians(2.0 * meanH))
        + 0.32 * std::cos(radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(radians(4.0 * meanH - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double meanC7p = std::pow(meanC, 7.0);
    const double rc = 2.0 * std::sqrt(meanC7p / (meanC7p + std::pow(25.0, 7.0)));
    const double sl = 1.0 + 0.015 * std::pow(meanL - 50.0, 2.0) / std::sqrt(20.0 + std::pow(meanL - 50.0, 2.0));
    const double sc = 1.0 + 0.045 * meanC;
    const double sh = 1.0 + 0.015 * meanC * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;
    return std::sqrt(std::pow(dL / sl, 2.0) + std::pow(dC / sc, 2.0) + std::pow(dH / sh, 2.0)
                     + rt * (dC / sc) * (dH / sh));
}

const char* ColourVision::name(Sight sight)
{
    switch (sight) {
    case Sight::Greyscale:
        return "greyscale";
    case Sight::Protanopia:
        return "protanopia";
    case Sight::Deuteranopia:
        return "deuteranopia";
    case Sight::Tritanopia:
        return "tritanopia";
    case Sight::Normal:
        break;
    }
    return "normal";
}

}  // namespace quindel::test
