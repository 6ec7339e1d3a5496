#pragma once

#include "BaseSceneWindow.h"
#include "scenes/Scene.h"

#include "controls/SvgControlObject.h"
#include "gestures/CursorPositionProvider.h"
#include "hosting/BaseQMLWrapper.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStringList>

// A cursor the test moves by hand.
class ScriptedCursor : public Corvane::Gadgets::Gestures::CursorPositionProvider
{
public:
    QPoint position() const override { return *m_position; }
    explicit ScriptedCursor(QPoint* position)
        : m_position(position)
    {
    }

private:
    QPoint* m_position;
};

// A 100 x 100 control drawing an opaque disc, which records the gestures
// it is handed and takes them when told to.
class DiscControl : public Corvane::Gadgets::SvgControlObject
{
public:
    explicit DiscControl(QString name, QStringList* log)
        : SvgControlObject(nullptr)
        , m_name(std::move(name))
        , m_log(log)
    {
        setBounds(QRectF(0, 0, 100, 100));
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::red);
        painter->drawEllipse(boundingRect());
    }
    void handleMousePress(QGraphicsSceneMouseEvent* event, Corvane::Gadgets::Gestures::EventConsumer&) override
    {
        m_log->append(m_name + QStringLiteral(" press"));
        event->setAccepted(takes);
    }

    bool takes = false;

protected:
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override
    {
        m_log->append(m_name + QStringLiteral(" click"));
        event->setAccepted(takes);
    }

private:
    QString m_name;
    QStringList* m_log;
};

class DiscScene : public Corvane::Sentrel::Scene
{
public:
    explicit DiscScene(QStringList* log)
        : m_root(new Corvane::Gadgets::Utilities::BaseQMLWrapper)
    {
        m_root->setSize(QSizeF(1000, 1000));
        m_root->setMainControl(new DiscControl(QStringLiteral("main"), log));
    }
    Corvane::Gadgets::Utilities::BaseQMLWrapper* root() const override { return m_root; }

private:
    Corvane::Gadgets::Utilities::BaseQMLWrapper* m_root;
};

// A scene window around the disc, whose hot spot is the disc's centre.
class DiscWindow : public Corvane::Sentrel::BaseSceneWindow
{
public:
    explicit DiscWindow(QStringList* log, QPoint* cursor)
        : BaseSceneWindow(std::make_unique<DiscScene>(log), nullptr, std::make_unique<ScriptedCursor>(cursor))
    {
        setDefaultSize(QSize(100, 100));
    }
    QPointF hotSpot() const override { return QPointF(50, 50); }
    void themeChanged() override {}
};
