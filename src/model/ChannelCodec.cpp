// ChannelCodec.cpp — decoding and encoding the five channel banks.
#include "model/ChannelCodec.h"

#include <algorithm>

#include "model/ChannelFields.h"
#include "model/Format.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/Text.h"

namespace kelpie {

namespace {

constexpr int kModeLowPower = 1;
constexpr int kModeTransmit = 3;  // transmits, not low power, no stored mode

// The tone block's receive mode.
constexpr int kRxModeInverted = 1;
constexpr int kRxModeCompander = 2;
constexpr int kInvertedOffset = 104;

int Count(const ChannelBank& bank, int count)
{
    return std::min(count, static_cast<int>(bank.size()));
}

ChannelRecord& At(ChannelBank& bank, int k)
{
    return bank[static_cast<std::size_t>(k)];
}

const ChannelRecord& At(const ChannelBank& bank, int k)
{
    return bank[static_cast<std::size_t>(k)];
}

// The transmit mode, checked to fit its two bits.
unsigned CheckedMode(unsigned mode)
{
    if (mode > 3) {
        throw EncodeOverflowError("transmit mode " + std::to_string(mode) + " does not fit two bits");
    }
    return mode;
}

std::uint8_t CodeByte(int value)
{
    const int code = value > kInvertedOffset ? value - kInvertedOffset : value;
    if (code < 0 || code > 0xFF) {
        throw EncodeOverflowError("DCS value " + std::to_string(value) + " does not fit a byte");
    }
    return static_cast<std::uint8_t>(code);
}

void DecodeBank(RadioData& data, const BankLayout& layout)
{
    const RadioImage& image = data.RadioImage;
    ChannelBank& bank = data.*layout.Records;
    DecodeBits(image, bank, layout.EnableBits, BitBytes(layout), &ChannelRecord::Enable);
    DecodeBits(image, bank, layout.ScanBits, BitBytes(layout), &ChannelRecord::ScanMemory);
    if (HasChannelNames(data.ModelIndex)) {
        DecodeNames(image, bank, layout.Names, layout.Count);
    }
}

void EncodeBank(RadioData& data, const BankLayout& layout)
{
    RadioImage& image = data.RadioImage;
    ChannelBank& bank = data.*layout.Records;
    EncodeBits(image, bank, layout.EnableBits, BitBytes(layout), &ChannelRecord::Enable);
    EncodeBits(image, bank, layout.ScanBits, BitBytes(layout), &ChannelRecord::ScanMemory);
    if (HasChannelNames(data.ModelIndex)) {
        EncodeNames(image, bank, layout.Names, layout.Count);
    }
}

void DecodeMarineBank(RadioData& data, const BankLayout& layout)
{
    DecodeBank(data, layout);
    DecodeMarineEntries(data.RadioImage, data.*layout.Records, layout.Entries, layout.Count);
}

void EncodeMarineBank(RadioData& data, const BankLayout& layout)
{
    EncodeBank(data, layout);
    EncodeMarineEntries(data.RadioImage, data.*layout.Records, layout.Entries, layout.Count);
}

}  // namespace

void DecodeBits(const RadioImage& image, ChannelBank& bank, int start, int byteCount,
                bool ChannelRecord::*field)
{
    const int count = Count(bank, 8 * byteCount);
    for (int k = 0; k < count; ++k) {
        At(bank, k).*field = GetBit(image[start + k / 8], 7 - k % 8);
    }
}

void EncodeBits(RadioImage& image, const ChannelBank& bank, int start, int byteCount,
                bool ChannelRecord::*field)
{
    const int size = static_cast<int>(bank.size());
    for (int i = 0; i < byteCount; ++i) {
        std::uint8_t byte = 0;
        bool ranOut = false;
        for (int j = 0; j < 8; ++j) {
            const int k = 8 * i + j;
            if (k >= size) {
                ranOut = true;
                break;
            }
            byte = SetBit(byte, 7 - j, At(bank, k).*field);
        }
        image[start + i] = byte;
        if (ranOut) {
            return;
        }
    }
}

void DecodeNames(const RadioImage& image, ChannelBank& bank, int start, int count)
{
    for (int k = 0; k < Count(bank, count); ++k) {
        At(bank, k).ChTag = ReadText(image, start + kNameLength * k, kNameLength);
    }
}

void EncodeNames(RadioImage& image, ChannelBank& bank, int start, int count)
{
    for (int k = 0; k < Count(bank, count); ++k) {
        std::string& name = At(bank, k).ChTag;
        name = ToUpper(name);
        WriteText(image, start + kNameLength * k, name, kNameLength, false);
    }
}

void DecodeMarineEntries(const RadioImage& image, ChannelBank& bank, int start, int count)
{
    const bool scramblerOption = GetBit(image[kOptionByte], kScramblerOptionBit);
    for (int k = 0; k < Count(bank, count); ++k) {
        ChannelRecord& ch = At(bank, k);
        DecodeFlagsByte(image[start + kMarineEntrySize * k], ch, kMarineBank);
        // TX and low power are views of the transmit mode.
        ch.TxEnable = ch.TXPower != 0;
        ch.LowPower = ch.TXPower == kModeLowPower;
        ch.ScramblerOption = scramblerOption;
    }
}

void EncodeMarineEntries(RadioImage& image, const ChannelBank& bank, int start, int count)
{
    for (int k = 0; k < Count(bank, count); ++k) {
        const ChannelRecord& ch = At(bank, k);
        unsigned mode = 0;
        if (ch.TxEnable) {
            mode = ch.TXPower != 0 ? ch.TXPower : ch.LowPower ? kModeLowPower : kModeTransmit;
        }
        std::uint8_t b = SetPart(EncodeFlagsByte(ch, kMarineBank), kModePart, CheckedMode(mode));
        // A duplex pair only where the plan has one.
        b = SetPart(b, kDuplexPart, ch.Duplex && ch.DuplexAllowed);
        image[start + kMarineEntrySize * k] = b;
    }
}

void DecodeExpRecords(RadioData& data, int start, int count)
{
    const RadioImage& image = data.RadioImage;
    for (int k = 0; k < Count(data.ExpChannels, count); ++k) {
        ChannelRecord& ch = At(data.ExpChannels, k);
        const int r = start + kBankERecordSize * k;
        DecodeFlagsByte(image[r], ch, kBankE);
        ch.LowPower = ch.TXPower == kModeLowPower;
        ch.CHDisplayL = ReadText(image, r + kDisplayLeftPart.Offset, kDisplayLeftPart.Length);
        ch.CHDisplayR = ReadText(image, r + kDisplayRightPart.Offset, kDisplayRightPart.Length);
        ch.Rxfreq = DecodeFreq(image, r + kRxFreqPart.Offset);
        ch.Txfreq = DecodeFreq(image, r + kTxFreqPart.Offset);
        if (HasToneBlock(data.ModelIndex)) {
            DecodeTones(image, ch, r + ToneBlockOffset(data.ModelIndex));
        }
    }
}

void EncodeExpRecords(RadioData& data, int start, int count)
{
    RadioImage& image = data.RadioImage;
    for (int k = 0; k < Count(data.ExpChannels, count); ++k) {
        const ChannelRecord& ch = At(data.ExpChannels, k);
        const int r = start + kBankERecordSize * k;
        image[r] = SetPart(EncodeFlagsByte(ch, kBankE), kModePart,
                           CheckedMode(ch.LowPower ? kModeLowPower : ch.TXPower));
        WriteText(image, r + kDisplayLeftPart.Offset, ch.CHDisplayL, kDisplayLeftPart.Length, true);
        WriteText(image, r + kDisplayRightPart.Offset, ch.CHDisplayR, kDisplayRightPart.Length, true);
        EncodeFreq(image, r + kRxFreqPart.Offset, ch.Rxfreq);
        EncodeFreq(image, r + kTxFreqPart.Offset, ch.Txfreq);
        // On the MV210 the tone block starts on the last frequency byte and overwrites it.
        if (HasToneBlock(data.ModelIndex)) {
            EncodeTones(image, ch, r + ToneBlockOffset(data.ModelIndex));
        }
    }
}

double DecodeFreq(const RadioImage& image, int address)
{
    // The six digits read as a number "dd.dddd", as far as they are decimal digits: a byte that
    // holds a hexadecimal digit ends the number there (an erased 0xFF gives 0).
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t b = image[address + i];
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
        if (i == 0) {
            text += '.';
        }
    }
    long long tenThousandths = 0;  // of a MHz
    int scale = 10000;
    bool fraction = false;
    for (char c : text) {
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9') {
            break;
        }
        if (fraction) {
            scale /= 10;
            tenThousandths += (c - '0') * scale;
        } else {
            tenThousandths = tenThousandths * 10 + (c - '0') * 10000;
        }
    }
    if (tenThousandths <= 0) {
        return 0.0;
    }
    return static_cast<double>(1000000 + tenThousandths) / 10000.0;
}

void EncodeFreq(RadioImage& image, int address, double mhz)
{
    std::string digits = "000000";
    if (mhz > 100) {
        digits = Format(mhz - 100, "00.0000");
        digits.erase(digits.find('.'), 1);
        if (digits.size() != 6) {
            throw EncodeOverflowError("frequency " + Format(mhz, "0.0000") + " MHz does not fit the image");
        }
    }
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(2 * i);
        image[address + i] = static_cast<std::uint8_t>((digits[at] - '0') << 4 | (digits[at + 1] - '0'));
    }
}

void DecodeTones(const RadioImage& image, ChannelRecord& record, int address)
{
    const auto at = [&](RecordPart part) { return image[address + part.Offset]; };
    const std::uint8_t a0 = at(kRxModePart);
    const auto zeroWhen63 = [](unsigned v) { return static_cast<std::int16_t>(v == 63 ? 0 : v); };
    record.RxCTCSS =
        zeroWhen63(GetPart(a0, kRxCtcssHighPart) * 4 + GetPart(at(kRxCtcssLowPart), kRxCtcssLowPart));
    record.TxCTCSS = zeroWhen63(GetPart(at(kTxCtcssPart), kTxCtcssPart));

    unsigned mode = GetPart(a0, kRxModePart);
    if (mode == 3) {
        mode = 0;
    }
    const std::uint8_t d = at(kRxDcsCodePart);
    const int rxCode = d == 0xFF ? 0 : d;
    record.RxDCS = static_cast<std::int16_t>(mode == kRxModeInverted ? rxCode + kInvertedOffset : rxCode);
    record.RxComp = mode == kRxModeCompander;

    const std::uint8_t t = at(kTxDcsCodePart);
    const bool inverted = GetPart(at(kTxDcsInvertedPart), kTxDcsInvertedPart) != 0;
    record.TxDCS = static_cast<std::int16_t>(t == 0xFF ? 0 : t + (inverted ? kInvertedOffset : 0));
}

void EncodeTones(RadioImage& image, const ChannelRecord& record, int address)
{
    // The first two bytes are built whole: the spare bit 6 of the first is written 0.
    std::uint8_t a0 = SetPart(0, kTxDcsInvertedPart, record.TxDCS > kInvertedOffset);
    const unsigned mode = record.RxComp                    ? kRxModeCompander
                          : record.RxDCS > kInvertedOffset ? kRxModeInverted
                                                           : 0;
    a0 = SetPart(a0, kRxModePart, mode);
    a0 = SetPart(a0, kRxCtcssHighPart, static_cast<unsigned>(record.RxCTCSS & 0x3C) / 4);
    std::uint8_t a1 = SetPart(0, kRxCtcssLowPart, static_cast<unsigned>(record.RxCTCSS & 3));
    a1 = SetPart(a1, kTxCtcssPart, static_cast<unsigned>(record.TxCTCSS & 0x3F));
    const std::uint8_t rxCode = CodeByte(record.RxDCS);
    const std::uint8_t txCode = CodeByte(record.TxDCS);
    image[address + kRxModePart.Offset] = a0;
    image[address + kTxCtcssPart.Offset] = a1;
    image[address + kRxDcsCodePart.Offset] = rxCode;
    image[address + kTxDcsCodePart.Offset] = txCode;
}

void DecodeUsaBank(RadioData& data)
{
    DecodeMarineBank(data, kUsaLayout);
}
void DecodeIntlBank(RadioData& data)
{
    DecodeMarineBank(data, kIntlLayout);
}
void DecodeCanadaBank(RadioData& data)
{
    DecodeMarineBank(data, kCanadaLayout);
}
void DecodeWxBank(RadioData& data)
{
    DecodeBank(data, kWxLayout);
}

void DecodeExpBank(RadioData& data)
{
    DecodeBank(data, kExpLayout);
    DecodeExpRecords(data, kExpLayout.Entries, kExpLayout.Count);
}

void EncodeUsaBank(RadioData& data)
{
    EncodeMarineBank(data, kUsaLayout);
}
void EncodeIntlBank(RadioData& data)
{
    EncodeMarineBank(data, kIntlLayout);
}
void EncodeCanadaBank(RadioData& data)
{
    EncodeMarineBank(data, kCanadaLayout);
}
void EncodeWxBank(RadioData& data)
{
    EncodeBank(data, kWxLayout);
}

void EncodeExpBank(RadioData& data)
{
    EncodeBank(data, kExpLayout);
    EncodeExpRecords(data, kExpLayout.Entries, kExpLayout.Count);
}

}  // namespace kelpie
