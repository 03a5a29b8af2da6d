#pragma once

#include "draw/Random.h"

#include <QList>
#include <initializer_list>

// Yields the values of a script, first to last, as the random source a test
// hands to the board draws, and counts what was used. A draw that asks for
// more than the script holds ends the test at once.
class ScriptedRandom final : public draw::RandomSource {
public:
    // The value for which DrawNumber(n) yields number.
    static double valueFor(int number, int n) { return (number - 0.5) / n; }
    // Queues the values that make DrawNumber(n) yield numbers, in order.
    ScriptedRandom &yield(int n, std::initializer_list<int> numbers);
    template <typename Container>
    ScriptedRandom &yieldAll(int n, const Container &numbers)
    {
        for (int number : numbers)
            values.append(valueFor(number, n));
        return *this;
    }

    QList<double> values; // still to come
    int used = 0;
    // How many values had been used at each re-seed.
    QList<int> reseeds;

    void reseed() override;
    double next() override;
};
