// ShellState.h — the program-wide state every operation reads and reports through.
#pragma once

#include <string>

namespace kelpie {

class EditHistory;

// What the running program is doing with the radio link.
enum TransferModeKind : int {
    kTransferRead = 0,
    kTransferProgram = 1,
    kTransferClearDistress = 2,
    kTransferVerify = 3  // the radio read into a separate image and compared with the data
};

struct ShellState
{
    std::string ProductName = "Kelpie";
    std::string ProgramTitle = "PC Program for MV230";
    std::string ModelName = "MV230";
    int CommPort = 1;    // serial port 1..4
    int RetryCount = 1;  // attempts for each radio block command
    std::string CurrentFileName;
    // The size and time of CurrentFileName when it was opened or last saved, so that a save
    // notices another program's (or another window's) change; empty with no file.
    std::string CurrentFileStamp;
    bool DebugMode = false;    // the "/D" switch: error log, debug displays, hex file keys
    std::string ErrorLogPath;  // where err.log goes, chosen at start-up; the serial trace sits beside it
    bool DataChanged = false;
    // The undo history of the records, kept by the edit layer for the window; none when headless.
    EditHistory* History = nullptr;
    bool ErrorFlag = false;   // the last file or radio operation failed
    bool CancelFlag = false;  // the last file or radio operation was cancelled or did not complete
    bool BusyFlag = false;
    int TransferMode = kTransferRead;
    bool TransferDone = false;
    // What a write that stopped halfway left in the radio, kept until the next complete write.
    std::string PartlyProgrammed;
    // A radio of another model that the last model check recognised: its model index (-1 when
    // none) and the sentence that tells the user.
    int RadioModelIndex = -1;
    std::string RadioModelText;
};

}  // namespace kelpie
