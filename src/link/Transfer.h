// Transfer.h — moving the image between PC and radio: block commands, the walks, the runs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "link/LinkContext.h"

namespace kelpie {

// PortOpen for a data procedure; a port that cannot be opened raises ErrorFlag and is reported.
bool OpenForTransfer(LinkContext& link);

// The end of every walk: the port closed, and a failure that was not a cancel reported under place
// in the error log and with title in a message.
void FinishWalk(LinkContext& link, std::string_view place, std::string_view title);
// The title of a failed read's messages: "Read from Radio", or the verify's own caption when the
// read is a verify's.
std::string_view ReadTitle(const LinkContext& link);
// ErrorFlag or CancelFlag raised.
bool TransferFailed(const LinkContext& link);

// "#CEPRD": length radio bytes at address into buffer at the same address. Outcome in ErrorFlag
// and CancelFlag.
void ReadBlock(LinkContext& link, RadioImage& buffer, int address, int length);
// The "#CEPDT" data reply of an acknowledged read request.
void ReceiveBlockData(LinkContext& link, RadioImage& buffer, int address, int length);
// "#CEPWR": length image bytes from address. True when the request went out to the radio, in any
// attempt, acknowledged or not.
bool WriteBlock(LinkContext& link, int address, int length);
// CAN, answered by ACK: the radio leaves its reading state. Raises CancelFlag. The ACK is awaited
// briefly, so that a cancel against a port where nothing answers still ends at once.
void AbortRead(LinkContext& link);

// The read walk into buffer, which starts as a copy of the image; the port is closed at its end.
void ReadData(LinkContext& link, RadioImage& buffer);
// The write walk; takes the radio's own bytes at 0x005A and bit 2 of 0x00A8 into the image first.
// The last address it sent goes to link.WrittenUpTo; a failure is left to the run to report.
void WriteData(LinkContext& link);

// What a write that stopped after its first block left in the radio.
std::string PartlyProgrammedText(int writtenUpTo, int lastAddress);
// After a write run that did not complete: a radio that received blocks holds a mix of old and new
// programming, said in a message and kept in PartlyProgrammed; a cancel before the first block
// changed nothing, and says so.
void ReportUnfinishedWrite(LinkContext& link);

// The progress bar at a block start: its share of the image in whole percent.
void ReportProgress(LinkContext& link, int address);
// Values above 100 show as 100.
void ShowProgress(LinkContext& link, double percent);

// Status check, model check and the data procedure, in the frame every run shares; true when the
// run completed, and then TransferDone is raised and completeText shown (no box when it is empty).
bool RunChecked(LinkContext& link, std::string_view monitorText, const std::function<bool()>& transfer,
                std::string_view completeText = "Complete!!");

// The read walk into target's image, which is replaced, and decoded, only when the whole read
// completed. True then.
bool ReadImageInto(LinkContext& link, RadioData& target);
// A read run: the image is replaced, and decoded, only when the whole read completed. The group
// directory, which no read reaches, is then empty.
bool RunRead(LinkContext& link);
// A write run of the image as it stands (encoded and checked by the caller). A complete run clears
// PartlyProgrammed; one that stopped reports what the radio now holds.
bool RunWrite(LinkContext& link);

}  // namespace kelpie
