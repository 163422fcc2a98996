#include "sim/RadioSide.h"

#include <algorithm>

#include "image/ByteMap.h"
#include "image/FieldTable.h"
#include "link/Wire.h"

namespace kvd::sim {

namespace Wire = link::Wire;

namespace {
constexpr std::uint8_t kGarbage = 0x15;
constexpr std::uint8_t kExtra = 0x00;
constexpr std::array<std::uint8_t, 7> kProgram = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::uint16_t kIdentificationAddress = ByteMap::kRadioBase + ByteMap::kIdentification;
}  // namespace

RadioSide::RadioSide(const MemoryImage& image, std::optional<std::uint8_t> bandCode, Faults faults)
    : faults_(faults) {
    memory_.fill(0xFF);
    std::copy(image.begin(), image.end(), memory_.begin() + ByteMap::kRadioBase);
    if (bandCode) {
        const FieldTable::Field& band = FieldTable::Band();
        memory_[ByteMap::kRadioBase + band.offset] = *bandCode;
        memory_[ByteMap::kRadioBase + band.copyOffset] = *bandCode;
    }
}

MemoryImage RadioSide::image() const {
    MemoryImage image;
    std::copy_n(memory_.begin() + ByteMap::kRadioBase, image.size(), image.begin());
    return image;
}

std::vector<std::uint8_t> RadioSide::Receive(std::span<const std::uint8_t> bytes,
                                             std::int64_t nowMs) {
    pending_.clear();
    for (std::uint8_t b : bytes) {
        if (nowMs >= deafUntil_) {
            take(b, nowMs);
        }
    }
    return std::move(pending_);
}

bool RadioSide::silent() const {
    return faults_.silent || (faults_.stopAfterBlocks > 0 && blocks_ >= faults_.stopAfterBlocks);
}

void RadioSide::take(std::uint8_t byte, std::int64_t nowMs) {
    if (frameLength_ > 0) {
        frame_.push_back(byte);
        if (frame_.size() == frameLength_) {
            completeFrame();
        }
        return;
    }
    switch (state_) {
        case State::Idle:
            recent_.push_back(byte);
            if (recent_.size() > kProgram.size()) {
                recent_.erase(recent_.begin());
            }
            if (std::equal(recent_.begin(), recent_.end(), kProgram.begin(), kProgram.end())) {
                recent_.clear();
                session_ = Session{};
                session_.write = true;  // until the zero byte of a read's start frame comes
                state_ = State::AwaitIdentify;
                ack();
            }
            break;
        case State::AwaitIdentify:
            if (byte == Wire::kIdentify) {
                state_ = State::AwaitIdentificationAck;
                auto id = memory_.begin() + kIdentificationAddress;
                reply({id, id + Wire::kIdentificationSize});
            } else if (byte == 0x00) {
                session_.write = false;
            } else if (byte == Wire::kEnd) {
                endConversation(nowMs);
            }
            break;
        case State::AwaitIdentificationAck:
        case State::AwaitBlockAck:
            if (byte == Wire::kAck) {
                state_ = State::AwaitFrame;
                ack();
            } else if (byte == Wire::kEnd) {
                endConversation(nowMs);
            }
            break;
        case State::AwaitFrame:
            frameStart(byte, nowMs);
            break;
    }
}

void RadioSide::frameStart(std::uint8_t byte, std::int64_t nowMs) {
    if (byte == Wire::kReadRequest || byte == Wire::kBlock) {
        frame_.assign(1, byte);
        frameLength_ = byte == Wire::kReadRequest ? Wire::kReadRequestSize : Wire::kWriteBlockSize;
    } else if (byte == Wire::kEnd) {
        endConversation(nowMs);
    }
}

void RadioSide::completeFrame() {
    frameLength_ = 0;
    const auto address = static_cast<std::uint16_t>(frame_[1] << 8 | frame_[2]);
    if (frame_[0] == Wire::kReadRequest) {
        const std::size_t count = frame_[3];
        std::uint16_t shown = address;
        if (++readAnswers_ == faults_.wrongAddressBlock) {
            shown = static_cast<std::uint16_t>(address + Wire::kReadLength);
        }
        std::vector<std::uint8_t> answer = {Wire::kBlock, static_cast<std::uint8_t>(shown >> 8),
                                            static_cast<std::uint8_t>(shown & 0xFF), frame_[3]};
        for (std::size_t i = 0; i < count; ++i) {
            answer.push_back(memory_[(address + i) & 0xFFFF]);
        }
        ++session_.blocksRead;
        state_ = State::AwaitBlockAck;
        reply(std::move(answer));
    } else {
        session_.writtenAddresses.push_back(address);
        for (std::size_t i = 4; i < frame_.size(); ++i) {
            store(static_cast<std::uint16_t>(address + i - 4), frame_[i]);
        }
        ack();
    }
    ++blocks_;
}

void RadioSide::store(std::uint16_t address, std::uint8_t byte) {
    const std::size_t offset = static_cast<std::uint16_t>(address - ByteMap::kRadioBase);
    const auto& stuck = faults_.stuckBytes;
    if (std::find(stuck.begin(), stuck.end(), offset) == stuck.end()) {
        memory_[address] = byte;
    }
}

void RadioSide::ack() {
    reply({++acks_ == faults_.garbageAck ? kGarbage : Wire::kAck});
}

void RadioSide::reply(std::vector<std::uint8_t> bytes) {
    if (silent()) {
        return;
    }
    if (++replies_ == faults_.extraByteReply) {
        bytes.push_back(kExtra);
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
}

void RadioSide::endConversation(std::int64_t nowMs) {
    if (faults_.restartDelayMs > 0) {
        deafUntil_ = nowMs + faults_.restartDelayMs;
    }
    state_ = State::Idle;
    session_.ended = true;
    lastEnded_ = session_;
    ++ended_;
}

}  // namespace kvd::sim
