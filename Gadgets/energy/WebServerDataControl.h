#pragma once

#include "controls/SvgControlObject.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QTime>

namespace Corvane::Gadgets {

class ScrollArea;
class TextLabel;

// The information panel of one gateway: its time and date, and a scrollable
// list of caption/value rows of which only those with a value are shown,
// packed from the top.
class WebServerDataControl : public SvgControlObject
{
    Q_OBJECT

public:
    // Of a fixed type: a row number from outside the list is refused, not
    // undefined.
    enum WebConfigLabel : int {
        DeviceCode = 0,
        FirmwareVersion = 1,
        AddressTypeRow = 2,
        UnivocalCode = 3,
        IpAddress = 4,
        SubnetMask = 5,
        MacAddress = 6,
        Uptime = 7,
        TimeRow = 8,
        DateRow = 9,
        WebLink = 10,
    };
    enum AddressType {
        FixedIp = 0,
        Automatic = 1,
    };

    static constexpr int ROWS_COUNT = 11;
    static const double ROW_SPACING;
    static const QString BACKGROUND_ID;
    static const QString TIME_ID;
    static const QString DATE_ID;
    static const QString LABELS_PLACEHOLDER_ID;
    static const QString TITLE_CONTROL_ID;
    static const QString LABEL_CONTROL_ID;

    WebServerDataControl(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    void setWebServerName(const QString& name);
    void setDeviceArticle(const QString& article);
    void setFirmwareVersion(const QString& version);
    void setAddressType(AddressType type);
    void setUnivocalCode(int code);
    void setIPAddress(const QString& address);
    void setSubNetMask(const QString& mask);
    void setMacAddress(const QString& address);
    void setUptimeSecs(int seconds);
    void setTime(const QTime& time);
    void setDate(const QDate& date);
    void setLinkWeb(const QString& link);

    void setContentLabelText(WebConfigLabel row, const QString& text);
    void setPropertyVisible(WebConfigLabel row, bool visible);
    bool isPropertyVisible(WebConfigLabel row) const { return m_rowVisibility.value(row, false); }
    void updateLabelsPositions();
    static QString uptimeText(int seconds);
    int uptimeSecs() const { return m_uptimeSecs; }

    TextLabel* timeLabel() const { return m_timeLabel; }
    TextLabel* dateLabel() const { return m_dateLabel; }
    TextLabel* captionLabel(WebConfigLabel row) const;
    TextLabel* valueLabel(WebConfigLabel row) const;
    ScrollArea* scrollArea() const { return m_scrollArea; }

    void retranslateUi() override;

signals:
    void titleTextChanged(QString title);

private:
    void createElements();
    TextLabel* createRowLabel();
    void resetUnivocalCodeRow();
    static bool isRow(int row) { return row >= 0 && row < ROWS_COUNT; }

    SvgElement* m_background = nullptr;
    TextLabel* m_timeLabel = nullptr;
    TextLabel* m_dateLabel = nullptr;
    ScrollArea* m_scrollArea = nullptr;
    QList<TextLabel*> m_captions;
    QList<TextLabel*> m_values;
    AddressType m_addressType = FixedIp;
    int m_univocalCode = 0;
    int m_uptimeSecs = 0;
    QString m_webServerName;
    QMap<WebConfigLabel, bool> m_rowVisibility;
};

} // namespace Corvane::Gadgets
