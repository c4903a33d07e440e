// EditFeatures.h — what the editor offers per model beyond the image layout: the band a bank E
// frequency may take and which optional controls the channel page carries.
#pragma once

namespace kelpie {

struct EditFeatures
{
    double lowestMhz;  // bank E frequencies, bounds included
    double highestMhz;
    bool raster25kHz;      // bank E frequencies must lie on the 25 kHz raster
    bool scramblerCombo;   // the channel page offers the scrambler
    bool positionReports;  // the DSC page offers the position request and send rows
    bool scanRows;         // the common page offers TX power, scanning and dual watch
};

// The row of a model; an index outside 0..6 throws std::out_of_range like the model table.
const EditFeatures& EditFeaturesOf(int modelIndex);

inline bool HasScramblerCombo(int m)
{
    return EditFeaturesOf(m).scramblerCombo;
}

inline bool OffersScanRows(int m)
{
    return EditFeaturesOf(m).scanRows;
}
inline bool OffersPositionReports(int m)
{
    return EditFeaturesOf(m).positionReports;
}

}  // namespace kelpie
