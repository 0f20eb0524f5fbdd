#pragma once

#include "protocol/ModuleParameters.h"

// The block the configuration window starts with before anything is read:
// module baud 9600, parity NO, 433.00 MHz, 2048 chips, Standard, 125K,
// node 0, net 0, power 7, breath 2s, wake 32ms.
ModuleParameters DefaultParameters();
