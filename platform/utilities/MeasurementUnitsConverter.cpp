#include "utilities/MeasurementUnitsConverter.h"

namespace Corvane::Utilities {

namespace {

const double WATTS_PER_KILOWATT = 1000.0;
const double LITRES_PER_CUBIC_METRE = 1000.0;
const double CUBIC_METRES_PER_CUBIC_FOOT = 0.3048 * 0.3048 * 0.3048;
const double CUBIC_METRES_PER_CUBIC_YARD = 27.0 * CUBIC_METRES_PER_CUBIC_FOOT;
const double LITRES_PER_US_GALLON = 3.785411784;
const double LITRES_PER_UK_GALLON = 4.54609;

} // namespace

double MeasurementUnitsConverter::wattsToKilowatts(double watts)
{
    return watts / WATTS_PER_KILOWATT;
}

double MeasurementUnitsConverter::cubicMetresToLitres(double cubicMetres)
{
    return cubicMetres * LITRES_PER_CUBIC_METRE;
}

double MeasurementUnitsConverter::cubicMetresToDecalitres(double cubicMetres)
{
    return cubicMetresToLitres(cubicMetres) / 10.0;
}

double MeasurementUnitsConverter::cubicMetresToHectolitres(double cubicMetres)
{
    return cubicMetresToLitres(cubicMetres) / 100.0;
}

double MeasurementUnitsConverter::cubicMetresToCubicFeet(double cubicMetres)
{
    return cubicMetres / CUBIC_METRES_PER_CUBIC_FOOT;
}

double MeasurementUnitsConverter::cubicMetresToCubicYards(double cubicMetres)
{
    return cubicMetres / CUBIC_METRES_PER_CUBIC_YARD;
}

double MeasurementUnitsConverter::cubicMetresToUsGallons(double cubicMetres)
{
    return cubicMetresToLitres(cubicMetres) / LITRES_PER_US_GALLON;
}

double MeasurementUnitsConverter::cubicMetresToUkGallons(double cubicMetres)
{
    return cubicMetresToLitres(cubicMetres) / LITRES_PER_UK_GALLON;
}

} // namespace Corvane::Utilities
