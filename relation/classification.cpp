#include "relation/classification.h"

int relationRule(qint16 pq, qint16 sum, qint16 difference)
{
    if (pq == sum)
        return 1;
    if (pq == difference)
        return 2;
    // After the two equalities this is strictly between.
    if (pq >= difference && pq <= sum)
        return 3;
    if (pq > sum)
        return 5;
    // Whatever is left lies below the difference: pq <= sum and not within [difference, sum].
    return 4;
}
