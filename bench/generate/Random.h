#pragma once

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace synth {

// The one source of chance of a run: the same seed gives the same sequence everywhere.
class Random {
  public:
    explicit Random(quint32 seed) : rng_(seed) {}

    // 0 .. n-1
    int below(int n) {
        return n <= 1 ? 0 : static_cast<int>(rng_.bounded(static_cast<quint32>(n)));
    }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    // 0 .. n-1, the front of the range more often than the back.
    int frontBiased(int n) {
        const double u = rng_.generateDouble();
        return std::min(n - 1, static_cast<int>(n * u * u));
    }
    // An index into the weights, each chosen in proportion to its weight.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (const int w : weights) {
            total += w;
        }
        int r = below(total);
        int i = 0;
        for (const int w : weights) {
            if (r < w) {
                return i;
            }
            r -= w;
            ++i;
        }
        return i - 1;
    }
    const QString& pick(const QStringList& list) { return list[below(list.size())]; }
    template <class T>
    const T& pick(const std::vector<T>& list) {
        return list[static_cast<size_t>(below(static_cast<int>(list.size())))];
    }

  private:
    QRandomGenerator rng_;
};

}  // namespace synth
