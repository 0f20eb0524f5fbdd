#pragma once

// Painting: update regions, paint and erase messages, device contexts.

#include "platform/win/Painting.h"
#include "platform/win/WindowDc.h"
