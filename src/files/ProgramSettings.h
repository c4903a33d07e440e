// ProgramSettings.h — what the program keeps in the per-user settings: serial port, model, the
// destination chosen per model and the main window's geometry.
#pragma once

#include <string>

#include "files/SettingsStore.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

constexpr int kDefaultCommPort = 1;
constexpr int kDefaultModelIndex = 5;
constexpr const char* kDefaultDestination = "usa";

// ModelIndex (with ModelName) and CommPort; a value missing, not a number or out of range gives
// the default.
void ReadSettings(const SettingsStore& store, RadioData& data, ShellState& shell);
void StoreCommPort(SettingsStore& store, const ShellState& shell);
void StoreModelIndex(SettingsStore& store, const RadioData& data);
// Whether a model was ever stored: not on the very first start.
bool HasStoredModel(const SettingsStore& store);

// The destination whose default image was last loaded for the model, "usa" when none was.
std::string RememberedDestination(const SettingsStore& store, int modelIndex);
void StoreDestination(SettingsStore& store, int modelIndex, const std::string& destination);

// The main window's position and size in twips, written at exit.
struct WindowGeometry
{
    int Left;
    int Top;
    int Width;
    int Height;
};
void StoreWindowGeometry(SettingsStore& store, const WindowGeometry& geometry);

}  // namespace kelpie
