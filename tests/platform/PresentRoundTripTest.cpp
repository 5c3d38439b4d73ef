// A real round trip through an X server's Present extension: Xvfb, started here on a display it
// picks itself, has one with a simulated 60 Hz blank. The only test that waits in real time,
// bounded by a few frames' worth of seconds.
#include "XcbFramePresenters.h"

#include <QStandardPaths>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

std::int64_t MonotonicMicros() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000;
}

// Xvfb for the length of a test; the display is empty when it did not start.
class XServer {
public:
    explicit XServer(const QString& program) {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        const std::string fd = std::to_string(fds[1]);
        const std::string path = program.toStdString();
        std::vector<std::string> args{path, "-displayfd", fd,          "-screen",
                                      "0",  "320x240x24", "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        close(fds[1]);
        pollfd p{fds[0], POLLIN, 0};
        char number[16] = {};
        if (pid_ > 0 && poll(&p, 1, 10'000) > 0 && read(fds[0], number, sizeof number - 1) > 0)
            display_ = ":" + std::to_string(std::atoi(number));
        close(fds[0]);
    }
    ~XServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Hands the connection's events to `handle` until `done` or the deadline.
template <typename Handle, typename Done>
void RunEvents(xcb_connection_t* c, Handle handle, Done done, std::chrono::milliseconds limit) {
    const std::int64_t deadline = MonotonicMicros() + limit.count() * 1000;
    while (!done() && MonotonicMicros() < deadline) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            handle(e);
            std::free(e);
        }
        if (done())
            return;
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 20);
    }
}

TEST(PresentRoundTrip, TheCompletionComesAndTheWindowShowsTheFrame) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty())
        GTEST_SKIP() << "no Xvfb on this machine";
    const XServer server(program);
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(server.Display().c_str(), nullptr), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    ASSERT_EQ(xcb_connection_has_error(c), 0);

    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t mask[] = {screen->black_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    constexpr int W = 64, H = 48;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, W, H, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, mask);
    xcb_map_window(c, window);
    xcb_flush(c);
    bool mapped = false;
    RunEvents(
        c, [&](xcb_generic_event_t* e) { mapped |= (e->response_type & 0x7f) == XCB_MAP_NOTIFY; },
        [&] { return mapped; }, std::chrono::seconds(5));
    ASSERT_TRUE(mapped);

    platform::XcbFramePresenters presenters(c);
    ASSERT_TRUE(presenters.Available());
    const std::unique_ptr<platform::FramePresenter> presenter = presenters.ForWindow(window);
    std::vector<platform::FrameCompletion> completions;
    presenter->OnComplete = [&](const platform::FrameCompletion& done) {
        completions.push_back(done);
    };

    QImage green(W, H, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    presenter->Prepare(green);
    const std::int64_t before = MonotonicMicros();
    EXPECT_LE(std::abs(presenter->ClockNowNs() / 1000 - before), 1000);
    const std::uint32_t serial = presenter->Present();
    RunEvents(
        c, [&](xcb_generic_event_t* e) { presenters.HandleEvent(e); },
        [&] { return !completions.empty(); }, std::chrono::seconds(5));

    ASSERT_EQ(completions.size(), 1u);
    const platform::FrameCompletion& done = completions.front();
    EXPECT_EQ(done.kind, platform::FrameCompletion::Kind::Frame);
    EXPECT_EQ(done.serial, serial);
    EXPECT_FALSE(done.skipped);
    // On CLOCK_MONOTONIC, after the request and before now.
    EXPECT_GE(std::int64_t(done.ustMicros), before);
    EXPECT_LE(std::int64_t(done.ustMicros), MonotonicMicros());

    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, W, H, ~0u),
                            nullptr),
        &std::free);
    ASSERT_NE(image, nullptr);
    ASSERT_GE(xcb_get_image_data_length(image.get()), W * H * 4);
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    EXPECT_EQ(pixels[(H / 2) * W + W / 2] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x00FF00u);
}

} // namespace
