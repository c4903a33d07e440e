// FuzzSupport.h — what the file fuzz targets share: a window that answers every message box, and
// the reset records of every model to load into.
#pragma once

#include <string_view>
#include <vector>

#include "files/FileUi.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie::fuzz {

class SilentUi : public FileUi
{
public:
    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::Ok;
    }
    void Pause(int) override {}
};

// The records and image of every model after the reset, built once.
inline const std::vector<RadioData>& ResetModels()
{
    static const std::vector<RadioData> models = [] {
        std::vector<RadioData> reset;
        for (int model = 0; model < kModelCount; ++model) {
            reset.emplace_back(model);
            ResetEditModel(reset.back());
        }
        return reset;
    }();
    return models;
}

}  // namespace kelpie::fuzz
