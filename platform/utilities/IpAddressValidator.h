#pragma once

#include <QChar>
#include <QValidator>

namespace Corvane::Utilities {

// Accepts what may still become a dotted IPv4 address while the user types:
// at most four parts of at most three digits, each 0..255. Characters equal
// to blank (the blank of the line edit's input mask) count as not typed.
// A complete address is Acceptable; an empty text is Acceptable only with
// acceptEmpty.
class IpAddressValidator : public QValidator
{
    Q_OBJECT

public:
    IpAddressValidator(QChar blank, bool acceptEmpty, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    QChar m_blank;
    bool m_acceptEmpty;
};

} // namespace Corvane::Utilities
