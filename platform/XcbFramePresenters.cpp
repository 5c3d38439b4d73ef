#include "XcbFramePresenters.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <xcb/present.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> Own(Reply* reply) {
    return Owned<Reply>(reply, &std::free);
}

} // namespace

// One window's frames: a pixmap of the window's depth holds the prepared frame, and each
// Present copies it to the window at the next vertical blank.
class XcbFramePresenter final : public FramePresenter {
public:
    XcbFramePresenter(XcbFramePresenters& owner, xcb_window_t window, std::uint8_t depth)
        : owner_(owner), c_(owner.connection_), window_(window), depth_(depth) {
        eventId_ = xcb_generate_id(c_);
        xcb_present_select_input(c_, eventId_, window_, XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
        gc_ = xcb_generate_id(c_);
        xcb_create_gc(c_, gc_, window_, 0, nullptr);
        xcb_flush(c_);
        owner_.presenters_.insert(this);
    }

    ~XcbFramePresenter() override {
        owner_.presenters_.erase(this);
        xcb_present_select_input(c_, eventId_, window_, XCB_PRESENT_EVENT_MASK_NO_EVENT);
        FreePixmap();
        xcb_free_gc(c_, gc_);
        xcb_flush(c_);
    }

    void Prepare(const QImage& frame) override {
        const QImage image = frame.convertToFormat(QImage::Format_RGB32);
        if (image.size() != size_) {
            FreePixmap();
            pixmap_ = xcb_generate_id(c_);
            xcb_create_pixmap(c_, depth_, pixmap_, window_, std::uint16_t(image.width()),
                              std::uint16_t(image.height()));
            size_ = image.size();
        }
        // In strips that each fit one request: a panel's frame is larger than a plain request
        // may be.
        const std::size_t rowBytes = std::size_t(image.width()) * 4;
        const std::size_t maxBytes = std::size_t(xcb_get_maximum_request_length(c_)) * 4 - 64;
        const int rowsPerStrip = std::max(1, int(maxBytes / rowBytes));
        for (int y = 0; y < image.height(); y += rowsPerStrip) {
            const int rows = std::min(rowsPerStrip, image.height() - y);
            // Format_RGB32 rows are the server's 32-bit pixels on a little-endian machine;
            // bytesPerLine is a multiple of 4, so the rows are packed as the server wants them.
            xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc_, std::uint16_t(image.width()),
                          std::uint16_t(rows), 0, std::int16_t(y), 0, depth_,
                          std::uint32_t(rowBytes * std::size_t(rows)), image.constScanLine(y));
        }
        // Waiting here for the server to take the pixels keeps that work out of Present.
        Own(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    }

    std::uint32_t Present() override {
        const std::uint32_t serial = ++serial_;
        if (pixmap_ == 0)
            return serial;
        xcb_present_pixmap(c_, window_, pixmap_, serial, 0, 0, 0, 0, 0, 0, 0,
                           XCB_PRESENT_OPTION_NONE, 0, 0, 0, 0, nullptr);
        xcb_flush(c_);
        return serial;
    }

    std::uint32_t NotifyNextBlank() override {
        const std::uint32_t serial = ++serial_;
        xcb_present_notify_msc(c_, window_, serial, 0, 0, 0);
        xcb_flush(c_);
        return serial;
    }

    std::int64_t ClockNowNs() override {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }

    bool Handle(const xcb_present_complete_notify_event_t& e) {
        if (e.event != eventId_)
            return false;
        if (OnComplete) {
            FrameCompletion c;
            c.kind = e.kind == XCB_PRESENT_COMPLETE_KIND_PIXMAP ? FrameCompletion::Kind::Frame
                                                                : FrameCompletion::Kind::Blank;
            c.serial = e.serial;
            c.ustMicros = e.ust;
            c.msc = e.msc;
            c.skipped = e.mode == XCB_PRESENT_COMPLETE_MODE_SKIP;
            OnComplete(c);
        }
        return true;
    }

private:
    void FreePixmap() {
        if (pixmap_ != 0)
            xcb_free_pixmap(c_, pixmap_);
        pixmap_ = 0;
        size_ = {};
    }

    XcbFramePresenters& owner_;
    xcb_connection_t* c_;
    xcb_window_t window_;
    std::uint8_t depth_ = 0;
    std::uint32_t eventId_ = 0;
    xcb_gcontext_t gc_ = 0;
    xcb_pixmap_t pixmap_ = 0;
    QSize size_;
    std::uint32_t serial_ = 0;
};

struct XcbFramePresenters::Filter final : QAbstractNativeEventFilter {
    explicit Filter(XcbFramePresenters& owner) : owner(owner) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        return type == "xcb_generic_event_t" && owner.HandleEvent(message);
    }
    XcbFramePresenters& owner;
};

XcbFramePresenters::XcbFramePresenters(xcb_connection_t* connection) : connection_(connection) {
    if (!connection_ || xcb_connection_has_error(connection_))
        return;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection_, &xcb_present_id);
    if (!extension || !extension->present)
        return;
    const auto version = Own(xcb_present_query_version_reply(
        connection_, xcb_present_query_version(connection_, 1, 0), nullptr));
    if (version)
        presentOpcode_ = extension->major_opcode;
}

XcbFramePresenters::~XcbFramePresenters() {
    if (filter_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(filter_.get());
}

std::unique_ptr<FramePresenter> XcbFramePresenters::ForWindow(std::uintptr_t window) {
    if (!Available() || window == 0)
        return nullptr;
    const auto geometry =
        Own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    // Frames are uploaded as 32-bit pixels, which only these depths take.
    if (!geometry || (geometry->depth != 24 && geometry->depth != 32))
        return nullptr;
    return std::make_unique<XcbFramePresenter>(*this, xcb_window_t(window), geometry->depth);
}

bool XcbFramePresenters::HandleEvent(const void* message) {
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (!Available() || (event->response_type & 0x7f) != XCB_GE_GENERIC)
        return false;
    const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
    if (generic->extension != presentOpcode_ || generic->event_type != XCB_PRESENT_COMPLETE_NOTIFY)
        return false;
    const auto& complete = *reinterpret_cast<const xcb_present_complete_notify_event_t*>(event);
    for (XcbFramePresenter* p : presenters_)
        if (p->Handle(complete))
            return true;
    return false;
}

void XcbFramePresenters::WatchToolkitEvents() {
    if (filter_ || !QCoreApplication::instance())
        return;
    filter_ = std::make_unique<Filter>(*this);
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
}

} // namespace platform
