// ChannelCodec.cpp — decoding and encoding the five channel banks.
#include "model/ChannelCodec.h"

#include <algorithm>

#include "model/Format.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/Text.h"

namespace kelpie {

namespace {

// Where a bank lives in the image.
struct BankLayout
{
    int enableBits;
    int scanBits;
    int bitBytes;
    int names;
    int nameCount;
    int entries;  // marine entries or bank E records
    int entryCount;
};

constexpr int kNameLength = 12;
constexpr int kExpRecordSize = 16;

constexpr BankLayout kUsaLayout{0x0100, 0x0120, 30, 0x0C00, kMarineChannelCount, 0x0300, kMarineChannelCount};
constexpr BankLayout kIntlLayout{
    0x0140, 0x0160, 30, 0x1740, kMarineChannelCount, 0x0500, kMarineChannelCount};
constexpr BankLayout kCanadaLayout{
    0x0180, 0x01A0, 30, 0x2280, kMarineChannelCount, 0x0700, kMarineChannelCount};
constexpr BankLayout kWxLayout{0x01C0, 0x01D0, 2, 0x2DC0, kWxChannelCount, 0, 0};
constexpr BankLayout kExpLayout{0x01C2, 0x01D2, 5, 0x2E40, kExpChannelCount, 0x0900, kExpChannelCount};

// The flags byte of marine entries and bank E records.
constexpr int kModeTop = 7;    // bits 7–6 transmit mode
constexpr int kDuplexBit = 5;  // marine: Duplex; bank E: ClockShift
constexpr int kPowUpBit = 4;
constexpr int kScrambleTop = 3;  // bits 3–1
constexpr int kNarrowBit = 0;    // bank E only

constexpr int kModeLowPower = 1;
constexpr int kModeTransmit = 3;  // transmits, not low power, no stored mode

// The tone block.
constexpr int kTxDcsInvertedBit = 7;
constexpr int kRxModeTop = 5;  // bits 5–4 of the first byte
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

std::uint8_t ModeByte(unsigned mode)
{
    if (mode > 3) {
        throw EncodeOverflowError("transmit mode " + std::to_string(mode) + " does not fit two bits");
    }
    return SetField(0, kModeTop, 2, mode);
}

std::uint8_t CodeByte(int value)
{
    const int code = value > kInvertedOffset ? value - kInvertedOffset : value;
    if (code < 0 || code > 0xFF) {
        throw EncodeOverflowError("DCS value " + std::to_string(value) + " does not fit a byte");
    }
    return static_cast<std::uint8_t>(code);
}

void DecodeBank(RadioData& data, ChannelBank& bank, const BankLayout& layout)
{
    const RadioImage& image = data.RadioImage;
    DecodeBits(image, bank, layout.enableBits, layout.bitBytes, &ChannelRecord::Enable);
    DecodeBits(image, bank, layout.scanBits, layout.bitBytes, &ChannelRecord::ScanMemory);
    if (HasChannelNames(data.ModelIndex)) {
        DecodeNames(image, bank, layout.names, layout.nameCount);
    }
}

void EncodeBank(RadioData& data, ChannelBank& bank, const BankLayout& layout)
{
    RadioImage& image = data.RadioImage;
    EncodeBits(image, bank, layout.enableBits, layout.bitBytes, &ChannelRecord::Enable);
    EncodeBits(image, bank, layout.scanBits, layout.bitBytes, &ChannelRecord::ScanMemory);
    if (HasChannelNames(data.ModelIndex)) {
        EncodeNames(image, bank, layout.names, layout.nameCount);
    }
}

void DecodeMarineBank(RadioData& data, ChannelBank& bank, const BankLayout& layout)
{
    DecodeBank(data, bank, layout);
    DecodeMarineEntries(data.RadioImage, bank, layout.entries, layout.entryCount);
}

void EncodeMarineBank(RadioData& data, ChannelBank& bank, const BankLayout& layout)
{
    EncodeBank(data, bank, layout);
    EncodeMarineEntries(data.RadioImage, bank, layout.entries, layout.entryCount);
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
        const std::uint8_t b = image[start + 2 * k];
        const unsigned mode = GetField(b, kModeTop, 2);
        ch.TXPower = static_cast<std::uint8_t>(mode);
        ch.TxEnable = mode != 0;
        ch.LowPower = mode == kModeLowPower;
        ch.Duplex = GetBit(b, kDuplexBit);
        ch.PowUp = GetBit(b, kPowUpBit);
        ch.Scramble = static_cast<std::int16_t>(GetField(b, kScrambleTop, 3));
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
        std::uint8_t b = ModeByte(mode);
        b = SetBit(b, kDuplexBit, ch.Duplex && ch.DuplexAllowed);
        b = SetBit(b, kPowUpBit, ch.PowUp);
        b = SetField(b, kScrambleTop, 3, static_cast<unsigned>(ch.Scramble));
        image[start + 2 * k] = b;
    }
}

void DecodeExpRecords(RadioData& data, int start, int count)
{
    const RadioImage& image = data.RadioImage;
    for (int k = 0; k < Count(data.ExpChannels, count); ++k) {
        ChannelRecord& ch = At(data.ExpChannels, k);
        const int r = start + kExpRecordSize * k;
        const std::uint8_t b = image[r];
        const unsigned mode = GetField(b, kModeTop, 2);
        ch.TXPower = static_cast<std::uint8_t>(mode);
        ch.LowPower = mode == kModeLowPower;
        ch.ClockShift = GetBit(b, kDuplexBit);
        ch.PowUp = GetBit(b, kPowUpBit);
        ch.Scramble = static_cast<std::int16_t>(GetField(b, kScrambleTop, 3));
        ch.Narrow = GetBit(b, kNarrowBit);
        ch.CHDisplayL = ReadText(image, r + 1, 2);
        ch.CHDisplayR = ReadText(image, r + 3, 2);
        ch.Rxfreq = DecodeFreq(image, r + 5);
        ch.Txfreq = DecodeFreq(image, r + 8);
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
        const int r = start + kExpRecordSize * k;
        std::uint8_t b = ModeByte(ch.LowPower ? kModeLowPower : ch.TXPower);
        b = SetBit(b, kDuplexBit, ch.ClockShift);
        b = SetBit(b, kPowUpBit, ch.PowUp);
        b = SetField(b, kScrambleTop, 3, static_cast<unsigned>(ch.Scramble));
        b = SetBit(b, kNarrowBit, ch.Narrow);
        image[r] = b;
        WriteText(image, r + 1, ch.CHDisplayL, 2, true);
        WriteText(image, r + 3, ch.CHDisplayR, 2, true);
        EncodeFreq(image, r + 5, ch.Rxfreq);
        EncodeFreq(image, r + 8, ch.Txfreq);
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
    const std::uint8_t a0 = image[address];
    const std::uint8_t a1 = image[address + 1];
    const auto zeroWhen63 = [](unsigned v) { return static_cast<std::int16_t>(v == 63 ? 0 : v); };
    record.RxCTCSS = zeroWhen63(GetField(a0, 3, 4) * 4 + GetField(a1, 7, 2));
    record.TxCTCSS = zeroWhen63(GetField(a1, 5, 6));

    unsigned mode = GetField(a0, kRxModeTop, 2);
    if (mode == 3) {
        mode = 0;
    }
    const std::uint8_t d = image[address + 2];
    const int rxCode = d == 0xFF ? 0 : d;
    record.RxDCS = static_cast<std::int16_t>(mode == kRxModeInverted ? rxCode + kInvertedOffset : rxCode);
    record.RxComp = mode == kRxModeCompander;

    const std::uint8_t t = image[address + 3];
    record.TxDCS =
        static_cast<std::int16_t>(t == 0xFF ? 0 : t + (GetBit(a0, kTxDcsInvertedBit) ? kInvertedOffset : 0));
}

void EncodeTones(RadioImage& image, const ChannelRecord& record, int address)
{
    std::uint8_t a0 = 0;
    std::uint8_t a1 = 0;
    a0 = SetBit(a0, kTxDcsInvertedBit, record.TxDCS > kInvertedOffset);
    const unsigned mode = record.RxComp                    ? kRxModeCompander
                          : record.RxDCS > kInvertedOffset ? kRxModeInverted
                                                           : 0;
    a0 = SetField(a0, kRxModeTop, 2, mode);
    a0 = SetField(a0, 3, 4, static_cast<unsigned>(record.RxCTCSS & 0x3C) / 4);
    a1 = SetField(a1, 7, 2, static_cast<unsigned>(record.RxCTCSS & 3));
    a1 = SetField(a1, 5, 6, static_cast<unsigned>(record.TxCTCSS & 0x3F));
    const std::uint8_t rxCode = CodeByte(record.RxDCS);
    const std::uint8_t txCode = CodeByte(record.TxDCS);
    image[address] = a0;
    image[address + 1] = a1;
    image[address + 2] = rxCode;
    image[address + 3] = txCode;
}

void DecodeUsaBank(RadioData& data)
{
    DecodeMarineBank(data, data.UsaChannels, kUsaLayout);
}
void DecodeIntlBank(RadioData& data)
{
    DecodeMarineBank(data, data.IntlChannels, kIntlLayout);
}
void DecodeCanadaBank(RadioData& data)
{
    DecodeMarineBank(data, data.CanadaChannels, kCanadaLayout);
}
void DecodeWxBank(RadioData& data)
{
    DecodeBank(data, data.WxChannels, kWxLayout);
}

void DecodeExpBank(RadioData& data)
{
    DecodeBank(data, data.ExpChannels, kExpLayout);
    DecodeExpRecords(data, kExpLayout.entries, kExpLayout.entryCount);
}

void EncodeUsaBank(RadioData& data)
{
    EncodeMarineBank(data, data.UsaChannels, kUsaLayout);
}
void EncodeIntlBank(RadioData& data)
{
    EncodeMarineBank(data, data.IntlChannels, kIntlLayout);
}
void EncodeCanadaBank(RadioData& data)
{
    EncodeMarineBank(data, data.CanadaChannels, kCanadaLayout);
}
void EncodeWxBank(RadioData& data)
{
    EncodeBank(data, data.WxChannels, kWxLayout);
}

void EncodeExpBank(RadioData& data)
{
    EncodeBank(data, data.ExpChannels, kExpLayout);
    EncodeExpRecords(data, kExpLayout.entries, kExpLayout.entryCount);
}

}  // namespace kelpie
