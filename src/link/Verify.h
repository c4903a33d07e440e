// Verify.h — reading the radio back to check that it holds what a program run of the data sends.
#pragma once

#include <string>
#include <vector>

#include "link/LinkContext.h"
#include "report/Compare.h"

namespace kelpie {

// What a verify found: the radio's programming, read as a read reads it, and how it differs from
// the data being edited.
struct VerifyOutcome
{
    RadioData Radio;
    std::vector<Difference> Differences;
};

// The image bits a program run sends and the radio then holds as sent: the write map for the
// image's usable groups, less the bytes the radio keeps to itself (0x005A, bit 2 of 0x00A8).
ImageBits ProgramRunBits(const RadioImage& image, int lastAddress);

// The image passes a program run makes before it writes: the encode and the pre-write check. An
// encode overflow is a "Data Error!!" and leaves the port closed; false then.
bool PrepareProgramRun(LinkContext& link, RadioData& data);

// What a verify leaves out on the models with directories: "" on the others.
std::string NotComparedWithRadio(int modelIndex);

// The result of a verify: the radio holds exactly this programming, or how many differences.
std::string VerifyResultText(std::size_t differences);

// The radio checked against the data being edited: the status and model checks and the read map
// into outcome.Radio (never into the data being edited), then the compare limited to what a
// program run of the data writes. True when the read completed, equal or not. The run shows no
// box of its own when it completes: the front end shows the result with the differences.
bool RunVerify(LinkContext& link, VerifyOutcome& outcome);

}  // namespace kelpie
