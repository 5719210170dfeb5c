#include "FrequencyContent.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace quindel::composer {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

void fft(std::vector<std::complex<double>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    // One table of turns for the largest span; smaller spans step through it.
    std::vector<std::complex<double>> turns(n / 2);
    for (std::size_t k = 0; k < turns.size(); ++k)
        turns[k] = std::polar(1.0, -Tau * static_cast<double>(k) / static_cast<double>(n));
    std::complex<double>* data = a.data();
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::size_t half = len / 2;
        const std::size_t stride = n / len;
        for (std::size_t i = 0; i < n; i += len) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::complex<double> u = data[i + k];
                const std::complex<double> v = data[i + k + half] * turns[k * stride];
                data[i + k] = u + v;
                data[i + k + half] = u - v;
            }
        }
    }
}

}  // namespace

std::vector<double> FrequencyContent::magnitudes(std::span<const float> frame)
{
    const std::size_t n = frame.size();
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double window = 0.5 - 0.5 * std::cos(Tau * static_cast<double>(i) / static_cast<double>(n));
        a[i] = window * frame[i];
    }
    fft(a);
    std::vector<double> out(n / 2 + 1);
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = std::abs(a[k]);
    return out;
}

std::vector<double> FrequencyContent::bandShares(std::span<const float> mono, int rate, std::span<const double> edges)
{
    // One transform over the whole sound, zero-padded to a power of two: a
    // short effect fits, and its resolution is finer than any band.
    std::size_t n = 1024;
    while (n < mono.size())
        n <<= 1;
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < mono.size(); ++i)
        a[i] = mono[i];
    fft(a);
    std::vector<double> shares(edges.size() > 0 ? edges.size() - 1 : 0, 0.0);
    double total = 0.0;
    for (std::size_t k = 1; k <= n / 2; ++k) {
        const double f = static_cast<double>(k) * rate / static_cast<double>(n);
        const double energy = std::norm(a[k]);
        total += energy;
        for (std::size_t b = 0; b + 1 < edges.size(); ++b)
            if (f >= edges[b] && f < edges[b + 1])
                shares[b] += energy;
    }
    for (double& s : shares)
        s = total > 0.0 ? s / total : 0.0;
    return shares;
}

FrequencyContent::Tuning FrequencyContent::tuning(std::span<const float> mono, int rate)
{
    // Frames of 2^15 samples (0.74 s at 44.1 kHz), one after the other: 1.3 Hz
    // a bin, and with the peak's position read from the parabola through its
    // three bins, well under a cent even at 200 Hz.
    constexpr std::size_t Size = 1 << 15;
    double sumCos = 0.0;
    double sumSin = 0.0;
    double weights = 0.0;
    for (std::size_t start = 0; start + Size <= mono.size(); start += Size) {
        const std::vector<double> m = magnitudes(mono.subspan(start, Size));
        const double loudest = *std::max_element(m.begin(), m.end());
        if (loudest <= 0.0)
            continue;
        const double binHz = static_cast<double>(rate) / Size;
        const auto first = static_cast<std::size_t>(120.0 / binHz);
        const auto last = std::min(m.size() - 6, static_cast<std::size_t>(4000.0 / binHz));
        for (std::size_t k = first; k < last; ++k) {
            // A peak: the largest of its neighbourhood and no more than 30 dB
            // under the frame's loudest, so noise and drums hardly count.
            if (m[k] < loudest * 0.03)
                continue;
            bool peak = true;
            for (std::size_t d = 1; d <= 5 && peak; ++d)
                peak = m[k] > m[k - d] && m[k] >= m[k + d];
            if (!peak)
                continue;
            const double l = std::log(m[k - 1]);
            const double c = std::log(m[k]);
            const double r = std::log(m[k + 1]);
            const double shift = 0.5 * (l - r) / (l - 2.0 * c + r);
            const double hz = (static_cast<double>(k) + shift) * binHz;
            const double cents = 1200.0 * std::log2(hz / 440.0);
            const double angle = Tau * cents / 100.0;
            const double w = m[k] * m[k];
            sumCos += w * std::cos(angle);
            sumSin += w * std::sin(angle);
            weights += w;
        }
    }
    Tuning t;
    if (weights > 0.0) {
        t.cents = std::atan2(sumSin, sumCos) * 100.0 / Tau;
        t.agreement = std::hypot(sumCos, sumSin) / weights;
    }
    return t;
}

}  // namespace quindel::composer
