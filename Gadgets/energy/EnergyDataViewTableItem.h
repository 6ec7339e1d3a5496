#pragma once

#include <QString>

namespace Corvane::Gadgets::Models {

// One row of the consumption table: the slot label and its value.
class EnergyDataViewTableItem
{
public:
    EnergyDataViewTableItem(const QString& x, double y);

    QString x() const { return m_x; }
    double y() const { return m_y; }

private:
    QString m_x;
    double m_y;
};

} // namespace Corvane::Gadgets::Models
