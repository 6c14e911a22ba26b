#include "link/ReferenceTable.h"

#include <algorithm>
#include <cmath>

namespace {
template <typename Entries> auto FindWavelength(Entries& entries, uint16_t wavelength)
{
    return std::find_if(
        entries.begin(), entries.end(),
        [wavelength](const auto& entry) { return entry.wavelength == wavelength; });
}
} // namespace

void CReferenceTable::NoteInstrument(uint16_t wavelength, float dBm)
{
    const auto found = FindWavelength(m_Instrument, wavelength);
    if (found != m_Instrument.end())
        found->dBm = dBm;
    else
        m_Instrument.push_back({wavelength, dBm});
}

void CReferenceTable::Set(uint16_t wavelength, float dBm, const LocalDateTime& at)
{
    UseInstrument(wavelength);
    m_Page.push_back({wavelength, {dBm, ReferenceSource::Page, at}});
}

void CReferenceTable::UseInstrument(uint16_t wavelength)
{
    const auto found = FindWavelength(m_Page, wavelength);
    if (found != m_Page.end())
        m_Page.erase(found);
}

std::optional<Reference> CReferenceTable::Of(uint16_t wavelength) const
{
    if (const auto page = FindWavelength(m_Page, wavelength); page != m_Page.end())
        return page->reference;
    if (const auto instrument = FindWavelength(m_Instrument, wavelength); instrument != m_Instrument.end())
        return Reference{instrument->dBm, ReferenceSource::Instrument, {}};
    return std::nullopt;
}

std::optional<double> CReferenceTable::LossOf(const TimedReading& reading) const
{
    const std::optional<Reference> reference = Of(reading.wavelength);
    // An instrument's reference is its bytes: one that is no number gives no loss.
    if (!reference || reading.state != ReadingState::Ok || !std::isfinite(reference->dBm))
        return std::nullopt;
    return double(reference->dBm) - double(reading.power);
}
