#pragma once

#include "platform/types.h"

// The update service's hosts. KOVRAL_UPDATE_HOST in the environment (host[:port])
// replaces both, for tests and self-hosted services.
extern const AnsiString ProductUpdateHost;
extern const AnsiString ReserveUpdateHost;

// The host the update talks to for the setting UpdServ: 1 the reserve host, any
// other value the product host.
AnsiString UpdateHost(int updServ);
