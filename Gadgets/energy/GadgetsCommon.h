#pragma once

#include <QFlags>
#include <QObject>

// The shared vocabulary of the energy faces and of the programs that drive
// them. The numbers are part of the library interface: callers store and
// compare them. The choices are of a fixed type, so that a stored or passed
// number outside a list is a value the setters can see and refuse.
namespace Corvane::Gadgets::GadgetsCommon {

Q_NAMESPACE

enum TimespanView : int {
    DailyView = 0,
    MonthlyView = 1,
    AnnualView = 2,
};
Q_ENUM_NS(TimespanView)

enum MonthlyViewMode : int {
    MonthlyViewDays = 0,
    MonthlyViewHours = 1,
};
Q_ENUM_NS(MonthlyViewMode)

enum DataType : int {
    EnergyData = 0,
    MoneyData = 1,
};
Q_ENUM_NS(DataType)

enum AnnualViewDate : int {
    PreviousTwelveMonths = 0,
    LastTwelveMonths = 1,
};
Q_ENUM_NS(AnnualViewDate)

enum ConsumptionDisplay : int {
    ChartDisplay = 0,
    TableDisplay = 1,
};
Q_ENUM_NS(ConsumptionDisplay)

// What a graphics table asks its model for, one bit per role.
enum TableModelRole {
    BackGradientStopsRole = 1,
    EditBackGradientStopsRole = 2,
    ForeGradientStopsRole = 4,
    EditForeGradientStopsRole = 8,
    EditForeColorRole = 16,
    BorderColorRole = 32,
    TextRole = 64,
    EditTextRole = 128,
    TextAlignmentRole = 256,
    SizeRole = 512,
    RectRole = 1024,
    // Everything a theme changes (roles 1 to 32).
    PaintRoles = 63,
};
Q_DECLARE_FLAGS(TableModelRoles, TableModelRole)

} // namespace Corvane::Gadgets::GadgetsCommon

Q_DECLARE_OPERATORS_FOR_FLAGS(Corvane::Gadgets::GadgetsCommon::TableModelRoles)
