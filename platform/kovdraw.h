#pragma once
// The drawing calls of the host's user-interface library are those of the
// screen stand-in.
#include "platform/kovscreen.h"
