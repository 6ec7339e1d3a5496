#pragma once

namespace Corvane::Utilities {

// Conversions between the units in which meters count and the units shown.
// Volume factors come from the exact definitions (1 ft = 0.3048 m,
// 1 US gallon = 3.785411784 l, 1 UK gallon = 4.54609 l).
class MeasurementUnitsConverter
{
public:
    MeasurementUnitsConverter() = delete;

    static double wattsToKilowatts(double watts);

    static double cubicMetresToLitres(double cubicMetres);
    static double cubicMetresToDecalitres(double cubicMetres);
    static double cubicMetresToHectolitres(double cubicMetres);
    static double cubicMetresToCubicFeet(double cubicMetres);
    static double cubicMetresToCubicYards(double cubicMetres);
    static double cubicMetresToUsGallons(double cubicMetres);
    static double cubicMetresToUkGallons(double cubicMetres);
};

} // namespace Corvane::Utilities
