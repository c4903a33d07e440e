// Models.h — the radio models: identity, image size and the features each one has.
#pragma once

#include <cstdint>
#include <string>

namespace kelpie {

constexpr int kModelCount = 7;

// One row of the model table.
struct ModelInfo
{
    int Index;
    const char* Model;      // the radio's own model name
    const char* Name;       // the name the program shows and writes as MODEL
    std::uint16_t Code;     // model code, big-endian at 0x0040 and in the last two bytes
    int ImageSize;          // bytes of programming memory
    int LastAddress;        // last address of the image
    const char* BankEName;  // "EXP" or "LMR"
};

// What the models differ in; one row per model, read only through the predicates below.
struct ModelFeatures
{
    bool channelNames;  // ChTag in the image, and the weather and bank E names
    bool dsc;           // DSC setup (basic, advanced, display) and both MMSI directories
    bool atisKillerDecode;
    bool atisKillerEncode;
    bool atisCallSigns;
    bool offsetTime;  // Offset Time and Magnetic Variation in the common setup
    bool rotaryBeepDecode;
    bool rotaryBeepEncode;
    bool lmrBank;            // bank E named LMR, with tones, compander, narrow and scrambler
    bool clearUnusedGroups;  // usable flags of groups without enabled channels cleared on encode
    int toneBlockOffset;     // where the tone block starts in a bank E record; 0: no tone block
    bool accessCode;         // four-digit code at 0x00AE–0x00AF, on/off in bit 2 of 0x00A8
    int freshByte004D;       // value of 0x004D in a fresh image; -1 leaves the fill value
    bool priorityPreWrite;   // priority channel words rewritten by the pre-write check
    bool callSignsPreWrite;  // ATIS call-sign table rewritten by the pre-write check
};

bool IsValidModelIndex(int modelIndex);

// The row of a model; an index outside 0..6 is a programming error (std::out_of_range).
const ModelInfo& ModelOf(int modelIndex);
const ModelFeatures& FeaturesOf(int modelIndex);

std::string ModelNameOf(int modelIndex);
// The radio's own name (MF7500S … MV230E), the one the window and its start page show; ModelNameOf
// gives the name a data file writes, shared by models 0, 1 and 3.
std::string RadioNameOf(int modelIndex);
int ExpectedImageFileLength(int modelIndex);

inline bool HasChannelNames(int m)
{
    return FeaturesOf(m).channelNames;
}
inline bool HasDsc(int m)
{
    return FeaturesOf(m).dsc;
}
// The radios with DSC keep a log of distress calls that the program can clear.
inline bool HasDistressLog(int m)
{
    return FeaturesOf(m).dsc;
}
inline bool DecodesAtisKillers(int m)
{
    return FeaturesOf(m).atisKillerDecode;
}
inline bool EncodesAtisKillers(int m)
{
    return FeaturesOf(m).atisKillerEncode;
}
inline bool HasAtisCallSigns(int m)
{
    return FeaturesOf(m).atisCallSigns;
}
inline bool HasOffsetTime(int m)
{
    return FeaturesOf(m).offsetTime;
}
inline bool DecodesRotaryBeep(int m)
{
    return FeaturesOf(m).rotaryBeepDecode;
}
inline bool EncodesRotaryBeep(int m)
{
    return FeaturesOf(m).rotaryBeepEncode;
}
inline bool HasLmrBank(int m)
{
    return FeaturesOf(m).lmrBank;
}
inline bool ClearsUnusedGroups(int m)
{
    return FeaturesOf(m).clearUnusedGroups;
}
inline bool HasToneBlock(int m)
{
    return FeaturesOf(m).toneBlockOffset != 0;
}
inline int ToneBlockOffset(int m)
{
    return FeaturesOf(m).toneBlockOffset;
}
inline bool HasAccessCode(int m)
{
    return FeaturesOf(m).accessCode;
}
inline bool RewritesPriorityBeforeWrite(int m)
{
    return FeaturesOf(m).priorityPreWrite;
}
inline bool RewritesCallSignsBeforeWrite(int m)
{
    return FeaturesOf(m).callSignsPreWrite;
}

}  // namespace kelpie
