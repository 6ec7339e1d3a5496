#pragma once

#include <QImage>
#include <QToolBar>

namespace Corvane::Gadgets {

// A tool bar that paints a fixed image (a brand logo) at its trailing end,
// margin pixels from the edge.
class ToolBar : public QToolBar
{
    Q_OBJECT

public:
    ToolBar(const QImage& image, int margin, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_margin;
    QImage m_image;
};

} // namespace Corvane::Gadgets
