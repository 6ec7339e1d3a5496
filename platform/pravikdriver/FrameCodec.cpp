#include "FrameCodec.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <algorithm>

namespace Corvane::PravikDriver {

namespace {

const char SEPARATOR = ' ';
const QByteArray NONE = QByteArrayLiteral("-");
const QByteArray ABSENT = QByteArrayLiteral("_");

struct VerbName
{
    Frame::Verb verb;
    const char* name;
    int arguments; // fields after the verb; -1 when variable
};

const VerbName VERBS[] = {
    { Frame::Challenge, "CHALLENGE", 1 },
    { Frame::Auth, "AUTH", 1 },
    { Frame::Welcome, "WELCOME", 0 },
    { Frame::Denied, "DENIED", 0 },
    { Frame::Request, "REQ", 9 },
    { Frame::Answer, "ANS", 8 },
    { Frame::Ack, "ACK", 1 },
    { Frame::Nack, "NACK", 1 },
    { Frame::Event, "EVT", 7 },
    { Frame::Ping, "PING", 1 },
    { Frame::Pong, "PONG", 1 },
    { Frame::Bye, "BYE", 0 },
};

const VerbName* findVerb(const QByteArray& name)
{
    for (const VerbName& entry : VERBS) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

const char* verbName(Frame::Verb verb)
{
    for (const VerbName& entry : VERBS) {
        if (entry.verb == verb)
            return entry.name;
    }
    return "";
}

bool isAddressCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '#';
}

QByteArray number(int value)
{
    return QByteArray::number(value);
}

} // namespace

QByteArray FrameCodec::encode(const Frame& frame)
{
    QByteArray line = verbName(frame.verb);
    switch (frame.verb) {
    case Frame::Challenge:
    case Frame::Auth:
        line += SEPARATOR + frame.token;
        break;
    case Frame::Request:
        line += SEPARATOR + number(frame.id) + SEPARATOR + number(frame.priority) + SEPARATOR
            + encodeMessage(frame.message);
        break;
    case Frame::Answer:
        line += SEPARATOR + number(frame.id) + SEPARATOR + encodeMessage(frame.message);
        break;
    case Frame::Event:
        line += SEPARATOR + encodeMessage(frame.message);
        break;
    case Frame::Ack:
    case Frame::Nack:
    case Frame::Ping:
    case Frame::Pong:
        line += SEPARATOR + number(frame.id);
        break;
    default:
        break;
    }
    return line + '\n';
}

QByteArray FrameCodec::encodeMessage(const Message& message)
{
    QByteArrayList parameters;
    for (const QString& text : message.rawParameters())
        parameters.append(text.isEmpty() ? ABSENT : text.toLatin1());
    const QByteArray address = message.address().isEmpty() ? NONE : message.address().toLatin1();
    QByteArrayList fields {
        number(message.messageType()), number(message.systemType()), address,
        number(message.commandType()), number(message.dimension()), number(message.dimensionParameterCount()),
        parameters.isEmpty() ? NONE : parameters.join(','),
    };
    return fields.join(SEPARATOR);
}

Frame FrameCodec::decode(const QByteArray& input)
{
    QByteArray line = input;
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty() || line.size() >= MAX_FRAME_LENGTH)
        return Frame();
    const QList<QByteArray> fields = line.split(SEPARATOR);
    const VerbName* verb = findVerb(fields.first());
    if (!verb || fields.size() - 1 != verb->arguments)
        return Frame();

    Frame frame;
    frame.verb = verb->verb;
    bool ok = true;
    switch (frame.verb) {
    case Frame::Challenge:
    case Frame::Auth:
        frame.token = fields.at(1);
        ok = isHexToken(frame.token);
        break;
    case Frame::Request:
        ok = decodeNumber(fields.at(1), &frame.id) && decodeNumber(fields.at(2), &frame.priority)
            && decodeMessage(fields, 3, &frame.message);
        if (ok)
            frame.message.setPriority(frame.priority);
        break;
    case Frame::Answer:
        ok = decodeNumber(fields.at(1), &frame.id) && decodeMessage(fields, 2, &frame.message);
        break;
    case Frame::Event:
        ok = decodeMessage(fields, 1, &frame.message);
        break;
    case Frame::Ack:
    case Frame::Nack:
    case Frame::Ping:
    case Frame::Pong:
        ok = decodeNumber(fields.at(1), &frame.id);
        break;
    default:
        break;
    }
    return ok ? frame : Frame();
}

bool FrameCodec::decodeMessage(const QList<QByteArray>& fields, int first, Message* message)
{
    int type = 0;
    int system = 0;
    int command = 0;
    int dimension = 0;
    int dimensionParameters = 0;
    QStringList parameters;
    const QByteArray& address = fields.at(first + 2);
    if (!decodeNumber(fields.at(first), &type) || !decodeNumber(fields.at(first + 1), &system)
        || !decodeNumber(fields.at(first + 3), &command) || !decodeNumber(fields.at(first + 4), &dimension)
        || !decodeNumber(fields.at(first + 5), &dimensionParameters)
        || !decodeParameters(fields.at(first + 6), &parameters))
        return false;
    if (dimensionParameters < 0 || dimensionParameters > parameters.size())
        return false;
    if (address != NONE) {
        if (address.isEmpty() || address.size() > MAX_ADDRESS_LENGTH
            || !std::all_of(address.cbegin(), address.cend(), isAddressCharacter))
            return false;
    }
    *message = Message(type, system, address == NONE ? QString() : QString::fromLatin1(address), command, dimension,
                       QList<int>(), dimensionParameters);
    message->setRawParameters(parameters);
    return true;
}

bool FrameCodec::decodeNumber(const QByteArray& text, int* value)
{
    const int digitsStart = text.startsWith('-') ? 1 : 0;
    const qsizetype digits = text.size() - digitsStart;
    if (digits < 1 || digits > 10)
        return false;
    for (qsizetype i = digitsStart; i < text.size(); ++i) {
        if (text.at(i) < '0' || text.at(i) > '9')
            return false;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

bool FrameCodec::decodeParameters(const QByteArray& text, QStringList* parameters)
{
    if (text == NONE)
        return true;
    const QList<QByteArray> items = text.split(',');
    if (items.size() > MAX_PARAMETERS)
        return false;
    for (const QByteArray& item : items) {
        int value = 0;
        if (item == ABSENT)
            parameters->append(QString());
        else if (decodeNumber(item, &value))
            parameters->append(QString::fromLatin1(item));
        else
            return false;
    }
    return true;
}

bool FrameCodec::isHexToken(const QByteArray& text)
{
    if (text.size() < 16 || text.size() > 128)
        return false;
    return std::all_of(text.cbegin(), text.cend(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

QByteArray FrameCodec::authenticationResponse(const QByteArray& nonce, const QString& password)
{
    return QMessageAuthenticationCode::hash(nonce, password.toUtf8(), QCryptographicHash::Sha256).toHex();
}

QByteArray FrameCodec::createNonce()
{
    QByteArray bytes(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes.toHex();
}

} // namespace Corvane::PravikDriver
