#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "image/MemoryImage.h"

namespace kvd::sim {

// Ways the virtual radio can misbehave. Counts are 1-based; 0 means never.
struct Faults {
    bool silent = false;        // answers nothing at all
    int stopAfterBlocks = 0;    // falls silent once this many blocks were read or written
    int wrongAddressBlock = 0;  // this read answer carries the address of the next block
    int garbageAck = 0;         // this acknowledgement is 0x15 instead of 06
    int extraByteReply = 0;     // this reply is followed by one byte too many
    std::vector<std::size_t> stuckBytes = {};  // image offsets that writes do not change
    int restartDelayMs = 0;                    // after "E" everything is ignored for this long
};

// The radio's end of the programming protocol: bytes from the program in, reply bytes out.
// Its memory covers the whole 16-bit address space, 0xFF where nothing was ever stored.
class RadioSide {
public:
    using Memory = std::array<std::uint8_t, 0x10000>;

    // The memory holds the image at radio address 0x0010 onwards; a band code, when given,
    // replaces the image's two copies (and so the identification block's).
    explicit RadioSide(const MemoryImage& image,
                       std::optional<std::uint8_t> bandCode = std::nullopt, Faults faults = {});

    // Takes bytes from the line, all of them at nowMs (any clock in milliseconds), and gives
    // what the radio sends back, in order.
    std::vector<std::uint8_t> Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs = 0);

    // The memory image as it stands now (radio 0x0010..0x035F).
    MemoryImage image() const;

    struct Session {
        bool write = false;  // "PROGRAM" without the zero byte of a read
        int blocksRead = 0;
        std::vector<std::uint16_t> writtenAddresses;  // in the order the blocks came
        bool ended = false;                           // "E" received
    };
    // The conversation going on or the last one, the last one that ended, and how many
    // ended so far.
    const Session& session() const { return session_; }
    const Session& lastEnded() const { return lastEnded_; }
    int conversationsEnded() const { return ended_; }

private:
    enum class State { Idle, AwaitIdentify, AwaitIdentificationAck, AwaitFrame, AwaitBlockAck };

    void take(std::uint8_t byte, std::int64_t nowMs);
    void frameStart(std::uint8_t byte, std::int64_t nowMs);
    void completeFrame();
    void reply(std::vector<std::uint8_t> bytes);
    void ack();
    void endConversation(std::int64_t nowMs);
    void store(std::uint16_t address, std::uint8_t byte);
    bool silent() const;

    Memory memory_{};
    Faults faults_;
    State state_ = State::Idle;
    std::vector<std::uint8_t> frame_;  // the frame being received
    std::size_t frameLength_ = 0;
    std::vector<std::uint8_t> pending_;  // the reply being built
    std::vector<std::uint8_t> recent_;   // last bytes while idle, to spot "PROGRAM"
    Session session_;
    Session lastEnded_;
    int ended_ = 0;
    std::int64_t deafUntil_ = INT64_MIN;  // restarting after "E": everything is ignored
    int blocks_ = 0;  // blocks read or written since the start, for stopAfterBlocks
    int replies_ = 0;
    int acks_ = 0;
    int readAnswers_ = 0;
};

}  // namespace kvd::sim
