#pragma once

#include "link/LinkClock.h"
#include "link/Reading.h"

#include <cstdint>
#include <optional>
#include <vector>

// The reference a reading's loss is taken against, per wavelength: the one
// the instrument reports with each reading, unless one was set on the page
// ("Set Reference"), which then holds until it is set again or dropped.
enum class ReferenceSource : uint8_t
{
    Instrument,
    Page
};

struct Reference
{
    float dBm = 0.0f;
    ReferenceSource source = ReferenceSource::Instrument;
    LocalDateTime setAt; // when the page's was set; the instrument's is current
};

class CReferenceTable
{
public:
    // The instrument's reference that came with a reading.
    void NoteInstrument(uint16_t wavelength, float dBm);
    // The page's reference: `dBm` set at `at`, replacing any earlier one.
    void Set(uint16_t wavelength, float dBm, const LocalDateTime& at);
    // Back to the instrument's reference.
    void UseInstrument(uint16_t wavelength);

    // The reference in force; nothing before either is known.
    std::optional<Reference> Of(uint16_t wavelength) const;
    // Every reference set on the page, by wavelength, in the order set.
    struct PageReference
    {
        uint16_t wavelength;
        Reference reference;
    };
    const std::vector<PageReference>& PageReferences() const { return m_Page; }

    // Reference minus power, in dB: positive where the fibre loses light.
    // Nothing for a reading without a number or without a reference.
    std::optional<double> LossOf(const TimedReading& reading) const;

private:
    std::vector<PageReference> m_Page;
    struct InstrumentReference
    {
        uint16_t wavelength;
        float dBm;
    };
    std::vector<InstrumentReference> m_Instrument;
};
