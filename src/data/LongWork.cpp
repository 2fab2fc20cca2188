#include "data/LongWork.h"

namespace {
LongWork *current = nullptr;
}

void LongWork::setObserver(LongWork *observer)
{
    current = observer;
}

LongWork *LongWork::observer()
{
    return current;
}
