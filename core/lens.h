// The whole calculation core: number text rules, the three calculations and the entry checks.
// Plain functions over texts and choices; no state, no user interface.
#pragma once

#include "core/entry_check.h"
#include "core/glass_diameter.h"
#include "core/lens_material.h"
#include "core/mould_curve.h"
#include "core/number_text.h"
#include "core/surface_curve.h"
