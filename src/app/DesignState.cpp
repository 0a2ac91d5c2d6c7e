#include "DesignState.h"

namespace {
DesignState state;
}

DesignState& designState() {
    return state;
}

void resetDesignState() {
    state = DesignState{};
}
