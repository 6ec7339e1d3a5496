#pragma once

#include "pravikdriver/Message.h"
#include "pravikdriver/PravikEnums.h"

namespace Corvane::PravikDriver::UserMessages {

// Helpers shared by the decoders of the family messages.
class MessageFields
{
public:
    static bool carriesValues(const Message& message)
    {
        return message.messageType() == PravikEnums::DimensionWrite
            || message.messageType() == PravikEnums::DimensionValue;
    }

    // The value at index (after the dimension parameters), or invalid.
    static Value<int> valueAt(const Message& message, int index)
    {
        const int position = message.dimensionParameterCount() + index;
        return index < 0 || position < 0 ? Value<int>() : message.parameter(position);
    }

    static Value<float> tenthsAt(const Message& message, int index)
    {
        const Value<int> value = valueAt(message, index);
        return Value<float>(value.isValid(), float(value.value()) / 10.0f);
    }
};

} // namespace Corvane::PravikDriver::UserMessages
