// SettingsFields.h — every radio-wide setting described once: where the image keeps it, the
// record member it fills, the models that hold it, its data-file key, its label and its line in the
// listings. The settings codec, the data file, the compare, the memory map, the listings and the
// settings pages' captions all read this table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/RadioData.h"

namespace kelpie {

// The record a setting belongs to, in the order the codec passes them.
enum class SettingsRecord {
    UsableGroups,
    CommonSetup,
    DscBasic,
    DscAdvanced,
    DscDisplay,
    AtisCommon,
    AtisCallSigns
};

// How the image holds a setting.
enum class Storage {
    Bits,     // Width bits of one byte, the most significant at Top; a one-bit field is on for 1
    Byte,     // a whole byte; a value outside 0..255 does not fit
    Word,     // a combined channel index, big-endian; a negative value is 0xFF 0xFF
    Routine,  // Length bytes kept by the row's own Decode and Encode
    None      // not in the image: the record alone keeps it
};

using ModelPredicate = bool (*)(int modelIndex);

// How the data file writes a setting under its key, and what its reader takes back.
enum class FileForm {
    Flag,             // "1" or "0"; any number is read, 0 as off
    Absolute,         // a whole number in First..Last, written as its absolute value
    Signed,           // a whole number in First..Last, written with its sign
    PriorityChannel,  // Signed, then the group's preset list under the key's "-Cmb n" keys
    StatusName,       // the text; read back right-aligned in four characters, as its box keeps it
    AtisCode,         // the text after a "#"
    UserMmsi,         // ten digits, or empty for none; anything else is not taken
    CallSigns         // per call-sign row n from 1, its two texts after a "#" under the key's names
};

// The data file's settings sections.
constexpr std::string_view kUsableSection = "Usable CH Group Setup";
constexpr std::string_view kCommonSection = "Common Setup";
constexpr std::string_view kAtisSection = "ATIS Setup (Common)";
constexpr std::string_view kDscSection = "DSC Setup";
constexpr std::string_view kCallSignSection = "ATIS Setup (Call Sign)";

struct SettingsField;
using FieldRoutine = void (*)(RadioData& data, const SettingsField& field);

struct SettingsField
{
    SettingsRecord Record;
    const char* Member;  // the record member, as the code names it
    Storage Kind;
    int Address;
    int Top;     // Bits: the field's most significant bit
    int Width;   // Bits: its width
    int Length;  // bytes from Address the field covers
    // The models whose image holds the field (nullptr: every model); the codec reads it on the
    // Decoded models and writes it on the Encoded ones.
    ModelPredicate Decoded;
    ModelPredicate Encoded;
    // A numeric member, element Index of its array; rows over a text member leave them empty.
    std::int64_t (*Get)(const RadioData& data, int index);
    void (*Set)(RadioData& data, int index, std::int64_t value);
    int Index;
    // The rows with a rule of their own; empty: the plain read or write of Kind.
    FieldRoutine Decode;
    FieldRoutine Encode;
    // The data file's section and key that carry the member; an empty key: the file carries it
    // another way (the preset bytes) or not at all.
    std::string_view Section;
    std::string Key;
    // How the file writes and reads the value; the numbers First..Last the reader takes, what the
    // image field can hold; the models whose files carry the key (nullptr: every model); the key's
    // place in its section: the file lists the keys by place, those of one place in table order.
    FileForm Form;
    std::int64_t First;
    std::int64_t Last;
    ModelPredicate Filed;
    int FilePlace;
    // The listing's words: a group's field is named after its group ("USA Enable", "INTL").
    int Group;  // channel group 0..3, or -1
    std::string Label;
    // The compare's text of the value (the record's value as the listing shows it).
    std::string (*Shown)(const RadioData& data, const SettingsField& field);
    // The models whose compare shows the field (nullptr: every model).
    ModelPredicate Compared;
    const char* Page;  // the page tree's key of the page that edits it
    // The listings. ListLine places the field's line in its record's section (0: not listed); the
    // fields that share a ListLine share the line, in table order: one value per group, or a call
    // and its TX power. The line shows the models the field is decoded on.
    int ListLine;
    // The bracketed subheading the line opens ("Scanning Function"); the pages title their frames
    // with it. nullptr: none.
    const char* ListHeading;
    // The line's label where it is not Label: the text over a value per group ("Usable ATIS CH
    // Group"), or a call category under its call ("Distress").
    std::string ListLabel;
    int ListWidth;  // the text listing's width of the value; 0: the text as it is
    // The listing's text of the value where it is not the compare's; nullptr: Shown.
    std::string (*ListText)(const RadioData& data, const SettingsField& field);
    // The models whose printed listing shows the line, and its label there where it is not the
    // text listing's.
    ModelPredicate Printed;
    std::string PrintLabel;
};

// Every row, grouped by record in codec order.
std::span<const SettingsField> SettingsFields();
// The rows of one record.
std::span<const SettingsField> SettingsFieldsOf(SettingsRecord record);

inline bool IsOn(ModelPredicate models, int modelIndex)
{
    return models == nullptr || models(modelIndex);
}

// The label with its group's name ("USA Enable", "LMR usable") for the model.
std::string FieldLabel(const SettingsField& field, int modelIndex);

// The row of the member ("CommonSetup.Scan", "UsableGroups[g].Enable") and element; throws
// std::out_of_range when there is none.
const SettingsField& SettingsFieldOf(std::string_view member, int index = 0);

// The bits of field's bytes that it holds (0xFF for a whole byte).
std::uint8_t FieldMask(const SettingsField& field);

// Marks in bits, one byte per image address, the bits of every row the model decodes.
void AddSettingsBits(std::span<std::uint8_t, kImageSize> bits, int modelIndex);

// Reads or writes every row of the record that the model decodes or encodes. Encoding a value
// that does not fit its field throws EncodeOverflowError.
void DecodeFields(RadioData& data, SettingsRecord record);
void EncodeFields(RadioData& data, SettingsRecord record);
// Writes one row, whatever the model.
void EncodeField(RadioData& data, const SettingsField& field);

}  // namespace kelpie
