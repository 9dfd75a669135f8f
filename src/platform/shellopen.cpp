#include "platform/shellopen.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace {

OpenUrlHook& CurrentHook()
{
    static OpenUrlHook hook;
    return hook;
}

}  // namespace

OpenUrlHook SetOpenUrlHook(OpenUrlHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

bool OpenUrl(const std::string& url)
{
    if (const OpenUrlHook& hook = CurrentHook())
        return hook(url);
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}
