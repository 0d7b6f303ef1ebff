#include "app/Startup.h"

#include "app/AppSeam.h"
#include "editor/TFormPGM.h"
#include "platform/family_lock.h"
#include "platform/os_version.h"
#include "platform/user_locale.h"

#include <QApplication>
#include <exception>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("Kelpset");

void showRefusal(StartRefusal refusal)
{
    appSeam().messageBox(nullptr, RefusalText(refusal, user_locale_id()), kTitle, MbOk, IconWarning);
}

} // namespace

QString RefusalText(StartRefusal refusal, uint32_t locale)
{
    const bool japanese = locale == kLocaleJapanese;
    switch (refusal) {
    case StartRefusal::OldSystem:
        return japanese ? QString::fromUtf8("Kelpset は Windows95/NT では動作しません。")
                        : QStringLiteral("Kelpset does not run on Windows95/NT.");
    case StartRefusal::AnotherRunning:
        return japanese ? QString::fromUtf8("ZIZI/RA2001/Kelpset/DU2Z21 は、同時に複数起動できません。")
                        : QStringLiteral("You cannot run more than one of ZIZi/RA2001/Kelpset/DU2Z21 at the "
                                         "same time.");
    case StartRefusal::None:
    default:
        return {};
    }
}

int RunKelpset(const std::function<void(TFormPGM&)>& runLoop)
{
    OsVersionRecord version{};
    version.size = kOsVersionRecordSize;
    read_os_version(&version);
    if (!os_version_supported(version)) {
        showRefusal(StartRefusal::OldSystem);
        return 0;
    }

    // A lock file that cannot be made (no runtime folder, no rights) proves nothing about the
    // family's other programs, so the program runs rather than refuse with a wrong reason.
    FamilyLock lock;
    if (lock.acquire() == FamilyLock::HeldElsewhere) {
        showRefusal(StartRefusal::AnotherRunning);
        return 0;
    }

    QApplication::setApplicationName(kTitle);
    std::unique_ptr<TFormPGM> window;
    try {
        window = std::make_unique<TFormPGM>();
        window->show();
        if (runLoop)
            runLoop(*window);
        else
            QApplication::exec();
    } catch (const std::exception& error) {
        // Shown like any other error of the program; the run then ends normally.
        appSeam().messageBox(window.get(), QString::fromLocal8Bit(error.what()), kTitle, MbOk, IconError);
    }
    // The window (and with it the common data, which empties the work folder) goes while the
    // lock is still held, so no other program of the family starts into a half-cleaned folder.
    window.reset();
    lock.release();
    return 0;
}
