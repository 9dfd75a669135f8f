#include "update/updatehost.h"

#include "data/dbsetting.h"
#include "foundation/jxinet.h"

#include <cstdlib>

const AnsiString ProductUpdateHost = "update.kovral.example.org";
const AnsiString ReserveUpdateHost = "kovral.tarvik.example.org";
const AnsiString ProductWebHost = "www.kovral.example.org";

namespace {

// The environment's host, or host when the variable is unset or empty.
AnsiString ReplacedHost(const char* variable, const AnsiString& host)
{
    if (const char* replaced = std::getenv(variable); replaced && *replaced)
        return replaced;
    return host;
}

}  // namespace

AnsiString UpdateHost(int updServ)
{
    return ReplacedHost("KOVRAL_UPDATE_HOST", updServ == 1 ? ReserveUpdateHost : ProductUpdateHost);
}

AnsiString WebHost()
{
    return ReplacedHost("KOVRAL_WEB_HOST", ProductWebHost);
}

void UseProxySettings(JXInet& inet, DBSetting& setting)
{
    if (setting.ReadBool("UseProxy"))
        inet.SetProxy(setting.ReadString("ProxyAddress"), setting.ReadInteger("ProxyPort"),
                      setting.ReadString("ProxyUser"), setting.ReadString("ProxyPwd"));
    else
        inet.ClearProxy();
}
