#include "transfer/Transfer.h"

#include <cstdio>
#include <filesystem>

namespace sendrik {

namespace {

std::string Fill(std::string text, std::string_view what, std::string_view with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

constexpr std::size_t kBlockSize = 512;

}  // namespace

void CPortWriter::Write(const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (m_stop == 0 && done < count) {
        std::size_t written = 0;
        if (!m_port.Write(bytes + done, count - done, written)) {
            if (m_stop == 0) {
                std::string message =
                    Fill(kMsgPortWritingError, "%d", std::to_string(m_port.LastError()));
                if (!m_port.LastErrorText().empty()) message += "\n" + m_port.LastErrorText();
                m_window.ShowMessage(message);
                m_stop = 1;
            }
            return;
        }
        done += written;
    }
}

std::size_t CPortReader::Read(std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t waiting = m_port.BytesWaiting();
    if (waiting == 0) return 0;
    std::size_t read = 0;
    if (!m_port.Read(buffer, std::min(waiting, capacity), read)) return 0;
    return read;
}

bool SendFile(ITransferLine& port, const CPortConfig& config, const std::string& path,
              ITransferWindow& window) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    // A folder opens for reading here but holds no program: sending it would send only
    // the header and trailer and look like success.
    std::error_code dirError;
    if (file && std::filesystem::is_directory(path, dirError)) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        window.ShowMessage(Fill(kMsgUnableToOpenFile, "%s", path));
        return false;
    }
    if (config.m_send.m_nDelaySeconds > 0 &&
        !window.RunTransferDelay(path, config.m_send.m_nDelaySeconds)) {
        std::fclose(file);
        return false;
    }
    std::error_code ec;
    const std::uintmax_t length = std::filesystem::file_size(path, ec);

    int& stop = window.StopFlag();
    window.SetMainWindowEnabled(false);
    stop = 0;
    window.ShowProgress("Sending file " + path, true, "");
    window.SetStatusText(kStatusSending);

    CFileReader reader(file);
    CPortWriter writer(port, stop, window);
    CTransferStream stream(config.m_send, stop, writer);
    if (ITransferLineSubscriber* subscriber = window.LineSubscriber())
        stream.AddSubscriber(subscriber);
    stream.Begin();

    std::uint8_t block[kBlockSize];
    std::uintmax_t total = 0;
    int position = 0;
    std::size_t count = reader.Read(block, kBlockSize);
    while (count > 0 && stop == 0) {
        stream.Process(block, count);
        window.PumpMessages();
        total += count;
        const int percent =
            (ec || length == 0)
                ? 100
                : static_cast<int>(std::min<std::uintmax_t>(100, total * 100 / length));
        if (percent != position) {
            window.SetProgressPos(percent);
            position = percent;
        }
        count = reader.Read(block, kBlockSize);
    }
    // A read error ends the loop like the end of the file; the machine then has only
    // part of the program, which the user must hear of.
    const bool readFailed = stop == 0 && std::ferror(file) != 0;
    stream.End();
    // The device may still hold several seconds' worth at a low baud rate: the transfer
    // is over when the machine has it, and closing the port must not freeze the window.
    // A program that ended at its second "%" is sent in full too; only Cancel (or a
    // write error) drops what the device still holds.
    const bool endedAtPercent = stream.EndedAtPercent();
    if (endedAtPercent) stop = 0;
    if (stop == 0) port.Drain();
    if (endedAtPercent) stop = 1;

    window.HideProgress();
    window.SetMainWindowEnabled(true);
    std::fclose(file);
    window.SetPortSettingsText("");
    window.SetStatusText("");
    if (readFailed) {
        window.ShowMessage(Fill(kMsgFileReadError, "%s", path));
        return false;
    }
    window.FileSent(path, total, stop == 0 || endedAtPercent);
    return true;
}

void ReceiveToFile(ITransferLine& port, const CPortConfig& config, const std::string& path,
                   ITransferWindow& window) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        window.ShowMessage(kMsgFailedToOpenFile);
        port.Close();
        return;
    }
    CFileWriter writer(file);
    ReceiveThrough(port, config, writer, path, window);
    const bool writeFailed = writer.Failed() || std::fflush(file) != 0 || std::ferror(file);
    std::fclose(file);
    if (writeFailed)
        window.ShowMessage("Failed to write file " + path +
                           ".\nThe received program may be incomplete.");
}

void ReceiveThrough(ITransferLine& port, const CPortConfig& config, CWriter& writer,
                    const std::string& target, ITransferWindow& window) {
    int& stop = window.StopFlag();
    stop = 0;
    window.ShowProgress("Storing data to file " + target, false, kStatusWaitingForData);
    window.SetMainWindowEnabled(false);
    window.SetStatusText(kStatusWaitingForData);

    CPortReader reader(port);
    CTransferStream stream(config.m_receive, stop, writer);
    if (ITransferLineSubscriber* subscriber = window.LineSubscriber())
        stream.AddSubscriber(subscriber);
    stream.Begin();

    std::uint8_t block[kBlockSize];
    bool receiving = false;
    bool lost = false;
    while (stop == 0) {
        const std::size_t count = reader.Read(block, kBlockSize);
        if (count > 0) {
            stream.Process(block, count);
            if (!receiving) {
                window.SetStatusText(kStatusReceiving);
                receiving = true;
            }
        }
        if (!lost && port.DeviceLost()) {
            // Nothing more can arrive: the receive ends, keeping what came.
            window.SetStatusText(kStatusError);
            lost = true;
            std::string message = Fill(kMsgPortLost, "%s", port.LineName());
            message += port.LastErrorText().empty() ? "." : ": " + port.LastErrorText();
            window.ShowMessage(message + "\n" + kMsgReceivedKept);
            stop = 1;
        }
        window.PumpMessages();
        // While the line is idle the loop sleeps until data or a window event arrives.
        if (count == 0 && stop == 0) port.WaitForData(50);
    }
    stream.End();

    window.HideProgress();
    window.SetMainWindowEnabled(true);
    port.Close();
    window.SetPortSettingsText("");
    window.SetStatusText("");
}

}  // namespace sendrik
