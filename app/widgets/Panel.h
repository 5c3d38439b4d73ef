#pragma once

#include "ChartColor.h"
#include "FramePresenter.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

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
    // costs next to nothing. Kept while the panel's size stays; one look at a time.
    void PrepareLook(TColor color, const QString& caption);

    // From now on the prepared look goes to `presenter` (the panel's own window's), which puts
    // it on the screen at a vertical blank; null goes back to painting.
    void PresentThrough(platform::FramePresenter* presenter);
    // Takes the prepared look (preparing it first if the panel changed) by presenting it; the
    // toolkit paints nothing of the panel until FrameShown, so that the look reaches the screen
    // only with the frame. A frame not reported within FrameDueMs is taken for lost, and the
    // panel paints its look itself. Returns the serial of the frame.
    static constexpr int FrameDueMs = 100;
    std::uint32_t PresentLook(TColor color, const QString& caption);
    // The presented frame is on the screen: the panel paints as usual again.
    void FrameShown();

    // Every mouse button pressed on the panel, the second press of a double click included.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseDown;
    // The window system's stamp of the press being handled (QInputEvent::timestamp()).
    std::optional<std::uint64_t> PressTimestamp() const { return pressTimestamp_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Draw(QPainter& p, TColor color, const QString& caption) const;
    QRect AreaInWindow() const;
    bool PreparedLookIsCurrent() const;
    bool LookPrepared(TColor color, const QString& caption) const;
    // The prepared look sits in the window's backing store, untouched since it was put there.
    bool PreparedLookInStore() const;
    void WatchWindowExposure();

    TColor color_ = clBtnFace;
    platform::FramePresenter* presenter_ = nullptr;
    QTimer* frameDue_ = nullptr;
    std::optional<std::uint64_t> pressTimestamp_;
    QString caption_;

    struct Look {
        TColor color = clNone;
        QString caption;
        QImage image;
    };
    Look prepared_;

    // Where the prepared look was put into the window's backing store, and the store's image key
    // right after: while the key stays, nothing has painted over it.
    struct Stored {
        QRect area;
        qint64 key = 0;
    };
    Stored stored_;
    QPointer<QWindow> watchedWindow_;
};
