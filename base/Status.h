#pragma once

// Status, the outcome of an operation that gives no value, is Result<void>.
#include "base/Result.h"
