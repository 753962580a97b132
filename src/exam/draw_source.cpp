#include "exam/draw_source.h"
#include <chrono>

ClockDrawSource::ClockDrawSource()
    : generator_(static_cast<std::mt19937_64::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

int ClockDrawSource::draw(int step)
{
    return std::uniform_int_distribution<int>(0, step - 1)(generator_);
}
