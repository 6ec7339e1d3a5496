#pragma once

#include <QString>
#include <QVariant>

namespace Corvane::Gadgets::Models {

// Column indexes of the fields of a tariff row.
enum EnergyTariffData {
    TariffDescription = 0,
    TariffAddress = 1,
    TariffFamily = 2,
    TariffValue = 3,
    TariffCurrency = 4,
    TariffUnit = 5,
};

// One tariff row: what is tariffed, where, and at what price per unit.
class EnergyTariffItemData
{
public:
    EnergyTariffItemData() = default;
    EnergyTariffItemData(const QString& description, int address, const QString& family, double value,
                         const QString& currency, const QString& unit);

    QString description() const { return m_description; }
    void setDescription(const QString& description) { m_description = description; }
    int address() const { return m_address; }
    void setAddress(int address) { m_address = address; }
    QString family() const { return m_family; }
    void setFamily(const QString& family) { m_family = family; }
    double value() const { return m_value; }
    void setValue(double value) { m_value = value; }
    QString currency() const { return m_currency; }
    void setCurrency(const QString& currency) { m_currency = currency; }
    QString unit() const { return m_unit; }
    void setUnit(const QString& unit) { m_unit = unit; }

    // The field of a column index; invalid above 5.
    QVariant operator[](int index) const;
    QVariant operator[](EnergyTariffData index) const { return (*this)[int(index)]; }
    // Sets the field of column 0 to 4 from value; an invalid value or another
    // index changes nothing (the unit is not set this way).
    void setAt(int index, const QVariant& value);
    void setAt(EnergyTariffData index, const QVariant& value) { setAt(int(index), value); }

private:
    QString m_description;
    int m_address = 0;
    QString m_family;
    double m_value = 0.0;
    QString m_currency;
    QString m_unit;
};

} // namespace Corvane::Gadgets::Models
