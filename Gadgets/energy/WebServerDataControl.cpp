#include "energy/WebServerDataControl.h"

#include "controls/SvgElement.h"
#include "energy/DataFaceDates.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "text/TextLabel.h"

#include <cmath>

namespace Corvane::Gadgets {

const double WebServerDataControl::ROW_SPACING = 5.0;
const QString WebServerDataControl::BACKGROUND_ID = QStringLiteral("background");
const QString WebServerDataControl::TIME_ID = QStringLiteral("time_placeholder");
const QString WebServerDataControl::DATE_ID = QStringLiteral("date_placeholder");
const QString WebServerDataControl::LABELS_PLACEHOLDER_ID = QStringLiteral("labels_placeholder");
const QString WebServerDataControl::TITLE_CONTROL_ID = QStringLiteral("webserver_title");
const QString WebServerDataControl::LABEL_CONTROL_ID = QStringLiteral("webserver_label");

namespace {

const int SecondsPerDay = 86400;

} // namespace

WebServerDataControl::WebServerDataControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    createElements();
    retranslateUi();
}

TextLabel* WebServerDataControl::createRowLabel()
{
    auto* label = new TextLabel(QString(), m_scrollArea->childrenContainer());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setControlId(LABEL_CONTROL_ID);
    m_scrollArea->childrenContainer()->addToChildrensList(label);
    label->hide();
    return label;
}

void WebServerDataControl::createElements()
{
    m_background = initElement(BACKGROUND_ID);
    setBounds(m_background->scaledBounds());

    m_timeLabel = new TextLabel(QString(), this);
    m_timeLabel->setTextBounds(boundsOnElement(TIME_ID));
    m_timeLabel->setControlId(LABEL_CONTROL_ID);
    addToChildrensList(m_timeLabel);
    m_dateLabel = new TextLabel(QString(), this);
    m_dateLabel->setTextBounds(boundsOnElement(DATE_ID));
    m_dateLabel->setControlId(LABEL_CONTROL_ID);
    addToChildrensList(m_dateLabel);

    m_scrollArea = new ScrollArea(this);
    m_scrollArea->setBounds(boundsOnElement(LABELS_PLACEHOLDER_ID));
    addToChildrensList(m_scrollArea);
    for (int row = 0; row < ROWS_COUNT; ++row) {
        m_captions.append(createRowLabel());
        m_values.append(createRowLabel());
    }
}

TextLabel* WebServerDataControl::captionLabel(WebConfigLabel row) const
{
    return isRow(row) ? m_captions.at(row) : nullptr;
}

TextLabel* WebServerDataControl::valueLabel(WebConfigLabel row) const
{
    return isRow(row) ? m_values.at(row) : nullptr;
}

void WebServerDataControl::retranslateUi()
{
    SvgControlObject::retranslateUi();
    emit titleTextChanged(tr("WebServer info: %1").arg(m_webServerName));
    const QStringList captions{tr("Device code"), tr("Firmware version"), tr("Address type"), tr("Univocal Code"),
                               tr("IP address"),  tr("Subnet mask"),      tr("MAC address"),  tr("Uptime"),
                               tr("Time"),        tr("Date"),             tr("Link web")};
    for (int row = 0; row < ROWS_COUNT; ++row)
        m_captions.at(row)->setText(captions.at(row));
}

void WebServerDataControl::setWebServerName(const QString& name)
{
    m_webServerName = name;
    retranslateUi();
}

void WebServerDataControl::setDeviceArticle(const QString& article)
{
    setContentLabelText(DeviceCode, article);
}

void WebServerDataControl::setFirmwareVersion(const QString& version)
{
    setContentLabelText(FirmwareVersion, version);
}

void WebServerDataControl::setAddressType(AddressType type)
{
    m_addressType = type;
    QString text;
    if (type == FixedIp)
        text = tr("Fixed IP");
    else if (type == Automatic)
        text = tr("Automatic");
    setContentLabelText(AddressTypeRow, text);
    resetUnivocalCodeRow();
    setPropertyVisible(UnivocalCode, type == Automatic);
    updateLabelsPositions();
}

// The code is kept, so that it shows whichever of the code and the address
// type arrives first.
void WebServerDataControl::setUnivocalCode(int code)
{
    m_univocalCode = code;
    resetUnivocalCodeRow();
}

void WebServerDataControl::resetUnivocalCodeRow()
{
    const bool shown = m_univocalCode >= 1 && m_addressType == Automatic;
    setContentLabelText(UnivocalCode, shown ? QString::number(m_univocalCode) : QString());
}

void WebServerDataControl::setIPAddress(const QString& address)
{
    setContentLabelText(IpAddress, address);
}

void WebServerDataControl::setSubNetMask(const QString& mask)
{
    setContentLabelText(SubnetMask, mask);
}

void WebServerDataControl::setMacAddress(const QString& address)
{
    setContentLabelText(MacAddress, address);
}

QString WebServerDataControl::uptimeText(int seconds)
{
    if (seconds < 0)
        return {};
    const int days = seconds / SecondsPerDay;
    const QTime time = QTime(0, 0).addSecs(seconds - days * SecondsPerDay);
    const QString pattern = QStringLiteral("hh'%1' mm'%2' ss'%3'").arg(tr("h"), tr("m"), tr("s"));
    return QStringLiteral("%1%2 ").arg(days).arg(tr("d")) + time.toString(pattern);
}

void WebServerDataControl::setUptimeSecs(int seconds)
{
    if (seconds >= 0)
        m_uptimeSecs = seconds;
    setContentLabelText(Uptime, uptimeText(seconds));
}

void WebServerDataControl::setTime(const QTime& time)
{
    const QString text = time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : QString();
    setContentLabelText(TimeRow, text);
    if (!text.isEmpty())
        m_timeLabel->setText(text);
}

void WebServerDataControl::setDate(const QDate& date)
{
    const QString text = DataFaceDates::dayText(date);
    setContentLabelText(DateRow, text);
    if (!text.isEmpty())
        m_dateLabel->setText(text);
}

void WebServerDataControl::setLinkWeb(const QString& link)
{
    setContentLabelText(WebLink, link);
}

void WebServerDataControl::setContentLabelText(WebConfigLabel row, const QString& text)
{
    if (!isRow(row))
        return;
    setPropertyVisible(row, !text.isEmpty());
    if (!text.isEmpty())
        m_values.at(row)->setText(text);
    updateLabelsPositions();
}

void WebServerDataControl::setPropertyVisible(WebConfigLabel row, bool visible)
{
    if (!isRow(row))
        return;
    m_rowVisibility.insert(row, visible);
    m_captions.at(row)->setVisible(visible);
    m_values.at(row)->setVisible(visible);
}

// Rows are laid out in the scrolled content, whose origin is the top-left
// corner of the list; hidden rows take no room.
void WebServerDataControl::updateLabelsPositions()
{
    const double height = m_timeLabel->textBounds().height();
    const double column = (m_scrollArea->boundingRect().width() - m_scrollArea->verticalScroller()->barMaskRect().width())
        / 2.0;
    double y = 0.0;
    for (int row = 0; row < ROWS_COUNT; ++row) {
        if (m_rowVisibility.value(WebConfigLabel(row), false)) {
            m_captions.at(row)->setTextBounds(QRectF(0.0, y, std::trunc(column), std::trunc(height)));
            m_values.at(row)->setTextBounds(QRectF(column, y, std::trunc(column), std::trunc(height)));
            y += height + ROW_SPACING;
        } else {
            // An empty rectangle takes no room in the scrolled content (a
            // negative one would widen it and bring up a horizontal bar).
            m_captions.at(row)->setTextBounds(QRectF());
            m_values.at(row)->setTextBounds(QRectF());
        }
    }
    // The area measures its content against the viewport it had before this
    // change; a second pass settles the bars once the vertical one appeared.
    m_scrollArea->updateChildren();
    m_scrollArea->updateChildren();
}

} // namespace Corvane::Gadgets
