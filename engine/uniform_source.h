#pragma once

#include <bit>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace engine {

// Where every random value of the game comes from: r with 0 <= r < 1.
// Tests script the values; the program uses a seeded Mersenne Twister.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;
    // Start-up seeds the source once from the time of day, in seconds since
    // midnight with their fraction. Scripted sources ignore it.
    virtual void reseed(double /*secondsSinceMidnight*/) {}
};

class Mt19937Source final : public UniformSource {
public:
    explicit Mt19937Source(std::uint64_t seed = 0) : gen_(seed) {}
    void seed(std::uint64_t seed) { gen_.seed(seed); }
    void reseed(double secondsSinceMidnight) override {
        seed(std::bit_cast<std::uint64_t>(secondsSinceMidnight));
    }
    // 53 random bits scaled by 2^-53: exactly representable, never 1.0.
    double next() override { return static_cast<double>(gen_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 gen_;
};

// Hands out given values in order, then goes on with a seeded generator, so a
// test scripts only the draws it cares about.
class ScriptedSource final : public UniformSource {
public:
    explicit ScriptedSource(std::vector<double> values = {}, std::uint64_t seed = 1)
        : values_(std::move(values)), rest_(seed) {}
    void push(double r) { values_.push_back(r); }
    double next() override {
        ++taken_;
        if (pos_ < values_.size()) return values_[pos_++];
        return rest_.next();
    }
    std::size_t taken() const { return taken_; }
    std::size_t scriptedLeft() const { return values_.size() - pos_; }

private:
    std::vector<double> values_;
    std::size_t pos_ = 0;
    std::size_t taken_ = 0;
    Mt19937Source rest_;
};

}  // namespace engine
