#pragma once

// Uniform draws for every random choice of the game; tests script them.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Starts a new sequence from the clock, before each group of draws.
    virtual void reseed() = 0;
    // A uniform r with 0 <= r < 1.
    virtual double draw() = 0;

    // floor(r * count), kept below count even where r * count rounds up to count.
    static int indexFor(double r, int count);
};
