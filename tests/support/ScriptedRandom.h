#pragma once

#include "core/RandomSource.h"

#include <deque>
#include <initializer_list>

// Hands out the draws a test lists, in order. Past the script a draw fails the test, unless the
// test lets it run on, when it steps through [0, 1) so that every table entry comes up in turn.
class ScriptedRandom final : public RandomSource
{
public:
    void script(std::initializer_list<double> values);
    void reseed() override { ++reseeds; }
    double draw() override;

    bool exhausted() const { return m_values.empty(); }
    bool runOn = false;
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<double> m_values;
    double m_runOnValue = 0.0;
};
