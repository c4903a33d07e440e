// Handshake.h — finding the radio, synchronising with it, its status and its model.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "link/LinkContext.h"

namespace kelpie {

// Why a handshake failed, in the user's terms, when no other message has said it.
constexpr std::string_view kNothingAnsweredText =
    "Nothing answered on the serial port.\n"
    "Check the cable, the port, and that the radio was switched on in programming mode "
    "([PRESET]+[DOWN]+[SQL] held while turning on).";
constexpr std::string_view kNotSynchronisedText =
    "The radio did not acknowledge the synchronisation.\n"
    "Check that the radio was switched on in programming mode "
    "([PRESET]+[DOWN]+[SQL] held while turning on), then try again.";

// What the dialog shows while the radio leaves attempts unanswered: the link keeps the protocol's
// waits, so the user learns early that nothing answers, what to check and that Cancel stops.
std::string WaitingText(std::string_view device, int attempts);
// A conversation that broke off (the radio stopped answering, or answered wrongly): "Communication
// Error!!", what the radio now holds when that matters, and what to check: the cable, the port and
// the radio's programming mode.
std::string CommunicationErrorText(std::string_view device, std::string_view radioState = {});
// An attempt the radio left unanswered: counted, and the waiting text shown with the count.
void NoteUnanswered(LinkContext& link);
// The radio answered, or the run ended: the waiting text goes and the count starts again.
void ClearWaiting(LinkContext& link);

// "P" answered by "P", then "0".
bool ProbeRadio(LinkContext& link);
// Opens the port, probes, sends the adapter command, reopens the port and synchronises; the port is
// left open. False when it failed; unless the user cancelled, the user has then been told why.
bool StartSync(LinkContext& link);
// Two passes of "#CMDSY", each acknowledged within RetryCount attempts.
bool SyncCmdSy(LinkContext& link);

// The attempt loop of a command the radio acknowledges: transmit runs one attempt's transmission.
// Time-outs and refusals use up RetryCount attempts; when the last attempt was refused the user
// is asked whether to synchronise again, which earns one more attempt. True when acknowledged.
bool RunCommand(LinkContext& link, const std::function<void()>& transmit);

// "#CEPSR": true when the radio reports ready; a busy radio lets the user retry.
bool StatusCheck(LinkContext& link);

// The address of the model-code word the model check reads first.
int ModelCheckHeadAddress(int modelIndex);

// "This radio is an MV240; Kelpie is set for the MV230.", with the radio's own model names.
std::string OtherModelText(int radioModel, int setModel);

// Reads the radio's two model-code words and compares them with the model of the image; leaves
// ErrorFlag raised when the radio does not fit. A radio whose words are another model's is
// recognised: RadioModelIndex and RadioModelText say which it is, for the front end to tell. Words
// no model has are told at once as "ModelType Error !!".
void ReadDataChkModel(LinkContext& link);

// "Port initialization error!!" with the device and the system's reason.
void ShowPortError(LinkContext& link);

}  // namespace kelpie
