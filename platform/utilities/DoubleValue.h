#pragma once

#include <QObject>

namespace Corvane::Utilities {

// One real number as a QObject property, so that a QPropertyAnimation can
// run it and others follow its changes.
class DoubleValue : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit DoubleValue(double value = 0.0, QObject* parent = nullptr);

    double value() const { return m_value; }
    // Stores the value; emits valueChanged when it differs from the last one.
    void setValue(double value);

signals:
    void valueChanged(double value);

private:
    double m_value;
};

} // namespace Corvane::Utilities
