#pragma once

#include "platform/types.h"

class DBSetting;
class JXInet;

// The hosts the program talks to. KOVRAL_UPDATE_HOST in the environment (host[:port])
// replaces both update hosts, KOVRAL_WEB_HOST the web host, for tests and self-hosted
// services.
extern const AnsiString ProductUpdateHost;
extern const AnsiString ReserveUpdateHost;
extern const AnsiString ProductWebHost;

// The host the update talks to for the setting UpdServ: 1 the reserve host, any
// other value the product host.
AnsiString UpdateHost(int updServ);
// The host of the support message and the pick uploads.
AnsiString WebHost();

// Sends inet's requests through the HTTP proxy of the settings when UseProxy is on,
// directly otherwise.
void UseProxySettings(JXInet& inet, DBSetting& setting);
