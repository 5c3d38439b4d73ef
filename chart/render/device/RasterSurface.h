#pragma once

#include "device/ClipRows.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

// The image a canvas draws into, with one painter kept open on it and the clip region.
// Single pixels are written straight into the image memory (thin lines are rasterised by the
// canvas itself), everything else goes through the painter; both honour the same clip.
class TRasterSurface {
public:
    enum class PixelMode { Copy, Xor, NotXor };

    TRasterSurface() = default;
    TRasterSurface(const TRasterSurface&) = delete;
    TRasterSurface& operator=(const TRasterSurface&) = delete;
    ~TRasterSurface() { Detach(); }

    // Draws into image from now on (null: nowhere). The image must outlive the attachment.
    void Attach(QImage* image);
    void Detach() { Attach(nullptr); }
    QImage* Image() const { return image_; }
    bool HasTarget() const { return image_ != nullptr && !image_->isNull(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Whether FillSpan and Plot can write the image's memory as 32-bit pixels.
    bool DirectPixels() const { return HasTarget() && image_->depth() == 32; }

    // Closes the painter so the image can be copied or resized; the next drawing reopens it.
    void Flush();

    // The painter on the image, opened on first use. Only valid while HasTarget().
    QPainter& Painter();

    void SetClip(const QRegion& region);
    void ClearClip();
    bool HasClip() const { return hasClip_; }
    const QRegion& Clip() const { return clip_; }

    bool Visible(int x, int y) const {
        if (y < 0 || y >= height_)
            return false;
        const int left = rowLeft_[std::size_t(y)];
        if (left == SeveralSpans)
            return x >= box_.left && x < box_.right && clipRows_.Contains(x, y);
        return x >= left && x < rowRight_[std::size_t(y)];
    }
    // Whether every pixel of columns left..right and rows top..bottom (inclusive) is inside the
    // image and the clip, so that they can be plotted unchecked.
    bool Covers(int left, int top, int right, int bottom) const;
    // Writes one pixel (0xAARRGGBB colour) when it is inside the image and the clip.
    void Plot(int x, int y, std::uint32_t argb, PixelMode mode) {
        if (Visible(x, y))
            PlotUnchecked(x, y, argb, mode);
    }
    // Plot for a pixel known to be visible.
    void PlotUnchecked(int x, int y, std::uint32_t argb, PixelMode mode) {
        std::uint32_t& px =
            reinterpret_cast<std::uint32_t*>(bits_ + std::ptrdiff_t(y) * stride_)[x];
        switch (mode) {
        case PixelMode::Copy:
            px = argb | 0xFF000000u;
            break;
        case PixelMode::Xor:
            px = (px ^ argb) | 0xFF000000u;
            break;
        case PixelMode::NotXor:
            px = ~(px ^ argb) | 0xFF000000u;
            break;
        }
    }
    // Sets columns x0..x1-1 of row y to argb, within the image and the clip.
    void FillSpan(int y, int x0, int x1, std::uint32_t argb) {
        if (y < 0 || y >= height_)
            return;
        const int left = rowLeft_[std::size_t(y)];
        if (left == SeveralSpans) {
            FillSpanInPieces(y, x0, x1, argb);
            return;
        }
        x0 = std::max(x0, left);
        x1 = std::min(x1, rowRight_[std::size_t(y)]);
        if (x0 < x1)
            FillPixels(Row(y) + x0, x1 - x0, argb | 0xFF000000u);
    }
    // The pixel as 0xFFRRGGBB, or 0 outside the image.
    std::uint32_t Pixel(int x, int y) const;

    // The columns left..right-1 and rows top..bottom-1 outside which no pixel is ever written:
    // the image within the clip's bounds.
    struct TBox {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    const TBox& WritableBox() const { return box_; }

private:
    // Sets count (> 0) pixels. Chart spans are short and of every length: up to 16 pixels are
    // written as four blocks of four that overlap as the length needs, rather than by a loop
    // whose length changes from row to row.
    static void FillPixels(std::uint32_t* p, int count, std::uint32_t argb) {
        const std::uint32_t block[4] = {argb, argb, argb, argb};
        if (count < 4) {
            p[0] = argb;
            p[count / 2] = argb;
            p[count - 1] = argb;
        } else if (count <= 16) {
            std::memcpy(p, block, sizeof block);
            std::memcpy(p + std::min(4, count - 4), block, sizeof block);
            std::memcpy(p + std::min(8, count - 4), block, sizeof block);
            std::memcpy(p + count - 4, block, sizeof block);
        } else {
            for (int i = 0; i < count - 4; i += 4)
                std::memcpy(p + i, block, sizeof block);
            std::memcpy(p + count - 4, block, sizeof block);
        }
    }

    void UpdateBox();
    void UpdateRows();
    std::uint32_t* Row(int y) const {
        return reinterpret_cast<std::uint32_t*>(bits_ + std::ptrdiff_t(y) * stride_);
    }
    void FillSpanInPieces(int y, int x0, int x1, std::uint32_t argb);
    void ApplyClipToPainter();

    QImage* image_ = nullptr;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    QPainter painter_;

    bool hasClip_ = false;
    QRegion clip_;
    // The image, within the clip's bounds: no pixel outside it is ever written. When the clip is
    // one rectangle (the plot area, nearly always) this box is the whole test.
    TBox box_;
    bool clipIsRect_ = false;
    TClipRows clipRows_;
    // Each row's writable columns [rowLeft_, rowRight_): the image within the clip, so that
    // filling a span costs two bounds. A row the clip cuts into several spans is marked and
    // filled span by span.
    static constexpr int SeveralSpans = INT_MIN;
    std::vector<int> rowLeft_;
    std::vector<int> rowRight_;
};
