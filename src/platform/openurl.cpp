#include "platform/openurl.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <utility>

namespace {

OpenUrlHook& Hook()
{
    static OpenUrlHook hook;
    return hook;
}

}  // namespace

OpenUrlHook SetOpenUrlHook(OpenUrlHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

bool OpenUrl(const std::string& url)
{
    if (Hook())
        return Hook()(url);
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}
