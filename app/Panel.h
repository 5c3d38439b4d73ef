#pragma once

#include "ChartColor.h"

#include <QWidget>
#include <functional>

// A coloured panel with a one-line caption centred in it and a raised one-pixel bevel.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // Paints the panel and puts it on the screen before returning.
    void PaintNow();

    // Every mouse button pressed on the panel, the second press of a double click included.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TColor color_ = clBtnFace;
    QString caption_;
};
