#pragma once

#include "platform/hid/HidTransport.h"
#include "platform/hid/InstrumentUsb.h"

#include <memory>
#include <string>
#include <system_error>
#include <vector>

// What the simulated instrument measures for a while: a wavelength and a
// power that is measured, or below or above the meter's range.
enum class SimulatedPower : uint8_t
{
    Measured,
    Low,
    High
};

struct SimulatedStep
{
    int answers = 1; // how many answers the step lasts
    uint16_t wavelength = 1550;
    SimulatedPower power = SimulatedPower::Measured;
};

// A stand-in for the handheld instrument behind USB, for tests and for
// running the program without hardware. It lists the instrument (and an
// unrelated HID device) and answers each poll request with an input report of
// the current wavelength, reference and a slowly wandering power, after a
// configurable latency; reads wait on a condition, never spin. A script can
// change the wavelength and give readings below or above the range, answer
// by answer, and the power can drift. Tests can
// unplug and replug it, fail opens or a read with a system error of their
// choice, make it return empty reads or never answer, hold writes pending,
// change its release number, or attach a second instrument.
//
// Like hidapi, reads deliver the report without its report-ID byte unless
// SetReportIdInReads(true) asks for the full 65 bytes.
class SimulatedInstrument : public HidTransport
{
public:
    explicit SimulatedInstrument(int answerLatencyMs = 0);
    ~SimulatedInstrument() override;
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    std::vector<HidDeviceInfo> Enumerate() override;
    HidResult Open(const std::string& path, std::unique_ptr<HidDevice>& device) override;

    // What the instrument measures. SetPower pins the power; without it the
    // power wanders around reference - 12 dB.
    void SetWavelength(uint16_t nm);
    void SetReference(float dBm);
    void SetPower(float dBm);
    void SetRawReport(const std::vector<uint8_t>& report); // answers exactly these 65 bytes
    // The steps the answers follow from the next one on, in order, from the
    // first again when `repeat`; after the last (not repeated) the
    // instrument stays at the last step's wavelength and measures.
    void SetScript(const std::vector<SimulatedStep>& steps, bool repeat);
    // The measured power moves by this much with every answer.
    void SetDrift(float dBPerAnswer);

    // What "Low" and "High" steps send as power.
    static constexpr float LowPower = -85.0f;
    static constexpr float HighPower = 30.0f;

    // Faults and set-ups.
    void Unplug();                                            // gone from the list; open handles fail
    void Replug();                                            // listed again; old handles stay dead
    void FailOpens(std::errc error);                          // listed, but every open fails with this error
    void FailNextRead(std::errc error = std::errc::io_error); // the next read on any handle fails
    void SetEmptyReads(bool on);                              // answers arrive as reads of 0 bytes
    void SetSilent(bool on);  // requests are accepted but never answered: reads time out
    void HoldWrites(bool on); // while on, writes block (pending) until released
    void SetRelease(uint16_t release);
    void SetInstrumentCount(int count); // two or more instruments attached
    void SetReportIdInReads(bool on);

    // Observations for tests.
    int WriteCount() const; // requests accepted so far
    bool WritesHeld() const;
    int PendingWriteCount() const;                // writes blocked by HoldWrites
    int OpenHandleCount() const;                  // handles opened and not yet closed
    std::vector<std::string> OpenedPaths() const; // every successful open, in order
    static std::string InstrumentPath(int index);

    struct State;

private:
    std::shared_ptr<State> m_State;
};

// The factory the program uses for --simulate: the instrument with the
// latency of a real USB round trip, following a script that shows what the
// live trace does with what an instrument sends: every 4 minutes at two
// answers a second, 2 minutes at 1550 nm, a connector pulled for a second
// (below the range), a minute more at 1550 nm, a minute at 1310 nm with a
// saturated reading at its end; the power drifts slowly throughout.
std::shared_ptr<SimulatedInstrument> CreateSimulatedInstrument();
