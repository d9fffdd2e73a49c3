// Constants of each lens material in the two curve calculations. The tables differ on purpose
// for Cr39 (499 / 498) and Index174 (740 / 744).
#pragma once

#include "core/lens_material.h"

#include <array>

namespace lens {

struct MaterialConstants {
    LensMaterial material;
    double surfaceCurve;  // K of the surface curve calculation
    double mouldCurve;    // M of the mould curve calculation
};

// In LensMaterial order, which is also the order of the surface curve results.
inline constexpr std::array<MaterialConstants, 7> materialConstants{{
    {LensMaterial::Cr39, 499, 498},
    {LensMaterial::Pc, 586, 586},
    {LensMaterial::Index156, 544, 544},
    {LensMaterial::Index161, 595, 595},
    {LensMaterial::Index167, 660, 660},
    {LensMaterial::Index174, 740, 744},
    {LensMaterial::Trvx, 530, 530},
}};

constexpr const MaterialConstants& constantsOf(LensMaterial material)
{
    return materialConstants[static_cast<std::size_t>(material)];
}

}  // namespace lens
