// Includes from below and beside are allowed.
#pragma once
#include "tree/ReachesUp.h"
#include "res/resource.h"
