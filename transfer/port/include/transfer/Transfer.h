#pragma once

#include <string>

#include "transfer/Port.h"
#include "transfer/PortConfig.h"
#include "transfer/TransferStream.h"
#include "transfer/TransferWindow.h"

namespace sendrik {

// Writes through the port until done; writes nothing once the stop flag is set. A
// failure while the flag is clear shows "Port Writing Error: %d" and sets the flag.
class CPortWriter final : public CWriter {
public:
    CPortWriter(ITransferLine& port, int& stopFlag, ITransferWindow& window)
        : m_port(port), m_stop(stopFlag), m_window(window) {}
    void Write(const std::uint8_t* bytes, std::size_t count) override;

private:
    ITransferLine& m_port;
    int& m_stop;
    ITransferWindow& m_window;
};

// Returns what is waiting on the port, up to the capacity; 0 at once when nothing is.
class CPortReader final : public CReader {
public:
    explicit CPortReader(ITransferLine& port) : m_port(port) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t capacity) override;

private:
    ITransferLine& m_port;
};

// Sends one file through the open port with the configuration's send options. Returns
// true to go on with further files (also after Cancel), false when the file could not
// be opened or read, or the start delay was cancelled.
bool SendFile(ITransferLine& port, const CPortConfig& config, const std::string& path,
              ITransferWindow& window);

// Receives from the open port into `path` with the configuration's receive options,
// until Cancel, the second "%" or the loss of the port (told as a message); closes the
// port when done.
void ReceiveToFile(ITransferLine& port, const CPortConfig& config, const std::string& path,
                   ITransferWindow& window);

// The receive procedure with the file already open: stores through `writer` and names
// the destination `target` in the progress window's title. ReceiveToFile opens the
// file, calls this and checks what was written.
void ReceiveThrough(ITransferLine& port, const CPortConfig& config, CWriter& writer,
                    const std::string& target, ITransferWindow& window);

// Message texts (%s: the path; %d: the error number).
inline constexpr const char* kMsgUnableToOpenFile = "Unable to open file %s";
inline constexpr const char* kMsgFailedToOpenFile = "Failed to open file!";
inline constexpr const char* kMsgFileReadError =
    "Failed to read file %s.\nThe program was not sent completely.";
inline constexpr const char* kMsgPortLost = "The port %s is gone";
inline constexpr const char* kMsgReceivedKept = "What arrived before was kept.";
inline constexpr const char* kMsgPortWritingError = "Port Writing Error: %d";
inline constexpr const char* kStatusSending = "Sending...";
inline constexpr const char* kStatusWaiting = "Waiting...";
inline constexpr const char* kStatusError = "Error!!!";
inline constexpr const char* kStatusWaitingForData = "Waiting for data...";
inline constexpr const char* kStatusReceiving = "Receiving...";

}  // namespace sendrik
