#include "transfer/TObexUnit.h"

#include "app/CommonData.h"
#include "obex/obx.h"
#include "transfer/ObexLog.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using LocalFile = std::unique_ptr<std::FILE, FileCloser>;

constexpr int kMaxCommandText = TObexUnit::kBlockSize - 1;

} // namespace

TObexUnit::TObexUnit(uint8_t interfaceCode, ObexLog& log) : interfaceCode_(interfaceCode), log_(log)
{
    const QString link = interfaceCode_ == 0 ? QStringLiteral(" : IrDA") : QStringLiteral(" : USB");
    log_.AddLine(ReefCommonData->GetMessageText(16) + link);
}

TObexUnit::~TObexUnit()
{
    if (transfer_ != 0 && connection_ != 0) {
        obx_abort(connection_, transfer_);
        transfer_ = 0;
    }
    if (connection_ != 0) {
        obx_disconnect(connection_);
        connection_ = 0;
    }
}

int TObexUnit::Connect()
{
    connection_ = obx_connect(interfaceCode_);
    return connection_ != 0 ? 0 : kConnectFailed;
}

void TObexUnit::Disconnect()
{
    obx_disconnect(connection_);
    connection_ = 0;
}

void TObexUnit::StartProgress(int size)
{
    byteTotal_ = 0;
    progressSuffix_ = size == -1 ? std::string(" byte") : "/" + std::to_string(size) + " byte";
    log_.AddLine(QString::number(byteTotal_) + QString::fromStdString(progressSuffix_));
}

void TObexUnit::UpdateProgress()
{
    log_.RewriteLastLine(QString::number(byteTotal_) + QString::fromStdString(progressSuffix_));
}

int TObexUnit::Fail(int code)
{
    obx_abort(connection_, transfer_);
    transfer_ = 0;
    return code;
}

int TObexUnit::Finish()
{
    if (obx_close(connection_, transfer_) != 0)
        return kCloseFailed;
    transfer_ = 0;
    return 0;
}

int TObexUnit::GetFile(const char* localPath, const char* remoteName, int expectedSize)
{
    LocalFile file(std::fopen(localPath, "wb"));
    if (!file)
        return kLocalCreateFailed;
    // Unbuffered, so that a failing disk shows on the block that failed and not after the
    // transfer has been reported as complete.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    transfer_ = obx_open(connection_, remoteName, OBX_FETCH);
    if (transfer_ == 0)
        return kOpenFailed;
    StartProgress(expectedSize);
    char block[kBlockSize];
    for (;;) {
        const int n = obx_get(connection_, transfer_, block, kBlockSize);
        if (n == -2) {
            return Finish();
        }
        // A count outside the buffer can only come from a broken engine; never trust it.
        if (n < 0 || n > kBlockSize)
            return Fail(kGetFailed);
        byteTotal_ += n;
        UpdateProgress();
        if (n > 0 && std::fwrite(block, 1, static_cast<size_t>(n), file.get()) != static_cast<size_t>(n))
            return Fail(kLocalWriteFailed);
    }
}

int TObexUnit::PutFile(const char* localPath, const char* remoteName)
{
    LocalFile file(std::fopen(localPath, "rb"));
    if (!file)
        return kLocalOpenFailed;
    struct stat info
    {
    };
    const int size = fstat(fileno(file.get()), &info) == 0 ? static_cast<int>(info.st_size) : 0;
    transfer_ = obx_open(connection_, remoteName, OBX_PUT);
    if (transfer_ == 0)
        return kOpenFailed;
    StartProgress(size);
    char block[kBlockSize];
    for (;;) {
        const size_t n = std::fread(block, 1, sizeof block, file.get());
        if (n == 0 && std::ferror(file.get()))
            return Fail(kLocalReadFailed);
        if (n == 0) {
            return Finish();
        }
        const int length = static_cast<int>(n);
        if (obx_put(connection_, transfer_, block, length) != length)
            return Fail(kPutRejected);
        byteTotal_ += length;
        UpdateProgress();
    }
}

int TObexUnit::PutCommand(const char* text, const char* remoteName)
{
    const size_t textLength = std::strlen(text);
    // The text and its zero must fit one block; a longer text would be cut or overrun it.
    if (textLength > static_cast<size_t>(kMaxCommandText))
        return kPutRejected;
    char block[kBlockSize] = {};
    int length = 0;
    if (textLength > 0) {
        std::memcpy(block, text, textLength);
        length = static_cast<int>(textLength) + 1;
        log_.AddLine(QString::fromLocal8Bit(text));
    } else {
        log_.AddLine(QString::fromLocal8Bit(remoteName));
    }
    transfer_ = obx_open(connection_, remoteName, OBX_PUT);
    if (transfer_ == 0)
        return kOpenFailed;
    if (obx_put(connection_, transfer_, block, length) != length)
        return Fail(kPutRejected);
    return Finish();
}
