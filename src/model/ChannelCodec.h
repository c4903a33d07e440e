// ChannelCodec.h — the channel banks in the radio image: enable and scan bits, names, marine
// entries and bank E records.
#pragma once

#include "model/RadioData.h"

namespace kelpie {

// One bit per channel, the first channel in bit 7 of the first byte.
void DecodeBits(const RadioImage& image, ChannelBank& bank, int start, int byteCount,
                bool ChannelRecord::*field);
void EncodeBits(RadioImage& image, const ChannelBank& bank, int start, int byteCount,
                bool ChannelRecord::*field);

// Twelve bytes a name. Encoding upper-cases the records' ChTag.
void DecodeNames(const RadioImage& image, ChannelBank& bank, int start, int count);
void EncodeNames(RadioImage& image, ChannelBank& bank, int start, int count);

// Two bytes a marine channel: the flags byte, and a second byte that is carried unchanged.
void DecodeMarineEntries(const RadioImage& image, ChannelBank& bank, int start, int count);
void EncodeMarineEntries(RadioImage& image, const ChannelBank& bank, int start, int count);

// Sixteen bytes a bank E channel; the tone block only on the models that have one.
void DecodeExpRecords(RadioData& data, int start, int count);
void EncodeExpRecords(RadioData& data, int start, int count);

// Three packed-decimal bytes of (f - 100 MHz); 0 means "no frequency". A frequency of 200 MHz or
// more does not fit and throws EncodeOverflowError.
double DecodeFreq(const RadioImage& image, int address);
void EncodeFreq(RadioImage& image, int address, double mhz);

// The four-byte CTCSS/DCS block of a bank E record.
void DecodeTones(const RadioImage& image, ChannelRecord& record, int address);
void EncodeTones(RadioImage& image, const ChannelRecord& record, int address);

// Whole banks, each block in order: enable bits, scan bits, names (not on models without
// names), entries or records.
void DecodeUsaBank(RadioData& data);
void DecodeIntlBank(RadioData& data);
void DecodeCanadaBank(RadioData& data);
void DecodeWxBank(RadioData& data);
void DecodeExpBank(RadioData& data);
void EncodeUsaBank(RadioData& data);
void EncodeIntlBank(RadioData& data);
void EncodeCanadaBank(RadioData& data);
void EncodeWxBank(RadioData& data);
void EncodeExpBank(RadioData& data);

}  // namespace kelpie
