#include "sim/PtyRadio.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <poll.h>
#ifdef __APPLE__
#include <util.h>
#else
#include <pty.h>
#endif
#include <termios.h>
#include <unistd.h>

namespace kvd::sim {

namespace {
constexpr int kPollMs = 100;
constexpr auto kPiecePause = std::chrono::milliseconds(2);
}  // namespace

PtyRadio::PtyRadio(RadioSide& radio, Line line) : radio_(radio), line_(line) {
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        error_ = std::strerror(errno);
        return;
    }
    device_ = name;
}

PtyRadio::~PtyRadio() {
    for (int fd : {master_, slave_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void PtyRadio::Serve(const std::function<bool()>& stop, const std::function<void()>& ended) {
    std::uint8_t buffer[512];
    int conversations = radio_.conversationsEnded();
    while (!stop()) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0 || !(p.revents & POLLIN)) {
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            continue;
        }
        take(std::span(buffer, static_cast<std::size_t>(n)), Clock::now());
        if (radio_.conversationsEnded() != conversations) {
            conversations = radio_.conversationsEnded();
            ended();
        }
    }
}

void PtyRadio::take(std::span<const std::uint8_t> bytes, Clock::time_point readAt) {
    if (!line_.pace) {
        send(radio_.Receive(bytes, ms(readAt)));
        return;
    }
    // A byte is there once its last bit has crossed the line.
    for (std::uint8_t byte : bytes) {
        rxFree_ = std::max(rxFree_, readAt) + kByteTime;
        std::this_thread::sleep_until(rxFree_);
        send(radio_.Receive(std::span(&byte, 1), ms(rxFree_)));
    }
}

std::int64_t PtyRadio::ms(Clock::time_point t) const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t - start_).count();
}

void PtyRadio::send(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    if (line_.pace) {
        // Timed from one fixed start, so oversleeping one byte does not delay the next.
        txFree_ = std::max(txFree_, Clock::now());
        for (std::uint8_t byte : bytes) {
            txFree_ += kByteTime;
            std::this_thread::sleep_until(txFree_);
            writeAll(std::span(&byte, 1));
        }
        return;
    }
    const std::size_t piece =
        line_.splitSize > 0 ? static_cast<std::size_t>(line_.splitSize) : bytes.size();
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
        if (i > 0) {
            std::this_thread::sleep_for(kPiecePause);
        }
        writeAll(bytes.subspan(i, std::min(piece, bytes.size() - i)));
    }
}

void PtyRadio::writeAll(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;  // nobody listens; the program will time out as with a real radio
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

}  // namespace kvd::sim
