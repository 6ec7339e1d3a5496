#pragma once

#include <QList>
#include <QString>

namespace Corvane::Devices::Validation {

// One finding of the validator: an error (blocks activation) or a warning,
// its text, the devices it concerns and what kind of problem it is.
class ValidationItem
{
public:
    // Of a fixed type: a number outside the list is a value the views can
    // see and show plainly, not an undefined one.
    enum ItemType : int {
        Error = 0,
        Warning = 1,
    };

    // Kinds of problem. The Configurator marks a gateway's IP row for
    // InvalidIp and DuplicateIp and its univocal-code row for InvalidUc.
    enum ErrorType {
        InvalidIp = 0,
        DuplicateIp = 1,
        InvalidUc = 2,
        InvalidPassword = 3,
        InvalidAddress = 4,
        InvalidScheduledItem = 5,
        InvalidTemperatures = 6,
        TooManySoundSources = 7,
        DuplicateSoundSource = 8,
        TooManyCommands = 9,
        TooManyDevices = 10,
        ValueOutOfRange = 11,
        EmptyDescription = 20,
        DuplicateAddress = 21,
        NoWebServer = 22,
    };

    ValidationItem(ItemType itemType, const QString& itemString, const QList<int>& deviceIds,
                   int errorType);

    ItemType itemType() const { return m_itemType; }
    QString itemString() const { return m_itemString; }
    QList<int> deviceIds() const { return m_deviceIds; }
    int errorType() const { return m_errorType; }

private:
    ItemType m_itemType;
    QString m_itemString;
    QList<int> m_deviceIds;
    int m_errorType;
};

} // namespace Corvane::Devices::Validation
