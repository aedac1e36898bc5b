#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>

void ScriptedRandom::script(std::initializer_list<double> values)
{
    m_values.insert(m_values.end(), values.begin(), values.end());
}

double ScriptedRandom::draw()
{
    ++draws;
    if (m_values.empty() && runOn) {
        m_runOnValue = std::fmod(m_runOnValue + 0.381966, 1.0);
        return m_runOnValue;
    }
    if (m_values.empty()) {
        ADD_FAILURE() << "a random draw that the test did not script (draw " << draws << ")";
        return 0.0;
    }
    const double r = m_values.front();
    m_values.pop_front();
    return r;
}
