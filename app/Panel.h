#pragma once

#include "ChartColor.h"

#include <QImage>
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

    // Paints the panel and hands the frame to the window system before returning.
    void PaintNow();
    // Draws the panel in a look it is about to take, so that painting it in that look later
    // only copies the finished image. Kept while the panel's size stays; one look at a time.
    void PrepareLook(TColor color, const QString& caption);

    // Every mouse button pressed on the panel, the second press of a double click included.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Draw(QPainter& p, TColor color, const QString& caption) const;

    TColor color_ = clBtnFace;
    QString caption_;

    struct Look {
        TColor color = clNone;
        QString caption;
        QImage image;
    };
    Look prepared_;
};
