#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "channels/Frequency.h"

namespace kvd {

// A debug row: the receive and transmit frequency of one test channel.
struct DebugFrequencyPair {
    std::optional<Frequency> receive;
    std::optional<Frequency> transmit;
    bool operator==(const DebugFrequencyPair&) const = default;
};

// Every setting the memory image carries besides the channels and the band. Where each is
// stored, what the radio accepts and what it starts as is the field table's (FieldTable.h):
// the member initialisers here are only placeholders until StartupSettings() fills them.
// List choices are list positions (-1: no selection).
struct Settings {
    static constexpr int kAutoDialMemories = 8;
    static constexpr int kEmbeddedLines = 2;
    static constexpr int kDebugRows = 16;

    // The function-set panel of the main window.
    std::int16_t voicePrompt = 0;
    std::int16_t transmitTimeout = 0;  // in 15 s steps from 15 s
    std::int16_t timeoutWarning = 0;
    std::int16_t squelchLevel = 0;
    std::int16_t batterySave = 0;
    std::int16_t beep = 0;

    // The optional-function dialog: VOX, scan, PTT ID, duplicate and the codes.
    std::int16_t voxFunction = 0;
    std::int16_t voxGain = 0;
    std::int16_t voxDelay = 0;
    std::int16_t voxVolumeControl = 0;
    bool voxCancelOperation = false;
    bool voxOffWhileReceiving = false;
    std::int16_t scanPriority = 0;
    std::int16_t priorityChannel = 0;  // channel number 1..16
    std::int16_t retraceTimeA = 0;     // 0 empty, else 0.50 s + 0.05 s steps
    std::int16_t retraceTimeB = 0;
    std::int16_t returnChannel = 0;
    std::optional<std::int16_t> scanReceiveDelay;  // seconds; none until one is entered
    std::optional<std::int16_t> scanTransmitDelay;
    std::int16_t pttId = 0;
    std::int16_t duplicate = 0;
    std::string idCode;
    std::string transmitStartCode;
    std::string transmitEndCode;

    // The optional-function dialog's DTMF group and auto-dial memories.
    std::int16_t dtmfRate = 0;
    std::int16_t firstDigitTime = 0;
    std::int16_t firstDigitDelay = 0;  // milliseconds
    std::int16_t starHashTone = 0;
    std::int16_t dKeyFunction = 0;
    std::int16_t dtmfSideTone = 0;
    std::int16_t groupCallCode = 0;
    std::int16_t autoResetTimer = 0;
    std::array<std::string, kAutoDialMemories> autoDialMemories;

    // The keys-set dialog: the functions of the side keys PF1 and PF2.
    std::int16_t pf1Function = 0;
    std::int16_t pf2Function = 0;

    // The embedded-information dialog.
    std::array<std::string, kEmbeddedLines> embeddedInfo;

    // The debug-frequency and power-debug dialogs.
    std::array<DebugFrequencyPair, kDebugRows> debugFrequencies;
    std::int16_t highPowerLevel = 0;  // 0..255
    std::int16_t lowPowerLevel = 0;

    bool operator==(const Settings&) const = default;
};

}  // namespace kvd
