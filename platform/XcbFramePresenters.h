#pragma once

#include "FramePresenter.h"

#include <set>

struct xcb_connection_t;

namespace platform {

class XcbFramePresenter;

// Frames presented with the X server's Present extension, on a connection the caller keeps open
// for the life of this object (the toolkit's own, in the program). The server's completions come
// in as ordinary events of that connection and are handed over with HandleEvent; in the program
// the toolkit's event filter does that.
class XcbFramePresenters final : public FramePresenters {
public:
    explicit XcbFramePresenters(xcb_connection_t* connection);
    ~XcbFramePresenters() override;
    XcbFramePresenters(const XcbFramePresenters&) = delete;
    XcbFramePresenters& operator=(const XcbFramePresenters&) = delete;

    bool Available() const override { return presentOpcode_ != 0; }
    std::unique_ptr<FramePresenter> ForWindow(std::uintptr_t window) override;

    // Takes a completion meant for one of the presenters; returns whether it was one. `event`
    // is an xcb_generic_event_t as the connection delivered it.
    bool HandleEvent(const void* event);
    // From now on the toolkit's events of the connection pass by HandleEvent.
    void WatchToolkitEvents();

private:
    friend class XcbFramePresenter;
    xcb_connection_t* connection_;
    std::uint8_t presentOpcode_ = 0;
    std::set<XcbFramePresenter*> presenters_;
    struct Filter;
    std::unique_ptr<Filter> filter_;
};

} // namespace platform
