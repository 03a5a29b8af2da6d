#include "support/ScriptedRandom.h"

#include <QtGlobal>

ScriptedRandom &ScriptedRandom::yield(int n, std::initializer_list<int> numbers)
{
    return yieldAll(n, numbers);
}

void ScriptedRandom::reseed()
{
    reseeds.append(used);
}

double ScriptedRandom::next()
{
    if (values.isEmpty())
        qFatal("ScriptedRandom: a draw asked for value %d, beyond the script", used + 1);
    ++used;
    return values.takeFirst();
}
