#pragma once

#include <QObject>
#include <QString>

namespace Corvane::Gadgets::Models {

// One selectable entry of a drop-down: the caller's id (a source number, a
// device id) and the text shown and edited in place. Entries belong to their
// creator; models and controls only point to them.
class DropDownItemModel : public QObject
{
    Q_OBJECT

public:
    DropDownItemModel() = default;
    DropDownItemModel(int id, const QString& text);

    int id() const { return m_id; }
    QString text() const { return m_text; }

public Q_SLOTS:
    void setText(const QString& text);

Q_SIGNALS:
    void textChanged(const QString& text);

private:
    int m_id = 0;
    QString m_text;
};

} // namespace Corvane::Gadgets::Models
