// Until the propeller steps take their inputs as records: the propulsion
// computations together with the old entry points on the whole run.
#pragma once

#include "app/legacy_propulsion.hpp"
