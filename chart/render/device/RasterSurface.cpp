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
    if (!hasClip_)
        return;
    const QRect r = clip_.boundingRect();
    box_.left = std::max(box_.left, r.left());
    box_.top = std::max(box_.top, r.top());
    box_.right = std::min(box_.right, r.right() + 1);
    box_.bottom = std::min(box_.bottom, r.bottom() + 1);
    clipIsRect_ = clip_.rectCount() <= 1;
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
    BuildClipRows();
    UpdateBox();
    if (painter_.isActive())
        ApplyClipToPainter();
}

void TRasterSurface::ClearClip() {
    hasClip_ = false;
    clip_ = QRegion();
    clipRows_.clear();
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

void TRasterSurface::BuildClipRows() {
    clipRows_.clear();
    const QRect box = clip_.boundingRect();
    clipTop_ = box.top();
    if (box.isEmpty())
        return;
    clipRows_.resize(std::size_t(box.height()));
    for (const QRect& r : clip_)
        for (int y = r.top(); y <= r.bottom(); ++y)
            clipRows_[std::size_t(y - clipTop_)].emplace_back(r.left(), r.right() + 1);
}

bool TRasterSurface::Covers(int left, int top, int right, int bottom) const {
    if (left < box_.left || top < box_.top || right >= box_.right || bottom >= box_.bottom)
        return false;
    if (!hasClip_ || clipIsRect_)
        return true;
    for (int y = top; y <= bottom; ++y) {
        const auto& spans = clipRows_[std::size_t(y - clipTop_)];
        const bool covered = std::any_of(spans.begin(), spans.end(), [&](const auto& span) {
            return span.first <= left && right < span.second;
        });
        if (!covered)
            return false;
    }
    return true;
}

bool TRasterSurface::InClip(int x, int y) const {
    const int row = y - clipTop_;
    if (row < 0 || row >= int(clipRows_.size()))
        return false;
    for (const auto& [x0, x1] : clipRows_[std::size_t(row)])
        if (x >= x0 && x < x1)
            return true;
    return false;
}

std::uint32_t TRasterSurface::Pixel(int x, int y) const {
    if (!HasTarget() || x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
        return 0;
    return reinterpret_cast<const std::uint32_t*>(image_->constScanLine(y))[x] | 0xFF000000u;
}

void TRasterSurface::FillSpan(int y, int x0, int x1, std::uint32_t argb) {
    if (y < box_.top || y >= box_.bottom)
        return;
    x0 = std::max(x0, box_.left);
    x1 = std::min(x1, box_.right);
    if (x0 >= x1)
        return;
    auto* row = reinterpret_cast<std::uint32_t*>(bits_ + std::ptrdiff_t(y) * stride_);
    argb |= 0xFF000000u;
    if (!hasClip_ || clipIsRect_) {
        std::fill(row + x0, row + x1, argb);
        return;
    }
    for (const auto& [c0, c1] : clipRows_[std::size_t(y - clipTop_)]) {
        const int a = std::max(x0, c0);
        const int b = std::min(x1, c1);
        if (a < b)
            std::fill(row + a, row + b, argb);
    }
}
