#include "device/RasterSurface.h"

#include <algorithm>

void TRasterSurface::Attach(QImage* image) {
    Flush();
    image_ = image;
    bits_ = nullptr;
    stride_ = 0;
    width_ = height_ = 0;
    if (HasTarget()) {
        // Unshare the pixels now: the painter and the direct pixel writes must reach the same
        // memory for as long as the attachment lasts.
        bits_ = image_->bits();
        stride_ = image_->bytesPerLine();
        width_ = image_->width();
        height_ = image_->height();
    }
    UpdateBox();
}

void TRasterSurface::UpdateBox() {
    box_ = {0, 0, width_, height_};
    clipIsRect_ = false;
    if (hasClip_) {
        const QRect r = clip_.boundingRect();
        box_.left = std::max(box_.left, r.left());
        box_.top = std::max(box_.top, r.top());
        box_.right = std::min(box_.right, r.right() + 1);
        box_.bottom = std::min(box_.bottom, r.bottom() + 1);
        clipIsRect_ = clip_.rectCount() <= 1;
    }
    UpdateRows();
}

void TRasterSurface::UpdateRows() {
    rowLeft_.assign(std::size_t(height_), 0);
    rowRight_.assign(std::size_t(height_), 0);
    for (int y = std::max(box_.top, 0); y < std::min(box_.bottom, height_); ++y) {
        int left = box_.left;
        int right = box_.right;
        if (hasClip_ && !clipIsRect_) {
            const auto [begin, end] = clipRows_.Row(y);
            if (end - begin > 1) {
                left = SeveralSpans;
            } else if (begin == end) {
                right = left;
            } else {
                left = std::max(left, begin->first);
                right = std::min(right, begin->second);
            }
        }
        rowLeft_[std::size_t(y)] = left;
        rowRight_[std::size_t(y)] = right;
    }
}

void TRasterSurface::FillSpanInPieces(int y, int x0, int x1, std::uint32_t argb) {
    x0 = std::max(x0, box_.left);
    x1 = std::min(x1, box_.right);
    const auto [begin, end] = clipRows_.Row(y);
    for (auto s = begin; s != end; ++s) {
        const int a = std::max(x0, s->first);
        const int b = std::min(x1, s->second);
        if (a < b)
            FillPixels(Row(y) + a, b - a, argb | 0xFF000000u);
    }
}

void TRasterSurface::Flush() {
    if (painter_.isActive())
        painter_.end();
}

QPainter& TRasterSurface::Painter() {
    if (!painter_.isActive() && HasTarget()) {
        painter_.begin(image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        ApplyClipToPainter();
        // begin() may not detach, but make sure the pixel pointer still matches the painter's.
        bits_ = image_->bits();
    }
    return painter_;
}

void TRasterSurface::SetClip(const QRegion& region) {
    hasClip_ = true;
    clip_ = region;
    clipRows_ = TClipRows(region);
    UpdateBox();
    if (painter_.isActive())
        ApplyClipToPainter();
}

void TRasterSurface::ClearClip() {
    hasClip_ = false;
    clip_ = QRegion();
    clipRows_ = TClipRows();
    UpdateBox();
    if (painter_.isActive())
        painter_.setClipping(false);
}

void TRasterSurface::ApplyClipToPainter() {
    if (hasClip_)
        painter_.setClipRegion(clip_);
    else
        painter_.setClipping(false);
}

bool TRasterSurface::Covers(int left, int top, int right, int bottom) const {
    if (left < box_.left || top < box_.top || right >= box_.right || bottom >= box_.bottom)
        return false;
    return !hasClip_ || clipIsRect_ || clipRows_.Covers(left, top, right, bottom);
}

std::uint32_t TRasterSurface::Pixel(int x, int y) const {
    if (!HasTarget() || x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
        return 0;
    return reinterpret_cast<const std::uint32_t*>(image_->constScanLine(y))[x] | 0xFF000000u;
}
