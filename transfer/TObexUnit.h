// One OBEX connection to the watch: fetch a watch file into a local file, put a local file or
// a short command text to the watch, with a byte counter line in the log.
#pragma once

#include <cstdint>
#include <string>

class ObexLog;

class TObexUnit
{
public:
    // Result codes of the operations; 0 is success.
    enum : int {
        kConnectFailed = -5001,
        kOpenFailed = -5002,
        kPutRejected = -5003,
        kGetFailed = -5004,
        kCloseFailed = -5005,
        kLocalOpenFailed = -1001,
        kLocalCreateFailed = -1002,
        kLocalReadFailed = -1004,
        kLocalWriteFailed = -1005,
    };
    static constexpr int kBlockSize = 256;

    TObexUnit(uint8_t interfaceCode, ObexLog& log);
    ~TObexUnit();
    TObexUnit(const TObexUnit&) = delete;
    TObexUnit& operator=(const TObexUnit&) = delete;

    int Connect();
    void Disconnect();
    // expectedSize -1: no size known, the progress line shows the byte count alone.
    int GetFile(const char* localPath, const char* remoteName, int expectedSize);
    int PutFile(const char* localPath, const char* remoteName);
    // Puts the text and its terminating zero as the whole remote file; at most 255 bytes of text.
    int PutCommand(const char* text, const char* remoteName);

private:
    void StartProgress(int size);
    void UpdateProgress();
    // Abandons the open transfer and passes the failure code on.
    int Fail(int code);
    // Closes the open transfer: 0 when the peer accepted it, kCloseFailed otherwise.
    int Finish();

    uint8_t interfaceCode_;
    int connection_ = 0;
    int transfer_ = 0;
    int byteTotal_ = 0;
    std::string progressSuffix_; // after the byte total: "/<size> byte" or " byte"
    ObexLog& log_;
};
