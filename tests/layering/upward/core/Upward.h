#pragma once

#include "core/IStepchain.h"
#include "actions/CSCAction.h"
