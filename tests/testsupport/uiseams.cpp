// The scoped window seams of the tests.
#include "tests/testsupport/uiseams.h"

#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/inputbox.h"
#include "common/ui/messagebox.h"

namespace TestSupport {

namespace {
constexpr const char *linkSchemes[] = {"http", "https", "mailto", "file"};
} // namespace

RecordedDialogs::RecordedDialogs()
{
    MessageBox::startRecording();
    FileDialog::startRecording();
    InputBox::startRecording();
}

RecordedDialogs::~RecordedDialogs()
{
    MessageBox::stopRecording();
    FileDialog::stopRecording();
    InputBox::stopRecording();
    HelpLaunch::setProgramDir(QString());
    HelpLaunch::resetStarter();
}

UrlRecorder::UrlRecorder()
{
    for (const char *scheme : linkSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const char *scheme : linkSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

} // namespace TestSupport
