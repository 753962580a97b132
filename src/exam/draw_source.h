#pragma once
#include <random>

// Where the draws of a paper come from; a test gives the draws it wants.
class DrawSource {
public:
    virtual ~DrawSource() = default;
    // A number in 0 … step − 1; step is at least 1.
    virtual int draw(int step) = 0;
};

// One generator for a whole drawing, seeded once from the high-resolution clock.
class ClockDrawSource : public DrawSource {
public:
    ClockDrawSource();
    int draw(int step) override;

private:
    std::mt19937_64 generator_;
};
